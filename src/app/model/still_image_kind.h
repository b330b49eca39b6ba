#pragma once

#include <optional>
#include <string_view>

namespace vlt {

// The three pictures an output can show; the raw values name the saved files.
enum class StillImageKind {
    original,
    simulation,
    comparison,
};

constexpr std::string_view toRawValue(StillImageKind kind) {
    switch (kind) {
    case StillImageKind::original:
        return "original";
    case StillImageKind::simulation:
        return "simulation";
    case StillImageKind::comparison:
        return "comparison";
    }
    return "original";
}

constexpr std::optional<StillImageKind> stillImageKindFromRawValue(std::string_view raw) {
    if (raw == "original") return StillImageKind::original;
    if (raw == "simulation") return StillImageKind::simulation;
    if (raw == "comparison") return StillImageKind::comparison;
    return std::nullopt;
}

}  // namespace vlt

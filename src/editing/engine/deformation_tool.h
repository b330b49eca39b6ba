#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vlt {

// The raw value is the tool code that the compose kernel receives, so the numbers
// must never change.
enum class DeformationTool : std::uint32_t {
    grow = 0,
    shrink = 1,
    push = 2,
    reconstruct = 3,
};

inline constexpr std::array<DeformationTool, 4> kAllDeformationTools = {
    DeformationTool::grow,
    DeformationTool::shrink,
    DeformationTool::push,
    DeformationTool::reconstruct,
};

constexpr std::uint32_t rawValue(DeformationTool tool) { return static_cast<std::uint32_t>(tool); }

constexpr std::optional<DeformationTool> deformationToolFromRawValue(std::uint32_t raw) {
    if (raw >= kAllDeformationTools.size()) {
        return std::nullopt;
    }
    return static_cast<DeformationTool>(raw);
}

// Lower-case name for logs and test output.
constexpr std::string_view deformationToolName(DeformationTool tool) {
    switch (tool) {
    case DeformationTool::grow:
        return "grow";
    case DeformationTool::shrink:
        return "shrink";
    case DeformationTool::push:
        return "push";
    case DeformationTool::reconstruct:
        return "reconstruct";
    }
    return "unknown";
}

}  // namespace vlt

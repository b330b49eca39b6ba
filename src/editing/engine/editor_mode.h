#pragma once

#include <array>
#include <optional>
#include <string_view>

#include <QString>

namespace vlt {

// Which tool family the tool rail shows.
enum class EditorMode {
    reshape,
    annotate,
};

inline constexpr std::array<EditorMode, 2> kAllEditorModes = {
    EditorMode::reshape,
    EditorMode::annotate,
};

constexpr std::string_view rawValue(EditorMode mode) {
    switch (mode) {
    case EditorMode::reshape:
        return QT_TRANSLATE_NOOP("Veltrano", "Reshape");
    case EditorMode::annotate:
        return QT_TRANSLATE_NOOP("Veltrano", "Annotate");
    }
    return {};
}

constexpr std::optional<EditorMode> editorModeFromRawValue(std::string_view raw) {
    for (EditorMode mode : kAllEditorModes) {
        if (rawValue(mode) == raw) return mode;
    }
    return std::nullopt;
}

QString title(EditorMode mode);
QString accessibilityLabel(EditorMode mode);

}  // namespace vlt

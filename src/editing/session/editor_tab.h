#pragma once

#include <array>
#include <optional>
#include <string_view>

#include <QString>

namespace vlt {

// The editor's four tabs, in tab-bar order.
enum class EditorTab {
    original,
    simulation,
    comparison,
    animate,
};

inline constexpr std::array<EditorTab, 4> kAllEditorTabs = {
    EditorTab::original,
    EditorTab::simulation,
    EditorTab::comparison,
    EditorTab::animate,
};

// Plain English words, never shown without the localized lookup of title().
constexpr std::string_view rawValue(EditorTab tab) {
    switch (tab) {
    case EditorTab::original:
        return QT_TRANSLATE_NOOP("Veltrano", "Original");
    case EditorTab::simulation:
        return QT_TRANSLATE_NOOP("Veltrano", "Simulation");
    case EditorTab::comparison:
        return QT_TRANSLATE_NOOP("Veltrano", "Comparison");
    case EditorTab::animate:
        return QT_TRANSLATE_NOOP("Veltrano", "Animate");
    }
    return {};
}

// Exact, case-sensitive match.
constexpr std::optional<EditorTab> editorTabFromRawValue(std::string_view raw) {
    for (EditorTab tab : kAllEditorTabs) {
        if (rawValue(tab) == raw) return tab;
    }
    return std::nullopt;
}

// Simulation and Comparison take brush strokes and annotations.
constexpr bool isEditable(EditorTab tab) { return tab == EditorTab::simulation || tab == EditorTab::comparison; }

QString title(EditorTab tab);
// The help text of the tab button.
const QString& help(EditorTab tab);
// What a mouse-down that cannot edit answers: on Animate always, on Comparison only
// over the Original panel; none where editing is possible.
std::optional<QString> editRefusalMessage(EditorTab tab, bool onOriginalPanel);

}  // namespace vlt

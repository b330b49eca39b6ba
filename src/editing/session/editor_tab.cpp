#include "editing/session/editor_tab.h"

#include "editing/session/editor_messages.h"
#include "editing/engine/editor_text_lookup.h"

namespace vlt {

QString title(EditorTab tab) { return editorText(rawValue(tab).data()); }

const QString& help(EditorTab tab) {
    static const QString original = editorText("Original, unmodified image (switch tabs: Left/Right Arrow keys)");
    static const QString simulation = editorText("Editable Simulation image (switch tabs: Left/Right Arrow keys)");
    static const QString comparison =
        editorText("Combined Original and Simulation view (switch tabs: Left/Right Arrow keys)");
    static const QString animate = editorText("Morphing animation from the Original to the Simulation image");
    switch (tab) {
    case EditorTab::original:
        return original;
    case EditorTab::simulation:
        return simulation;
    case EditorTab::comparison:
        return comparison;
    case EditorTab::animate:
        return animate;
    }
    return original;
}

std::optional<QString> editRefusalMessage(EditorTab tab, bool onOriginalPanel) {
    if (tab == EditorTab::animate) return EditorMessages::animateTabReadOnly();
    if (tab == EditorTab::comparison && onOriginalPanel) return EditorMessages::originalImageReadOnly();
    return std::nullopt;
}

}  // namespace vlt

#include "editing/engine/editor_mode.h"

#include "editing/engine/editor_text_lookup.h"

namespace vlt {

QString title(EditorMode mode) { return editorText(rawValue(mode).data()); }

QString accessibilityLabel(EditorMode mode) {
    switch (mode) {
    case EditorMode::reshape:
        return editorText("Reshape mode");
    case EditorMode::annotate:
        return editorText("Annotate mode");
    }
    return {};
}

}  // namespace vlt

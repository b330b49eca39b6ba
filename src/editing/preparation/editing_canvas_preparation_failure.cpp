#include "editing/preparation/editing_canvas_preparation_failure.h"

#include "foundation/localized_string.h"

namespace vlt {

std::string EditingCanvasPreparationFailure::diagnosticCode() const {
    switch (case_) {
    case Case::sourceUnavailable:
        return "editor-source-unavailable";
    case Case::sourceChanged:
        return "editor-source-changed";
    case Case::invalidCrop:
        return "editor-invalid-crop";
    case Case::decodeFailed:
        return "editor-decode-failed";
    }
    return {};
}

std::string EditingCanvasPreparationFailure::userMessage() const {
    const char* text = "";
    switch (case_) {
    case Case::sourceUnavailable:
    case Case::decodeFailed:
        text = QT_TRANSLATE_NOOP("Veltrano",
                                 "This image could not be prepared for editing. Please adjust the crop or open "
                                 "it again.");
        break;
    case Case::sourceChanged:
        text = QT_TRANSLATE_NOOP("Veltrano",
                                 "The source image changed after it was opened. Please open it again before "
                                 "editing.");
        break;
    case Case::invalidCrop:
        text = QT_TRANSLATE_NOOP("Veltrano", "This crop is not valid. Please adjust it before going to the editor.");
        break;
    }
    return localizedStdString(text);
}

}  // namespace vlt

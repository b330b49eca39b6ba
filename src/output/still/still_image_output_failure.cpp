#include "output/still/still_image_output_failure.h"

#include "foundation/localized_string.h"

namespace vlt {

std::string StillImageOutputFailure::diagnosticCode() const {
    switch (case_) {
    case Case::rendererUnavailable:
        return "still-renderer-unavailable";
    case Case::renderFailed:
        return "still-render-failed";
    case Case::invalidBaseName:
        return "still-invalid-base-name";
    case Case::noAvailableFilename:
        return "still-no-available-filename";
    case Case::encodeFailed:
        return "still-encode-failed";
    case Case::validationFailed:
        return "still-validation-failed";
    case Case::publishFailed:
        return "still-publish-failed";
    case Case::writeFailed:
        return "still-write-failed";
    }
    return {};
}

std::string StillImageOutputFailure::userMessage() const {
    const char* text = "";
    switch (case_) {
    case Case::rendererUnavailable:
    case Case::renderFailed:
        text = QT_TRANSLATE_NOOP("Veltrano", "The complete image could not be prepared.");
        break;
    case Case::invalidBaseName:
        text = QT_TRANSLATE_NOOP("Veltrano", "Enter a valid filename.");
        break;
    case Case::noAvailableFilename:
        text = QT_TRANSLATE_NOOP("Veltrano", "Veltrano could not find an available filename after 999 versions.");
        break;
    case Case::encodeFailed:
        text = QT_TRANSLATE_NOOP("Veltrano", "The image could not be encoded.");
        break;
    case Case::validationFailed:
        text = QT_TRANSLATE_NOOP("Veltrano", "The saved image could not be validated.");
        break;
    case Case::publishFailed:
        text = QT_TRANSLATE_NOOP("Veltrano", "The disk may be full or the location unavailable.");
        break;
    case Case::writeFailed:
        text = QT_TRANSLATE_NOOP("Veltrano", "The file could not be written. The disk may be full.");
        break;
    }
    return localizedStdString(text);
}

std::optional<StillImageOutputFailure::Case> stillImageOutputFailureCase(const ErrorPtr& error) {
    const auto* failure = dynamic_cast<const StillImageOutputFailure*>(error.get());
    if (failure == nullptr) return std::nullopt;
    return failure->failureCase();
}

}  // namespace vlt

#include "platform/share/share_image_failure.h"

#include <QtGlobal>

#include "foundation/localized_string.h"

namespace vlt {

std::string ShareImageFailure::diagnosticCode() const {
    switch (case_) {
    case Case::temporaryLocationUnavailable:
        return "share-temporary-location-unavailable";
    case Case::encodeFailed:
        return "share-encode-failed";
    case Case::validationFailed:
        return "share-validation-failed";
    case Case::pickerUnavailable:
        return "share-picker-unavailable";
    }
    return {};
}

std::string ShareImageFailure::userMessage() const {
    switch (case_) {
    case Case::temporaryLocationUnavailable:
        return localizedStdString("The system could not create or read the temporary sharing image.");
    case Case::encodeFailed:
        return localizedStdString("Veltrano could not prepare the selected image for sharing.");
    case Case::validationFailed:
        return localizedStdString("The temporary sharing image could not be validated.");
    case Case::pickerUnavailable:
        return localizedStdString("The system could not open the Share menu for this application.");
    }
    return {};
}

std::optional<ShareImageFailure::Case> shareImageFailureCase(const ErrorPtr& error) {
    const auto* failure = dynamic_cast<const ShareImageFailure*>(error.get());
    if (failure == nullptr) return std::nullopt;
    return failure->failureCase();
}

}  // namespace vlt

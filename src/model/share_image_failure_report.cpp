#include "model/share_image_failure_report.h"

#include "foundation/localized_string.h"
#include "output/still/still_image_output_failure.h"
#include "platform/share/share_image_failure.h"

namespace vlt {

namespace {

QString reasonOf(const ErrorPtr& error) {
    const bool hasOwnReason = dynamic_cast<const ShareImageFailure*>(error.get()) != nullptr ||
                              dynamic_cast<const StillImageOutputFailure*>(error.get()) != nullptr;
    if (hasOwnReason) return QString::fromStdString(error->userMessage());
    return localizedString("The temporary sharing image could not be prepared.");
}

QString notSharedTitle() { return localizedString("Image not shared"); }

QString notSharedMessage(const QString& reason) {
    return localizedString("The image could not be shared. %1").arg(reason);
}

}  // namespace

ShareImageFailureReport ShareImageFailureReport::forPreparation(const ErrorPtr& error) {
    if (shareImageFailureCase(error) == ShareImageFailure::Case::pickerUnavailable) {
        return {localizedString("Sharing unavailable"),
                localizedString("Sharing could not start. %1").arg(reasonOf(error))};
    }
    return {notSharedTitle(), notSharedMessage(reasonOf(error))};
}

ShareImageFailureReport ShareImageFailureReport::forService(ShareMenuEntry service) {
    const QString reason = [service] {
        switch (service) {
        case ShareMenuEntry::openWith:
            return localizedString("No application could open the image.");
        case ShareMenuEntry::sendByEmail:
            return localizedString("No e-mail program could attach the image.");
        case ShareMenuEntry::copyImage:
            return localizedString("The image could not be copied to the clipboard.");
        case ShareMenuEntry::showInFileManager:
            break;
        }
        return localizedString("The file manager could not show the image.");
    }();
    return {notSharedTitle(), notSharedMessage(reason)};
}

}  // namespace vlt

#include "screens/share/share_image_error_overlay.h"

#include "foundation/localized_string.h"

namespace vlt {

ShareImageErrorOverlay::ShareImageErrorOverlay(AppModel& model, QWidget* parent, Scheduler& scheduler,
                                               MotionPreference& motion)
    : OutputResultOverlay(contentFor(model), parent, scheduler, motion), model_(&model) {
    setObjectName(QStringLiteral("shareImageErrorOverlay"));
    setExitCommand(nullptr);
    // The card is shown only while both texts are set, always with their current values.
    connect(&model, &AppModel::shareStateChanged, this, [this] {
        if (model_ && model_->shareState().shareImageErrorTitle && model_->shareState().shareImageErrorMessage) {
            setContent(contentFor(*model_));
        }
    });
}

OutputResultContent ShareImageErrorOverlay::contentFor(AppModel& model) {
    OutputResultContent content;
    content.title = model.shareState().shareImageErrorTitle.value_or(QString());
    content.subtitle = localizedString("The requested action could not be completed.");
    content.closeAccessibilityLabel = localizedString("Close error message");
    content.message = model.shareState().shareImageErrorMessage.value_or(QString());
    content.primaryTitle = localizedString("Close");
    QPointer<AppModel> guard(&model);
    content.primaryAction = [guard] {
        if (guard) guard->closeShareImageError();
    };
    return content;
}

}  // namespace vlt

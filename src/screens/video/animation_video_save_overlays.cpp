#include "screens/video/animation_video_save_overlays.h"

#include "model/app_model.h"
#include "foundation/localized_string.h"

namespace vlt {

namespace {

OutputProgressContent savingContent(const QPointer<AppModel>& model) {
    const AnimationVideoSaveState& state = model->animationVideoSaveState();
    OutputProgressContent content;
    content.title =
        state.isCancelling ? localizedString("Cancelling video save…") : localizedString("Your video is being saved");
    content.progress = state.progress;
    content.cancelTitle = localizedString("Cancel");
    content.isCancelEnabled = !state.isCancelling;
    content.cancelAction = [model] {
        if (model) model->cancelAnimationVideoSave();
    };
    return content;
}

OutputResultContent savedContent(const QPointer<AppModel>& model) {
    const AnimationVideoSaveState& state = model->animationVideoSaveState();
    const std::optional<AnimationVideoSaveResult>& result = state.savedVideo;
    OutputResultContent content;
    content.title = localizedString("Video saved");
    content.subtitle = localizedString("Your animation video is ready.");
    content.closeAccessibilityLabel = localizedString("Close saved video");
    content.message = localizedString("The animation video was saved successfully.");
    content.additionalErrorMessage = AnimationVideoSavedOverlay::additionalNotice(
        result ? result->cleanupPath : std::nullopt, state.savedVideoFolderError);
    content.detailHeading = localizedString("Saved to");
    if (result) content.detail = result->destination;
    content.secondaryTitle = localizedString("Open containing folder");
    content.secondaryAction = [model] {
        if (model) model->revealSavedAnimationVideo();
    };
    content.primaryTitle = localizedString("Close");
    content.primaryAction = [model] {
        if (model) model->closeSavedAnimationVideo();
    };
    return content;
}

OutputResultContent errorContent(const QPointer<AppModel>& model) {
    const AnimationVideoSaveState& state = model->animationVideoSaveState();
    OutputResultContent content;
    content.title = state.errorTitle.value_or(QString());
    content.subtitle = localizedString("The requested action could not be completed.");
    content.closeAccessibilityLabel = localizedString("Close video save error");
    content.message = state.errorMessage.value_or(QString());
    content.messageIsError = true;
    content.primaryTitle = localizedString("Close");
    content.primaryAction = [model] {
        if (model) model->closeAnimationVideoSaveError();
    };
    return content;
}

}  // namespace

AnimationVideoSavingOverlay::AnimationVideoSavingOverlay(AppModel& model, QWidget* parent, Scheduler& scheduler,
                                                         MotionPreference& motion)
    : OutputProgressOverlay(savingContent(&model), parent, scheduler, motion), model_(&model) {
    setObjectName(QStringLiteral("animationVideoSavingOverlay"));
    connect(&model, &AppModel::animationVideoSaveStateChanged, this, &AnimationVideoSavingOverlay::refresh);
}

void AnimationVideoSavingOverlay::refresh() {
    if (model_) setContent(savingContent(model_));
}

std::optional<QString> AnimationVideoSavedOverlay::additionalNotice(const std::optional<QString>& cleanupPath,
                                                                    const std::optional<QString>& folderError) {
    QStringList notices;
    if (cleanupPath) {
        notices << localizedString(
                       "Veltrano could not remove its temporary video folder. You may delete it manually:") +
                       QLatin1Char('\n') + *cleanupPath;
    }
    if (folderError) notices << *folderError;
    if (notices.isEmpty()) return std::nullopt;
    return notices.join(QStringLiteral("\n\n"));
}

AnimationVideoSavedOverlay::AnimationVideoSavedOverlay(AppModel& model, QWidget* parent, Scheduler& scheduler,
                                                       MotionPreference& motion)
    : OutputResultOverlay(savedContent(&model), parent, scheduler, motion), model_(&model) {
    setObjectName(QStringLiteral("animationVideoSavedOverlay"));
    connect(&model, &AppModel::animationVideoSaveStateChanged, this, &AnimationVideoSavedOverlay::refresh);
}

void AnimationVideoSavedOverlay::refresh() {
    if (model_ && model_->animationVideoSaveState().savedVideo) setContent(savedContent(model_));
}

AnimationVideoSaveErrorOverlay::AnimationVideoSaveErrorOverlay(AppModel& model, QWidget* parent, Scheduler& scheduler,
                                                               MotionPreference& motion)
    : OutputResultOverlay(errorContent(&model), parent, scheduler, motion), model_(&model) {
    setObjectName(QStringLiteral("animationVideoSaveErrorOverlay"));
    connect(&model, &AppModel::animationVideoSaveStateChanged, this, &AnimationVideoSaveErrorOverlay::refresh);
}

void AnimationVideoSaveErrorOverlay::refresh() {
    const bool shown =
        model_ && model_->animationVideoSaveState().errorTitle && model_->animationVideoSaveState().errorMessage;
    if (shown) setContent(errorContent(model_));
}

}  // namespace vlt

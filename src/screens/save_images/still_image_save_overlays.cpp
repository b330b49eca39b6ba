#include "screens/save_images/still_image_save_overlays.h"

#include <QStringList>

#include "model/app_model.h"
#include "foundation/localized_string.h"

namespace vlt {

namespace {

OutputProgressContent savingContent(const QPointer<AppModel>& model) {
    OutputProgressContent content;
    content.title = localizedString("Your image is being saved");
    content.cancelTitle = localizedString("Cancel");
    content.cancelAction = [model] {
        if (model) model->cancelStillImageSave();
    };
    return content;
}

OutputResultContent savedContent(const QPointer<AppModel>& model) {
    const StillImageSaveState& state = model->stillImageSaveState();
    const bool isSingle = !state.savedImages || state.savedImages->fileNames.size() == 1;
    OutputResultContent content;
    content.title = isSingle ? localizedString("Image saved") : localizedString("Images saved");
    content.subtitle = isSingle ? localizedString("Your image is ready.") : localizedString("Your images are ready.");
    content.closeAccessibilityLabel = localizedString("Close saved output");
    content.message = isSingle ? localizedString("The image was saved successfully.")
                               : localizedString("The images were saved successfully.");
    content.additionalErrorMessage = state.savedImagesFolderError;
    content.detailHeading = localizedString("Saved to");
    if (state.savedImages) content.detail = StillImageSavedOverlay::detailText(*state.savedImages);
    content.secondaryTitle = localizedString("Open containing folder");
    content.secondaryAction = [model] {
        if (model) model->revealSavedStillImages();
    };
    content.primaryTitle = localizedString("Close");
    content.primaryAction = [model] {
        if (model) model->closeSavedStillImages();
    };
    return content;
}

OutputResultContent errorContent(const QPointer<AppModel>& model) {
    const StillImageSaveState& state = model->stillImageSaveState();
    OutputResultContent content;
    content.title = state.errorTitle.value_or(QString());
    content.subtitle = localizedString("The requested action could not be completed.");
    content.closeAccessibilityLabel = localizedString("Close error message");
    content.message = state.errorMessage.value_or(QString());
    content.messageIsError = true;
    content.primaryTitle = localizedString("Close");
    content.primaryAction = [model] {
        if (model) model->closeStillImageSaveError();
    };
    return content;
}

}  // namespace

StillImageSavingOverlay::StillImageSavingOverlay(AppModel& model, QWidget* parent, Scheduler& scheduler,
                                                 MotionPreference& motion)
    : OutputProgressOverlay(savingContent(&model), parent, scheduler, motion) {
    setObjectName(QStringLiteral("stillImageSavingOverlay"));
}

QString StillImageSavedOverlay::detailText(const StillImageSaveResult& result) {
    QStringList lines{QString::fromStdString(result.folder.string())};
    for (const QString& name : result.fileNames) lines << name;
    return lines.join(QLatin1Char('\n'));
}

StillImageSavedOverlay::StillImageSavedOverlay(AppModel& model, QWidget* parent, Scheduler& scheduler,
                                               MotionPreference& motion)
    : OutputResultOverlay(savedContent(&model), parent, scheduler, motion), model_(&model) {
    setObjectName(QStringLiteral("stillImageSavedOverlay"));
    connect(&model, &AppModel::stillImageSaveStateChanged, this, &StillImageSavedOverlay::refresh);
}

void StillImageSavedOverlay::refresh() {
    if (model_ && model_->stillImageSaveState().savedImages) setContent(savedContent(model_));
}

StillImageSaveErrorOverlay::StillImageSaveErrorOverlay(AppModel& model, QWidget* parent, Scheduler& scheduler,
                                                       MotionPreference& motion)
    : OutputResultOverlay(errorContent(&model), parent, scheduler, motion), model_(&model) {
    setObjectName(QStringLiteral("stillImageSaveErrorOverlay"));
    connect(&model, &AppModel::stillImageSaveStateChanged, this, &StillImageSaveErrorOverlay::refresh);
}

void StillImageSaveErrorOverlay::refresh() {
    const bool shown = model_ && model_->stillImageSaveState().errorTitle && model_->stillImageSaveState().errorMessage;
    if (shown) setContent(errorContent(model_));
}

}  // namespace vlt

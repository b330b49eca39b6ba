#include "app/print_error_overlay.h"

#include "app/app_alert_texts.h"
#include "model/app_model.h"
#include "foundation/localized_string.h"

namespace vlt {
namespace {

OutputResultContent errorContent(const QPointer<AppModel>& model) {
    OutputResultContent content;
    content.title = AppAlertTexts::printFailedTitle();
    content.subtitle = localizedString("The requested action could not be completed.");
    content.closeAccessibilityLabel = localizedString("Close error message");
    content.message = AppAlertTexts::printFailedMessage(model ? model->printState().printErrorMessage : std::nullopt);
    content.messageIsError = true;
    content.primaryTitle = AppAlertTexts::closeButton();
    content.primaryAction = [model] {
        if (model) model->closePrintError();
    };
    return content;
}

}  // namespace

PrintErrorOverlay::PrintErrorOverlay(AppModel& model, QWidget* parent, Scheduler& scheduler, MotionPreference& motion)
    : OutputResultOverlay(errorContent(&model), parent, scheduler, motion), model_(&model) {
    setObjectName(QStringLiteral("printErrorOverlay"));
    connect(&model, &AppModel::printStateChanged, this, &PrintErrorOverlay::refresh);
}

void PrintErrorOverlay::refresh() {
    if (model_ && model_->printState().showsPrintError) setContent(errorContent(model_));
}

}  // namespace vlt

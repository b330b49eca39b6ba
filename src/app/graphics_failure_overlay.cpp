#include "app/graphics_failure_overlay.h"

#include "model/app_model.h"
#include "foundation/localized_string.h"

namespace vlt {

namespace {

OutputResultContent graphicsFailureContent(AppModel& model, std::function<void()> quitApplication) {
    OutputResultContent content;
    content.title = localizedString("GPU editor unavailable");
    content.subtitle = localizedString("The editing canvas cannot be used.");
    content.closeAccessibilityLabel = localizedString("Close GPU editor error");
    content.message = GraphicsFailureOverlay::message();
    content.messageIsError = true;
    content.secondaryTitle = localizedString("Quit Veltrano");
    content.secondaryAction = [quit = std::move(quitApplication)] {
        if (quit) quit();
    };
    content.primaryTitle = localizedString("Close");
    content.primaryAction = [guard = QPointer<AppModel>(&model)] {
        if (guard) guard->closeGraphicsFailure();
    };
    return content;
}

}  // namespace

const QString& GraphicsFailureOverlay::message() {
    static const QString text =
        localizedString(
            "The original image file was not changed. Close and reopen Veltrano before editing this image "
            "again. Changes made in the current editor session have not been saved.\n\nIf the problem "
            "persists, contact support at %1.")
            .arg(QString::fromLatin1(supportEmailAddress));
    return text;
}

GraphicsFailureOverlay::GraphicsFailureOverlay(AppModel& model, std::function<void()> quitApplication, QWidget* parent,
                                               Scheduler& scheduler, MotionPreference& motion)
    : OutputResultOverlay(graphicsFailureContent(model, std::move(quitApplication)), parent, scheduler, motion) {
    setObjectName(QStringLiteral("graphicsFailureOverlay"));
}

}  // namespace vlt

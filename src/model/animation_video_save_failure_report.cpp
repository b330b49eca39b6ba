#include "model/animation_video_save_failure_report.h"

#include "base/cancellation_error.h"
#include "foundation/localized_string.h"
#include "output/video/animation_video_failure.h"
#include "output/video/animation_video_save_failure.h"

namespace vlt {

namespace {

const QString kParagraphBreak = QStringLiteral("\n\n");

QString reasonFor(const ErrorPtr& error) {
    if (const auto* failure = dynamic_cast<const AnimationVideoFailure*>(error.get())) {
        return QString::fromStdString(failure->userMessage());
    }
    if (const auto* failure = dynamic_cast<const AnimationVideoSystemFailure*>(error.get())) {
        return QString::fromStdString(failure->userMessage());
    }
    return localizedString("The disk may be full or the location unavailable.");
}

}  // namespace

AnimationVideoSaveFailureReport reportAnimationVideoSaveFailure(const ErrorPtr& error, bool taskCancelled) {
    const auto* saveFailure = dynamic_cast<const AnimationVideoSaveFailure*>(error.get());
    const ErrorPtr underlying = saveFailure != nullptr ? saveFailure->underlying() : error;
    const bool cancelled = isCancellation(underlying) || taskCancelled;
    const bool leftWork =
        saveFailure != nullptr && (saveFailure->cleanupPath().has_value() || saveFailure->destinationStateUncertain());

    AnimationVideoSaveFailureReport report;
    report.loggedError = underlying;
    if (cancelled && !leftWork) {
        report.isQuietCancellation = true;
        return report;
    }
    if (cancelled) {
        report.title = localizedString("Video save cancelled");
        report.message = localizedString("Animation video export was cancelled, but cleanup needs attention.");
    } else {
        report.title = localizedString("Video not saved");
        report.message = localizedString("Animation video could not be saved. %1").arg(reasonFor(underlying));
    }

    const bool uncertain = saveFailure != nullptr && saveFailure->destinationStateUncertain();
    report.message += kParagraphBreak;
    report.message += uncertain ? localizedString(
                                      "The system may have started replacing the destination. Check the file before "
                                      "retrying.")
                                : localizedString("Any existing file at this destination was left unchanged.");
    if (saveFailure != nullptr && saveFailure->cleanupPath()) {
        report.message += kParagraphBreak;
        report.message +=
            localizedString("Veltrano could not remove its temporary video file. You may delete it manually:");
        report.message += QLatin1Char('\n') + *saveFailure->cleanupPath();
    }
    return report;
}

}  // namespace vlt

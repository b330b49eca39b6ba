#include "model/still_image_save_failure_report.h"

#include <QStringList>

#include "base/cancellation_error.h"
#include "foundation/localized_string.h"
#include "output/still/still_image_output_failure.h"

namespace vlt {
namespace {

QString reasonText(const ErrorPtr& error) {
    if (stillImageOutputFailureCase(error)) return QString::fromStdString(error->userMessage());
    static const QString diskOrLocation = localizedString("The disk may be full or the location unavailable.");
    return diskOrLocation;
}

QString cleanupParagraph(const std::vector<std::filesystem::path>& paths) {
    static const QString lead =
        localizedString("Veltrano could not remove these temporary or incomplete image files. Inspect them manually:");
    QStringList lines;
    for (const std::filesystem::path& path : paths) lines << QString::fromStdString(path.string());
    return QStringLiteral("\n\n") + lead + QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
}

}  // namespace

StillImageSaveFailureReport reportStillImageSaveFailure(const StillImageSaveFailure& failure, bool taskCancelled) {
    const bool cancelled = taskCancelled || isCancellation(failure.underlying);
    const bool hasCleanupPaths = !failure.cleanupPaths.empty();
    if (cancelled && !hasCleanupPaths) return StillImageSaveFailureReport{true, {}, {}, {}};

    StillImageSaveFailureReport report;
    report.loggedError = failure.underlying;
    if (cancelled) {
        report.title = localizedString("Image saving cleanup");
        report.message = localizedString("Image saving was cancelled, but cleanup needs attention.");
    } else {
        report.title = localizedString("Image not saved");
        report.message = localizedString("The image could not be saved. %1").arg(reasonText(failure.underlying));
    }
    if (hasCleanupPaths) report.message += cleanupParagraph(failure.cleanupPaths);
    return report;
}

}  // namespace vlt

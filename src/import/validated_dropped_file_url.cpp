#include "import/validated_dropped_file_url.h"

#include "base/regular_file.h"

namespace vlt {

Result<QUrl, StartupDropFailure> validatedDroppedFileURL(const QList<QUrl>& urls) {
    if (urls.isEmpty()) return StartupDropFailure(StartupDropFailure::Case::notAFile);
    if (urls.size() > 1) return StartupDropFailure(StartupDropFailure::Case::multipleItems);

    const QUrl& url = urls.front();
    if (!url.isLocalFile()) return StartupDropFailure(StartupDropFailure::Case::notAFile);
    const std::error_code kind = RegularFile::check(url.toLocalFile().toStdString());
    if (kind == std::errc::is_a_directory) return StartupDropFailure(StartupDropFailure::Case::folder);
    // A pipe or a device is no image file; one that cannot be looked at is left to the import to report.
    if (kind == std::errc::invalid_argument) return StartupDropFailure(StartupDropFailure::Case::notAFile);
    return url;
}

}  // namespace vlt

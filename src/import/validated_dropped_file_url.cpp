#include "import/validated_dropped_file_url.h"

#include <QFileInfo>

namespace vlt {

Result<QUrl, StartupDropFailure> validatedDroppedFileURL(const QList<QUrl>& urls) {
    if (urls.isEmpty()) return StartupDropFailure(StartupDropFailure::Case::notAFile);
    if (urls.size() > 1) return StartupDropFailure(StartupDropFailure::Case::multipleItems);

    const QUrl& url = urls.front();
    if (!url.isLocalFile()) return StartupDropFailure(StartupDropFailure::Case::notAFile);
    if (QFileInfo(url.toLocalFile()).isDir()) return StartupDropFailure(StartupDropFailure::Case::folder);
    return url;
}

}  // namespace vlt

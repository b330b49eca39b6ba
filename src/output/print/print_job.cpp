#include "output/print/print_job.h"

#include "foundation/localized_string.h"

namespace vlt {

QString printJobTitle(const QString& documentName) {
    QString name = documentName.section(QLatin1Char('/'), -1);
    // Only the last extension goes ("scan.raw.jpg" prints as "scan.raw"); a leading
    // dot starts a name, not an extension.
    if (const qsizetype dot = name.lastIndexOf(QLatin1Char('.')); dot > 0) name.truncate(dot);
    const QString title = name.trimmed();
    if (!title.isEmpty()) return title;
    return localizedString("Veltrano image");
}

}  // namespace vlt

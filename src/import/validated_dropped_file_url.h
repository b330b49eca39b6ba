#pragma once

#include <QList>
#include <QUrl>

#include "base/result.h"
#include "import/startup_drop_failure.h"

namespace vlt {

// The one file URL of a drop, or why the drop is refused. A URL whose folder flag
// cannot be read is accepted: the import then reports what is wrong with it.
Result<QUrl, StartupDropFailure> validatedDroppedFileURL(const QList<QUrl>& urls);

}  // namespace vlt

#pragma once

#include <QString>

namespace vlt {

// "Print…", localized once: the title of the File menu's print item and of the
// editor's Output menu print item.
const QString& printCommandTitle();

}  // namespace vlt

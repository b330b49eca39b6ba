#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace vlt {

// The files named on the command line (`veltrano FILE…`, the desktop entry's %F).
// There are no options: every argument after the program is a file, given as a path
// (relative to the working folder) or as a file URL. Anything else is skipped.
QList<QUrl> filesFromLaunchArguments(const QStringList& arguments, const QString& workingDirectory);

}  // namespace vlt

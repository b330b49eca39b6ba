#include "app/launch_arguments.h"

#include <QDir>

namespace vlt {

QList<QUrl> filesFromLaunchArguments(const QStringList& arguments, const QString& workingDirectory) {
    QList<QUrl> files;
    const QDir base(workingDirectory);
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        if (argument.isEmpty()) continue;
        if (argument.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) {
            const QUrl url(argument);
            const bool isOnThisComputer = url.host().isEmpty() || url.host() == QStringLiteral("localhost");
            if (url.isValid() && url.isLocalFile() && isOnThisComputer) files.append(QUrl::fromLocalFile(url.path()));
            continue;
        }
        files.append(QUrl::fromLocalFile(QDir::cleanPath(base.absoluteFilePath(argument))));
    }
    return files;
}

}  // namespace vlt

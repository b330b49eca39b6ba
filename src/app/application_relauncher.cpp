#include "app/application_relauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace vlt {

RelaunchError::RelaunchError(int processError, std::string description)
    : processError_(processError), description_(std::move(description)) {}

VoidResult ApplicationRelauncher::relaunch(const QStringList& files) {
    QProcess process;
    process.setProgram(QCoreApplication::applicationFilePath());
    process.setArguments(files);
    process.setWorkingDirectory(QDir::homePath());
    if (process.startDetached()) return {};
    return makeError<RelaunchError>(static_cast<int>(process.error()), process.errorString().toStdString());
}

}  // namespace vlt

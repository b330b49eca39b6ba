#include "platform/desktop/default_application_opener.h"

#include <memory>

#include <QProcess>
#include <QTimer>

namespace vlt {

void openWithDefaultApplication(const QString& target, std::function<void(bool)> completion, const QString& program,
                                int patienceMs) {
    auto* process = new QProcess;
    auto finish = std::make_shared<std::function<void(bool)>>(std::move(completion));
    // Whichever comes first answers; the others find the completion spent.
    auto answer = [finish](bool opened) {
        if (!*finish) return;
        auto once = std::move(*finish);
        *finish = nullptr;
        once(opened);
    };
    QObject::connect(process, &QProcess::finished, process,
                     [process, answer](int exitCode, QProcess::ExitStatus status) {
                         answer(status == QProcess::NormalExit && exitCode == 0);
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, answer](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        answer(false);
        process->deleteLater();
    });
    QTimer::singleShot(patienceMs, process, [answer] { answer(true); });
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    // Started from the event loop, so the completion never runs inside this call.
    QTimer::singleShot(0, process, [process, program, target] { process->start(program, {target}); });
}

}  // namespace vlt

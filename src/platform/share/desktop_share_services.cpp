#include "platform/share/desktop_share_services.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include "platform/desktop/default_application_opener.h"
#include "platform/desktop/file_manager.h"
#include "platform/share/desktop_portal.h"
#include "platform/share/share_service_failure.h"

namespace vlt {

namespace {

const QString kEmailProgram = QStringLiteral("xdg-email");
const QString kJpegMimeType = QStringLiteral("image/jpeg");

// The failure of one service, logged under its own code.
SharePickerOutcome failedIn(ShareMenuEntry service) {
    const ShareServiceFailure::Case failure = [service] {
        switch (service) {
        case ShareMenuEntry::openWith:
            return ShareServiceFailure::Case::openFailed;
        case ShareMenuEntry::sendByEmail:
            return ShareServiceFailure::Case::emailFailed;
        case ShareMenuEntry::copyImage:
            return ShareServiceFailure::Case::copyFailed;
        case ShareMenuEntry::showInFileManager:
            break;
        }
        return ShareServiceFailure::Case::showFailed;
    }();
    return SharePickerOutcome::failed(service, ShareServiceFailure::make(failure));
}

SharePickerOutcome outcomeOf(PortalResponse response, ShareMenuEntry service) {
    switch (response) {
    case PortalResponse::success:
        return SharePickerOutcome::shared();
    case PortalResponse::cancelled:
        return SharePickerOutcome::cancelled();
    case PortalResponse::failed:
        break;
    }
    return failedIn(service);
}

// Services that answer at once still answer on a later turn, as the contract says.
void answerLater(SharePickerCompletion completion, SharePickerOutcome outcome) {
    QTimer::singleShot(0, [completion = std::move(completion), outcome] { completion(outcome); });
}

}  // namespace

DesktopShareServices::DesktopShareServices(std::shared_ptr<DesktopPortal> portal,
                                           std::shared_ptr<FileManager> fileManager, Launcher launcher)
    : portal_(std::move(portal)), fileManager_(std::move(fileManager)), launcher_(std::move(launcher)) {}

DesktopShareServices::Launcher DesktopShareServices::systemLauncher() {
    Launcher launcher;
    launcher.findProgram = [](const QString& program) { return QStandardPaths::findExecutable(program); };
    launcher.runProgram = [](const QString& program, const QStringList& arguments, std::function<void(bool)> done) {
        auto* process = new QProcess;
        auto report = std::make_shared<std::function<void(bool)>>(std::move(done));
        QObject::connect(process, &QProcess::finished, process,
                         [process, report](int code, QProcess::ExitStatus status) {
                             process->deleteLater();
                             if (*report) std::exchange(*report, nullptr)(status == QProcess::NormalExit && code == 0);
                         });
        QObject::connect(process, &QProcess::errorOccurred, process, [process, report](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart) return;
            process->deleteLater();
            if (*report) std::exchange(*report, nullptr)(false);
        });
        process->start(program, arguments);
    };
    launcher.openDefault = [](const QString& filePath, std::function<void(bool)> done) {
        openWithDefaultApplication(filePath, std::move(done));
    };
    return launcher;
}

bool DesktopShareServices::canSendByEmail() { return (portal_ && portal_->hasEmail()) || !emailProgram().isEmpty(); }

QString DesktopShareServices::emailProgram() const {
    return launcher_.findProgram ? launcher_.findProgram(kEmailProgram) : QString();
}

void DesktopShareServices::run(ShareMenuEntry entry, const QString& filePath, SharePickerCompletion completion) {
    switch (entry) {
    case ShareMenuEntry::openWith:
        openWith(filePath, std::move(completion));
        return;
    case ShareMenuEntry::sendByEmail:
        sendByEmail(filePath, std::move(completion));
        return;
    case ShareMenuEntry::copyImage:
        copyImage(filePath, std::move(completion));
        return;
    case ShareMenuEntry::showInFileManager:
        showInFileManager(filePath, std::move(completion));
        return;
    }
}

void DesktopShareServices::openWith(const QString& filePath, SharePickerCompletion completion) {
    if (portal_ && portal_->hasOpenURI()) {
        portal_->openFile(filePath, [completion = std::move(completion)](PortalResponse response) {
            completion(outcomeOf(response, ShareMenuEntry::openWith));
        });
        return;
    }
    auto answer = [completion = std::move(completion)](bool opened) {
        completion(opened ? SharePickerOutcome::shared() : failedIn(ShareMenuEntry::openWith));
    };
    if (!launcher_.openDefault) {
        QTimer::singleShot(0, [answer = std::move(answer)] { answer(false); });
        return;
    }
    launcher_.openDefault(filePath, std::move(answer));
}

void DesktopShareServices::sendByEmail(const QString& filePath, SharePickerCompletion completion) {
    if (portal_ && portal_->hasEmail()) {
        portal_->composeEmail(filePath, [completion = std::move(completion)](PortalResponse response) {
            completion(outcomeOf(response, ShareMenuEntry::sendByEmail));
        });
        return;
    }
    const QString program = emailProgram();
    if (program.isEmpty() || !launcher_.runProgram) {
        answerLater(std::move(completion), failedIn(ShareMenuEntry::sendByEmail));
        return;
    }
    launcher_.runProgram(
        program, {QStringLiteral("--attach"), filePath}, [completion = std::move(completion)](bool succeeded) {
            completion(succeeded ? SharePickerOutcome::shared() : failedIn(ShareMenuEntry::sendByEmail));
        });
}

void DesktopShareServices::copyImage(const QString& filePath, SharePickerCompletion completion) {
    QFile file(filePath);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const QImage image = QImage::fromData(bytes, "JPEG");
    if (image.isNull()) {
        answerLater(std::move(completion), failedIn(ShareMenuEntry::copyImage));
        return;
    }
    // Image editors take the pixels, browsers and mail the JPEG itself, file managers
    // the address.
    auto* data = new QMimeData;
    data->setData(kJpegMimeType, bytes);
    data->setImageData(image);
    data->setUrls({QUrl::fromLocalFile(filePath)});
    QGuiApplication::clipboard()->setMimeData(data);
    answerLater(std::move(completion), SharePickerOutcome::shared());
}

void DesktopShareServices::showInFileManager(const QString& filePath, SharePickerCompletion completion) {
    if (!fileManager_) {
        answerLater(std::move(completion), failedIn(ShareMenuEntry::showInFileManager));
        return;
    }
    fileManager_->showItems({filePath}, [completion = std::move(completion)](bool shown) {
        completion(shown ? SharePickerOutcome::shared() : failedIn(ShareMenuEntry::showInFileManager));
    });
}

}  // namespace vlt

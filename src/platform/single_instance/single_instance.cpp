#include "platform/single_instance/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

#include "platform/single_instance/file_handover_message.h"

namespace vlt {

namespace {

constexpr auto kSocketName = "veltrano-instance";
// A socket's path has room for about a hundred bytes; a display name is seldom over ten.
constexpr qsizetype kMaximumDisplayNameLength = 32;
constexpr auto kAcknowledgement = "ok\n";
// A sender that neither finishes nor hangs up is dropped after this long.
constexpr int kReceiveTimeLimitMilliseconds = 10000;

}  // namespace

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), socketPath_(std::move(socketPath)) {}

SingleInstance::~SingleInstance() { stopListening(); }

QString SingleInstance::defaultSocketPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).filePath(QLatin1String(kSocketName) + displaySuffix());
}

QString SingleInstance::displaySuffix() {
    // One instance per display, not per user: a launch on a second display of the same
    // user (another login, a forwarded connection) opens its window there instead of
    // handing its files to a window on a screen nobody in front of this one sees.
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) {
        display = qEnvironmentVariable("DISPLAY");
        // ":0" and ":0.0" are the same X server.
        const qsizetype colon = display.lastIndexOf(QLatin1Char(':'));
        const qsizetype dot = display.indexOf(QLatin1Char('.'), colon + 1);
        if (colon >= 0 && dot > colon) display.truncate(dot);
    }
    if (display.isEmpty()) return {};
    QString suffix = QStringLiteral("-");
    for (const QChar character : display.left(kMaximumDisplayNameLength)) {
        const bool plain = (character >= QLatin1Char('a') && character <= QLatin1Char('z')) ||
                           (character >= QLatin1Char('A') && character <= QLatin1Char('Z')) ||
                           (character >= QLatin1Char('0') && character <= QLatin1Char('9')) ||
                           character == QLatin1Char('-');
        suffix += plain ? character : QLatin1Char('_');
    }
    return suffix;
}

SingleInstance::Role SingleInstance::claimOrForward(const QList<QUrl>& files, int timeoutMilliseconds) {
    QDir().mkpath(QFileInfo(socketPath_).absolutePath());
    QLockFile launchLock(socketPath_ + QStringLiteral(".lock"));
    // Without the lock (an unwritable folder) a race between two launches is possible
    // but harmless: the later one fails to listen and runs on its own.
    launchLock.tryLock(timeoutMilliseconds);

    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (socket.waitForConnected(timeoutMilliseconds)) {
        socket.write(FileHandoverMessage::encode(files));
        const bool sent = socket.waitForBytesWritten(timeoutMilliseconds);
        bool acknowledged = false;
        while (sent && !acknowledged && socket.waitForReadyRead(timeoutMilliseconds)) {
            acknowledged = socket.canReadLine() && socket.readLine() == kAcknowledgement;
        }
        socket.disconnectFromServer();
        return acknowledged ? Role::forwarded : Role::failed;
    }

    // Nobody answers: whatever socket file is there was left by a crashed instance.
    listen();
    return Role::primary;
}

bool SingleInstance::listen() {
    if (isListening()) return true;
    QLocalServer::removeServer(socketPath_);
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(socketPath_)) {
        delete server;
        return false;
    }
    server_ = server;
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return true;
}

void SingleInstance::stopListening() {
    if (!server_) return;
    server_->close();
    delete server_;
    server_ = nullptr;
}

bool SingleInstance::resumeListening() { return listen(); }

bool SingleInstance::isListening() const { return server_ != nullptr && server_->isListening(); }

void SingleInstance::acceptConnections() {
    while (server_ && server_->hasPendingConnections()) {
        QLocalSocket* socket = server_->nextPendingConnection();
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        QTimer::singleShot(kReceiveTimeLimitMilliseconds, socket, [socket] { dropConnection(socket); });
        readFrom(socket);
    }
}

void SingleInstance::readFrom(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > FileHandoverMessage::kMaximumSize) dropConnection(socket);
        return;
    }
    const std::optional<QList<QUrl>> files =
        FileHandoverMessage::decode(socket->readLine(FileHandoverMessage::kMaximumSize + 1));
    if (!files) {
        dropConnection(socket);
        return;
    }
    socket->write(kAcknowledgement);
    socket->flush();
    socket->disconnectFromServer();
    emit filesReceived(*files);
}

void SingleInstance::dropConnection(QLocalSocket* socket) {
    socket->abort();
    socket->deleteLater();
}

}  // namespace vlt

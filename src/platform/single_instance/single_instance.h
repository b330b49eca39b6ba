#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

class QLocalServer;
class QLocalSocket;

namespace vlt {

// Keeps the application to one running instance per user and display. The first
// launch listens on a local socket of the user's and the display's; a later launch on
// the same display hands its files to it and ends. Launches are serialised by a lock
// file beside the socket, so two at once cannot both claim.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    enum class Role {
        // This process is the running instance (also when the socket could not be set
        // up: the application then simply runs on its own).
        primary,
        // The files went to the running instance; this process should end.
        forwarded,
        // An instance is running but did not take the files in time.
        failed,
    };

    static constexpr int kDefaultTimeoutMilliseconds = 5000;

    explicit SingleInstance(QString socketPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // "$XDG_RUNTIME_DIR/veltrano-instance-<display>" (or in the per-user runtime folder
    // Qt falls back to), without the display part where there is no display.
    static QString defaultSocketPath();

    // Becomes the running instance, or hands the files to the one already running.
    // Blocks for at most about the timeout; call before the event loop starts.
    Role claimOrForward(const QList<QUrl>& files, int timeoutMilliseconds = kDefaultTimeoutMilliseconds);

    // A relaunched instance must become the running one, so the old one lets go of the
    // socket before starting it (and takes it back if the start failed).
    void stopListening();
    bool resumeListening();
    bool isListening() const;

    const QString& socketPath() const { return socketPath_; }

signals:
    // A later launch handed over these files (possibly none: it was started again
    // without files, and the window should come to the front).
    void filesReceived(const QList<QUrl>& files);

private:
    // The display the process shows on, as it can stand in a file name: "-wayland-0",
    // "-_1" for X's ":1"; empty without one.
    static QString displaySuffix();
    bool listen();
    void acceptConnections();
    void readFrom(QLocalSocket* socket);
    static void dropConnection(QLocalSocket* socket);

    QString socketPath_;
    QLocalServer* server_ = nullptr;
};

}  // namespace vlt

#pragma once

#include <QObject>

class QSocketNotifier;

namespace vlt {

// Turns SIGTERM and SIGINT into a signal on the GUI thread, so that they end the
// application through its normal quit path (the pending settings write and the
// session's end still happen). The handler only writes one byte into a pipe; all the
// work runs later in the event loop.
class TerminationSignalWatcher final : public QObject {
    Q_OBJECT

public:
    // Only one watcher may exist at a time.
    explicit TerminationSignalWatcher(QObject* parent = nullptr);
    ~TerminationSignalWatcher() override;

    bool isInstalled() const { return notifier_ != nullptr; }

signals:
    void terminationRequested(int signalNumber);

private:
    void drain();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vlt

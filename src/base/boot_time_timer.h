#pragma once

#include <functional>
#include <memory>

#include <QObject>

#include "base/file_descriptor.h"

class QSocketNotifier;

namespace vlt {

// A single shot on the boot-time clock, which keeps counting while the computer is
// suspended: a wait of half an hour ends half an hour after it began, however long the
// machine slept in between (on waking, at once when that time has passed). It runs on
// the thread that made it, from that thread's event loop, and never after it is gone.
class BootTimeTimer final : public QObject {
    Q_OBJECT

public:
    // None when the system offers no such timer.
    static std::unique_ptr<BootTimeTimer> start(double delaySeconds, std::function<void()> fired,
                                                QObject* parent = nullptr);
    ~BootTimeTimer() override;

private:
    BootTimeTimer(FileDescriptor timer, std::function<void()> fired, QObject* parent);
    void expire();

    FileDescriptor timer_;
    QSocketNotifier* notifier_;
    std::function<void()> fired_;
};

}  // namespace vlt

#include "base/background_release.h"

#include "base/main_thread.h"
#include "base/serial_worker.h"

namespace vlt {

namespace {

// One thread for every such release: they are few and rarely overlap. It gives way to
// the GUI thread whenever that wakes up.
SerialWorker& releaser() {
    static SerialWorker worker(SerialWorker::Priority::batch);
    return worker;
}

}  // namespace

void releaseAwayFromMainThread(std::shared_ptr<const void> holder) {
    if (!holder) return;
    if (!isMainThread()) {
        holder.reset();
        return;
    }
    releaser().post([holder = std::move(holder)]() mutable { holder.reset(); });
}

}  // namespace vlt

#include "model/background_runner.h"

#include <QThreadPool>

#include "base/alternate_signal_stack.h"

namespace vlt {

BackgroundRunner threadPoolBackgroundRunner() {
    return [](std::function<void()> work) {
        QThreadPool::globalInstance()->start([work = std::move(work)] {
            // Pool threads are ours too: a stack overflow in their work is still caught.
            AlternateSignalStack::installForCurrentThread();
            work();
        });
    };
}

}  // namespace vlt

#include "model/background_runner.h"

#include <QThreadPool>

namespace vlt {

BackgroundRunner threadPoolBackgroundRunner() {
    return
        [](std::function<void()> work) { QThreadPool::globalInstance()->start([work = std::move(work)] { work(); }); };
}

}  // namespace vlt

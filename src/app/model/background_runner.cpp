#include "app/model/background_runner.h"

#include <QThreadPool>

namespace vlt {

BackgroundRunner threadPoolBackgroundRunner() {
    return [](std::function<void()> work) { QThreadPool::globalInstance()->start(std::move(work)); };
}

}  // namespace vlt

#pragma once

#include <functional>

namespace vlt {

// Runs blocking work off the GUI thread. The work hands its result back itself, with
// postToMainThread. Tests install a runner that holds the work until they release it.
using BackgroundRunner = std::function<void(std::function<void()>)>;

// The application's runner: the global thread pool.
BackgroundRunner threadPoolBackgroundRunner();

}  // namespace vlt

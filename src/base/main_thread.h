#pragma once

#include <functional>

namespace vlt {

// Posts work from any thread to the GUI thread's event loop (it runs on a later turn,
// never inside the caller). Used by background tasks to hand back their results.
void postToMainThread(std::function<void()> work);

// True on the thread that runs the application's event loop.
bool isMainThread();

}  // namespace vlt

#pragma once

#include <functional>

#include "base/result.h"

namespace vlt {

// The component that keeps the installed application current. The application starts
// it once at launch and asks for one background check; what happens after that (further
// checks, dialogs, downloads) is the backend's own business.
class Updater {
public:
    virtual ~Updater() = default;

    // Starts the backend; a failure means no update checks for this run.
    virtual VoidResult startUpdater() = 0;
    // Asks for one check without user interaction and returns at once.
    virtual void checkForUpdatesInBackground() = 0;
    // Run on the GUI thread just before the backend relaunches the application to
    // install an update, so the coming termination can be treated as a restart.
    virtual void setWillRelaunchHandler(std::function<void()> handler) = 0;
};

}  // namespace vlt

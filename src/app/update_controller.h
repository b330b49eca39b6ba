#pragma once

#include <functional>
#include <memory>

#include "model/startup_update_check_gate.h"

namespace vlt {

class Updater;

// Starts the updater once at launch and asks it for one background check, and passes
// the updater's notice that it is about to relaunch the application on to the
// delegate, which then treats the coming termination as a restart for an update.
// There is no other way to ask for a check.
class UpdateController {
public:
    UpdateController(std::shared_ptr<Updater> updater, std::function<void()> onWillRelaunch);

    // Runs at most once per controller; later calls do nothing and log nothing.
    void startUpdaterAndCheckInBackground();
    void updaterWillRelaunchApplication();

    const StartupUpdateCheckGate& startupCheckGate() const { return startupCheckGate_; }

private:
    StartupUpdateCheckGate startupCheckGate_;
    std::function<void()> onWillRelaunch_;
    std::shared_ptr<Updater> updater_;
};

}  // namespace vlt

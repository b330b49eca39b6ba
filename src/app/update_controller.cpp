#include "app/update_controller.h"

#include <utility>

#include "foundation/diagnostic_log.h"
#include "base/precondition.h"
#include "base/main_thread.h"
#include "platform/updater/updater.h"

namespace vlt {

UpdateController::UpdateController(std::shared_ptr<Updater> updater, std::function<void()> onWillRelaunch)
    : onWillRelaunch_(std::move(onWillRelaunch)), updater_(std::move(updater)) {}

void UpdateController::startUpdaterAndCheckInBackground() {
    if (startupCheckGate_.hasStarted) return;
    startupCheckGate_.hasStarted = true;
    if (!updater_) return;

    updater_->setWillRelaunchHandler([this] { updaterWillRelaunchApplication(); });
    const VoidResult started = updater_->startUpdater();
    if (!started.ok()) {
        DiagnosticLog::startupUpdateCheckFailed(*started.error());
        return;
    }
    updater_->checkForUpdatesInBackground();
    DiagnosticLog::startupUpdateCheckStarted();
}

void UpdateController::updaterWillRelaunchApplication() {
    VLT_PRECONDITION(isMainThread(), "the updater announces a relaunch on the GUI thread");
    if (onWillRelaunch_) onWillRelaunch_();
}

}  // namespace vlt

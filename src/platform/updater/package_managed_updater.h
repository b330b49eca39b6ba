#pragma once

#include "platform/updater/updater.h"

namespace vlt {

// The Linux backend: nothing updates the application from within it (a build from
// source is updated by rebuilding it, a packaged one by its package manager), so
// starting succeeds and a check does nothing. It never relaunches the application.
class PackageManagedUpdater final : public Updater {
public:
    VoidResult startUpdater() override;
    void checkForUpdatesInBackground() override;
    void setWillRelaunchHandler(std::function<void()> handler) override;
};

}  // namespace vlt

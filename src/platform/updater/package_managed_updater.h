#pragma once

#include "platform/updater/updater.h"

namespace vlt {

// The Linux backend: the distribution's package manager installs new versions, so
// starting succeeds and a check does nothing. It never relaunches the application.
class PackageManagedUpdater final : public Updater {
public:
    VoidResult startUpdater() override;
    void checkForUpdatesInBackground() override;
    void setWillRelaunchHandler(std::function<void()> handler) override;
};

}  // namespace vlt

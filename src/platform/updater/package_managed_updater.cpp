#include "platform/updater/package_managed_updater.h"

namespace vlt {

VoidResult PackageManagedUpdater::startUpdater() { return {}; }

void PackageManagedUpdater::checkForUpdatesInBackground() {}

void PackageManagedUpdater::setWillRelaunchHandler(std::function<void()>) {}

}  // namespace vlt

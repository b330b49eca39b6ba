#include "platform/updater/fake_updater.h"

#include <utility>

namespace vlt {

VoidResult FakeUpdater::startUpdater() {
    ++startCount_;
    if (startFailure_) return startFailure_;
    return {};
}

void FakeUpdater::checkForUpdatesInBackground() { ++backgroundCheckCount_; }

void FakeUpdater::setWillRelaunchHandler(std::function<void()> handler) { willRelaunch_ = std::move(handler); }

void FakeUpdater::announceRelaunch() {
    if (willRelaunch_) willRelaunch_();
}

}  // namespace vlt

#pragma once

#include <functional>

#include "platform/updater/updater.h"

namespace vlt {

// An updater for tests: it records the calls it receives, can be told to fail its
// start, and relaunches only when the test says so.
class FakeUpdater final : public Updater {
public:
    VoidResult startUpdater() override;
    void checkForUpdatesInBackground() override;
    void setWillRelaunchHandler(std::function<void()> handler) override;

    // Makes every later start fail with this error (null: start succeeds).
    void failStartWith(ErrorPtr error) { startFailure_ = std::move(error); }
    // Plays the backend announcing that it is about to relaunch the application.
    void announceRelaunch();

    int startCount() const { return startCount_; }
    int backgroundCheckCount() const { return backgroundCheckCount_; }

private:
    ErrorPtr startFailure_;
    std::function<void()> willRelaunch_;
    int startCount_ = 0;
    int backgroundCheckCount_ = 0;
};

}  // namespace vlt

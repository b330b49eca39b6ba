#include "base/background_release.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace vlt {
namespace {

// Tells on which thread it was destroyed.
class DestructionWitness {
public:
    explicit DestructionWitness(std::promise<std::thread::id> destroyedOn) : destroyedOn_(std::move(destroyedOn)) {}
    ~DestructionWitness() { destroyedOn_.set_value(std::this_thread::get_id()); }

private:
    std::promise<std::thread::id> destroyedOn_;
};

struct Witnessed {
    std::shared_ptr<const DestructionWitness> object;
    std::future<std::thread::id> destroyedOn;
};

Witnessed makeWitnessed() {
    std::promise<std::thread::id> promise;
    Witnessed witnessed;
    witnessed.destroyedOn = promise.get_future();
    witnessed.object = destroyedAwayFromMainThread(std::make_shared<const DestructionWitness>(std::move(promise)));
    return witnessed;
}

// A guard against a release that never comes, not a measure of time.
std::thread::id threadThatDestroyed(std::future<std::thread::id>& destroyedOn) {
    if (destroyedOn.wait_for(std::chrono::seconds(30)) != std::future_status::ready) return {};
    return destroyedOn.get();
}

TEST(BackgroundReleaseTest, TheLastHolderOnTheGuiThreadLeavesTheDestructionToAnotherThread) {
    Witnessed witnessed = makeWitnessed();
    std::shared_ptr<const DestructionWitness> copy = witnessed.object;
    witnessed.object.reset();
    EXPECT_EQ(witnessed.destroyedOn.wait_for(std::chrono::seconds(0)), std::future_status::timeout)
        << "a copy still holds it";

    copy.reset();
    const std::thread::id destroyer = threadThatDestroyed(witnessed.destroyedOn);
    EXPECT_NE(destroyer, std::thread::id());
    EXPECT_NE(destroyer, std::this_thread::get_id());
}

TEST(BackgroundReleaseTest, ALastHolderAwayFromTheGuiThreadDestroysInPlace) {
    Witnessed witnessed = makeWitnessed();
    std::thread::id releasingThread;
    std::thread releaser([&releasingThread, object = std::move(witnessed.object)]() mutable {
        releasingThread = std::this_thread::get_id();
        object.reset();
    });
    releaser.join();
    EXPECT_EQ(threadThatDestroyed(witnessed.destroyedOn), releasingThread);
}

TEST(BackgroundReleaseTest, NothingToHoldStaysNothing) {
    EXPECT_EQ(destroyedAwayFromMainThread(std::shared_ptr<int>()), nullptr);
    releaseAwayFromMainThread(nullptr);
}

}  // namespace
}  // namespace vlt

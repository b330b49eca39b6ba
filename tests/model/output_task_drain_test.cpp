#include <gtest/gtest.h>

#include <optional>

#include "model/model_test_support.h"
#include "model/output_task_drain.h"

namespace vlt {
namespace {

// Stands in for a save or export: once asked to stop it still needs a moment to
// remove its temporary file, and reports its end only after that.
class FakeOutputTask {
public:
    FakeOutputTask() : handle(TaskHandle::create()) {}

    void finishCleanup() {
        temporaryFileRemoved = true;
        handle->finish();
    }

    TaskHandlePtr handle;
    bool temporaryFileRemoved = false;
};

TEST(OutputTaskDrainTest, ATaskThatNeverEndsIsGivenUpOnAfterTheLimit) {
    ManualScheduler scheduler;
    FakeOutputTask stuck;
    int calls = 0;
    std::optional<bool> result;

    OutputTaskDrain(scheduler, 10.0).drain({stuck.handle}, [&](bool allFinished) {
        ++calls;
        result = allFinished;
    });
    scheduler.advance(9.9);
    EXPECT_FALSE(result.has_value());
    scheduler.advance(0.2);
    EXPECT_EQ(result, false);

    stuck.finishCleanup();
    EXPECT_EQ(calls, 1);
}

TEST(OutputTaskDrainTest, FinishedTasksDoNotHoldUpTermination) {
    testing::ModelFixture fixture;
    FakeOutputTask earlierSave;
    earlierSave.finishCleanup();
    fixture.model->animationVideoSaveTask = earlierSave.handle;

    bool terminated = false;
    fixture.model->finishOutputTasksBeforeTermination([&] { terminated = true; });
    EXPECT_TRUE(terminated);
}

}  // namespace
}  // namespace vlt

#include "output/still/still_image_snapshot_source.h"

#include <gtest/gtest.h>

#include <thread>

#include "base/cancellation_error.h"
#include "output/still/still_image_output_failure.h"
#include "output/still/still_output_test_support.h"

namespace vlt {
namespace {

// The save's workers wait for the editor's answer, which comes on another thread; the
// first answer counts, and a stop ends a wait that no answer would end.
TEST(StillImageSnapshotSourceTest, WaitersGetTheFirstAnswerOrAStop) {
    const StillImageRenderSnapshot snapshot = test::colourSnapshot(8, 6);
    StillImageSnapshotSource source(snapshot.original);
    EXPECT_FALSE(source.isFulfilled());

    std::optional<Result<StillImageRenderSnapshot>> waited;
    std::jthread waiter([&] { waited = source.wait({}); });
    source.fulfil(snapshot);
    source.fulfil(StillImageOutputFailure::rendererUnavailable());
    waiter.join();
    ASSERT_TRUE(waited && waited->ok());
    EXPECT_EQ(waited->value().simulation, snapshot.simulation);
    EXPECT_TRUE(source.isFulfilled());
    EXPECT_FALSE(source.hasFailed());

    StillImageSnapshotSource refused(snapshot.original);
    refused.fulfil(StillImageOutputFailure::rendererUnavailable());
    EXPECT_TRUE(refused.hasFailed());
    EXPECT_EQ(stillImageOutputFailureCase(refused.wait({}).error()),
              StillImageOutputFailure::Case::rendererUnavailable);

    StillImageSnapshotSource unanswered(snapshot.original);
    std::stop_source stop;
    std::jthread stopper([&] { stop.request_stop(); });
    EXPECT_TRUE(isCancellation(unanswered.wait(stop.get_token()).error()));
}

}  // namespace
}  // namespace vlt

#include <gtest/gtest.h>

#include "output/still/still_image_output_failure.h"

namespace vlt {
namespace {

TEST(StillImageOutputFailureTest, RendererUnavailableHasItsCodeMessageAndDomain) {
    const ErrorPtr error = StillImageOutputFailure::rendererUnavailable();
    const auto* failure = dynamic_cast<const StillImageOutputFailure*>(error.get());
    ASSERT_NE(failure, nullptr);
    EXPECT_EQ(failure->diagnosticCode(), "still-renderer-unavailable");
    EXPECT_EQ(failure->userMessage(), "The complete image could not be prepared.");
    EXPECT_EQ(failure->domain(), "VltMac.StillImageOutputFailure");
    EXPECT_EQ(failure->code(), 0);
}

}  // namespace
}  // namespace vlt

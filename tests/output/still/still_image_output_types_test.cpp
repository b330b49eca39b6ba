#include <gtest/gtest.h>

#include "output/still/still_image_kind.h"
#include "output/still/still_image_output_failure.h"

namespace vlt {
namespace {

using Kinds = std::vector<StillImageKind>;

TEST(StillImageOutputTypesTest, EachSelectionNamesItsKindsInOrder) {
    const auto all = Kinds{StillImageKind::original, StillImageKind::simulation, StillImageKind::comparison};
    for (const auto& [selection, kinds] :
         {std::pair{StillImageSaveSelection::currentTab, Kinds{StillImageKind::comparison}},
          std::pair{StillImageSaveSelection::original, Kinds{StillImageKind::original}},
          std::pair{StillImageSaveSelection::simulation, Kinds{StillImageKind::simulation}},
          std::pair{StillImageSaveSelection::comparison, Kinds{StillImageKind::comparison}},
          std::pair{StillImageSaveSelection::allThreeTabs, all}}) {
        EXPECT_EQ(stillImageKinds(selection, StillImageKind::comparison), kinds);
    }
    EXPECT_EQ(stillImageKindFromRawValue("simulation"), StillImageKind::simulation);
    EXPECT_FALSE(stillImageKindFromRawValue("Simulation"));
}

TEST(StillImageOutputTypesTest, BothRenderFailuresShowOneSentenceButLogTheirOwnCodes) {
    const StillImageOutputFailure unavailable(StillImageOutputFailure::Case::rendererUnavailable);
    const StillImageOutputFailure failed(StillImageOutputFailure::Case::renderFailed);
    EXPECT_EQ(unavailable.userMessage(), failed.userMessage());
    EXPECT_EQ(unavailable.diagnosticCode(), "still-renderer-unavailable");
    EXPECT_EQ(failed.diagnosticCode(), "still-render-failed");
}

}  // namespace
}  // namespace vlt

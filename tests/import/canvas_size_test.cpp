#include <gtest/gtest.h>

#include "import/image_size.h"
#include "import/pixel_aligned_crop.h"

namespace vlt {
namespace {

TEST(PixelAlignedCrop, RoundsHalvesAwayFromZeroInsideTheImage) {
    EXPECT_EQ(PixelAlignedCrop::fromRect({10.5, 0.4, 100.2, 50.5}, {4000, 3000}), (PixelAlignedCrop{11, 0, 100, 51}));
    EXPECT_EQ(PixelAlignedCrop::fromRect({-3, -0.2, 5000, 4000}, {4000, 3000}), (PixelAlignedCrop{0, 0, 4000, 3000}));
    // At least one pixel, unless the origin rounds onto the far edge.
    EXPECT_EQ(PixelAlignedCrop::fromRect({7.2, 7.2, 0.1, 0.1}, {100, 100}), (PixelAlignedCrop{7, 7, 1, 1}));
    EXPECT_EQ(PixelAlignedCrop::fromRect({99.6, 0, 0.4, 10}, {100, 100}).width, 0);
}

TEST(ImageSizeFitting, ShrinksTheLongerSideToTheMaximumAndNeverEnlarges) {
    EXPECT_EQ((ImageSize{6000, 4000}.fitting(4096)), (ImageSize{4096, 2731}));
    EXPECT_EQ((ImageSize{1, 9000}.fitting(4096)), (ImageSize{1, 4096}));
    EXPECT_EQ((ImageSize{3000, 2000}.fitting(4096)), (ImageSize{3000, 2000}));
    EXPECT_EQ((ImageSize{5000, 5000}.fitting(4096)), (ImageSize{4096, 4096}));
    EXPECT_EQ((ImageSize{3000, 2000}.fitting(2000)), (ImageSize{2000, 1333}));
    EXPECT_EQ((ImageSize{100000, 1}.fitting(500)), (ImageSize{500, 1}));
}

}  // namespace
}  // namespace vlt

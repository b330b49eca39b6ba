#include "import/crop_selection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vlt {
namespace {

CropSelection selectionOf(std::int64_t width, std::int64_t height, double minimumSize = 32) {
    return CropSelection({width, height}, minimumSize);
}

TEST(CropSelection, StartsAsTheWholeUnturnedImage) {
    CropSelection selection = selectionOf(4000, 3000, 0.25);
    EXPECT_EQ(selection.crop, (ImageRect{0, 0, 4000, 3000}));
    EXPECT_EQ(selection.minimumSize, 1);
    EXPECT_TRUE(selection.isFullImage());
    // Full tolerates rounding, but no real crop.
    selection.crop = {5e-7, 0, 4000 - 5e-7, 3000};
    EXPECT_TRUE(selection.isFullImage());
    selection.crop = {0.01, 0, 3999.99, 3000};
    EXPECT_FALSE(selection.isFullImage());
}

TEST(CropSelection, PresetsCentreTheLargestCropOfTheirRatio) {
    CropSelection selection = selectionOf(4000, 3000);
    selection.setAspectRatio(CropAspectRatio::square);
    EXPECT_EQ(selection.crop, (ImageRect{500, 0, 3000, 3000}));
    selection.setAspectRatio(CropAspectRatio::landscape16By9);
    EXPECT_EQ(selection.crop, (ImageRect{0, 375, 4000, 2250}));
    selection.setAspectRatio(CropAspectRatio::portrait9By16);
    EXPECT_DOUBLE_EQ(selection.crop.height, 3000);
    EXPECT_DOUBLE_EQ(selection.crop.width, 1687.5);
    EXPECT_DOUBLE_EQ(selection.crop.x, 1156.25);
    // Free keeps whatever crop the last preset left.
    selection.setAspectRatio(CropAspectRatio::free);
    EXPECT_DOUBLE_EQ(selection.crop.width, 1687.5);
    EXPECT_EQ(selection.aspectRatio, CropAspectRatio::free);
}

TEST(CropSelection, FreeDragMovesOnlyTheDraggedCornersEdgesAndLeavesTheMinimumSize) {
    CropSelection selection = selectionOf(4000, 3000);
    selection.dragCorner(CropCorner::topRight, {3000, 500});
    EXPECT_EQ(selection.crop, (ImageRect{0, 500, 3000, 2500}));
    selection.dragCorner(CropCorner::bottomLeft, {-50, 9000});
    EXPECT_EQ(selection.crop, (ImageRect{0, 500, 3000, 2500}));
    selection.dragCorner(CropCorner::bottomLeft, {100, 2000});
    EXPECT_EQ(selection.crop, (ImageRect{100, 500, 2900, 1500}));

    // Past the opposite corner the minimum size is left.
    selection.dragCorner(CropCorner::topLeft, {10000, 10000});
    EXPECT_EQ(selection.crop, (ImageRect{2968, 1968, 32, 32}));

    CropSelection flat = selectionOf(400, 20);
    flat.dragCorner(CropCorner::topLeft, {1000, 1000});
    EXPECT_EQ(flat.crop, (ImageRect{368, 0, 32, 20}));
}

TEST(CropSelection, FreeDragOnAnImageSmallerThanTheMinimumStaysInsideIt) {
    // A preset can leave a crop narrower than the minimum of a tiny image; dragging
    // its far corner inward must not push the crop's origin out of the image.
    CropSelection selection = selectionOf(20, 10);
    selection.setAspectRatio(CropAspectRatio::square);
    ASSERT_EQ(selection.crop, (ImageRect{5, 0, 10, 10}));
    selection.setAspectRatio(CropAspectRatio::free);
    selection.move(-100, 0);
    for (CropCorner corner : kAllCropCorners) {
        CropSelection dragged = selection;
        dragged.dragCorner(corner, {-30, -30});
        EXPECT_GE(dragged.crop.x, 0);
        EXPECT_GE(dragged.crop.y, 0);
        EXPECT_GT(dragged.crop.width, 0);
        EXPECT_GT(dragged.crop.height, 0);
        EXPECT_LE(dragged.crop.right(), 20);
        EXPECT_LE(dragged.crop.bottom(), 10);
        dragged.dragCorner(corner, {50, 50});
        EXPECT_GE(dragged.crop.x, 0);
        EXPECT_LE(dragged.crop.right(), 20);
        EXPECT_LE(dragged.crop.bottom(), 10);
    }
    selection.dragCorner(CropCorner::topLeft, {5, 5});
    EXPECT_EQ(selection.crop, (ImageRect{0, 0, 10, 10}));
}

TEST(CropSelection, RatioDragKeepsTheRatioAndStopsAtTheFirstEdge) {
    CropSelection selection = selectionOf(4000, 3000);
    selection.setAspectRatio(CropAspectRatio::landscape16By9);
    selection.dragCorner(CropCorner::topLeft, {2000, 1500});
    EXPECT_NEAR(selection.crop.width / selection.crop.height, 16.0 / 9.0, 1e-9);
    EXPECT_DOUBLE_EQ(selection.crop.right(), 4000);
    EXPECT_DOUBLE_EQ(selection.crop.bottom(), 2625);

    // Past the right edge: the width reaches the edge first.
    selection.dragCorner(CropCorner::bottomRight, {9000, 2700});
    EXPECT_DOUBLE_EQ(selection.crop.right(), 4000);
    EXPECT_NEAR(selection.crop.width / selection.crop.height, 16.0 / 9.0, 1e-9);
    EXPECT_LE(selection.crop.bottom(), 3000);

    // Never below the minimum.
    selection.setAspectRatio(CropAspectRatio::square);
    selection.dragCorner(CropCorner::bottomRight, {0, 0});
    EXPECT_EQ(selection.crop, (ImageRect{500, 0, 32, 32}));
}

TEST(CropSelection, PointerPositionsThatAreNoNumberChangeNothing) {
    CropSelection selection = selectionOf(400, 300);
    const CropSelection before = selection;
    selection.dragCorner(CropCorner::topLeft, {std::nan(""), 10});
    selection.move(std::numeric_limits<double>::infinity(), 0);
    EXPECT_EQ(selection, before);
}

TEST(CropSelection, FourRightTurnsOrALeftAndARightTurnGiveTheStartBack) {
    CropSelection start = selectionOf(4000, 3000);
    start.setAspectRatio(CropAspectRatio::classic4By3);
    start.crop = {100, 200, 1200, 900};

    CropSelection turned = start;
    turned.apply(CropTransformCommand::rotateRight);
    EXPECT_EQ(turned.crop, (ImageRect{1900, 100, 900, 1200}));
    EXPECT_EQ(turned.aspectRatio, CropAspectRatio::classic3By4);
    EXPECT_EQ(turned.displayedSize(), (ImageSize{3000, 4000}));
    for (int i = 0; i < 3; ++i) turned.apply(CropTransformCommand::rotateRight);
    EXPECT_EQ(turned, start);

    CropSelection backAndForth = start;
    backAndForth.apply(CropTransformCommand::rotateLeft);
    EXPECT_EQ(backAndForth.crop, (ImageRect{200, 2700, 900, 1200}));
    backAndForth.apply(CropTransformCommand::rotateRight);
    EXPECT_EQ(backAndForth, start);
}

TEST(CropSelection, FlipsToggleTheMirrorAndLeaveTheShownAngle) {
    CropSelection selection = selectionOf(4000, 3000);
    selection.crop = {100, 200, 1200, 900};
    const CropSelection start = selection;

    selection.apply(CropTransformCommand::flipHorizontal);
    EXPECT_EQ(selection.crop, (ImageRect{2700, 200, 1200, 900}));
    EXPECT_TRUE(selection.isHorizontallyFlipped);
    selection.apply(CropTransformCommand::flipHorizontal);
    EXPECT_EQ(selection, start);

    selection.apply(CropTransformCommand::flipVertical);
    EXPECT_EQ(selection.crop, (ImageRect{100, 1900, 1200, 900}));
    EXPECT_EQ(selection.clockwiseQuarterTurns, 2);
    EXPECT_TRUE(selection.isHorizontallyFlipped);

    CropSelection turned = start;
    turned.apply(CropTransformCommand::rotateRight);
    turned.apply(CropTransformCommand::flipHorizontal);
    EXPECT_EQ(turned.clockwiseQuarterTurns, 3);
    EXPECT_EQ(turned.displayClockwiseQuarterTurns, 1);
}

TEST(CropSelection, ResetOrientationUndoesTurnsAndMirror) {
    CropSelection plain = selectionOf(4000, 3000);
    plain.displayClockwiseQuarterTurns = 2;
    plain.crop = {10, 10, 100, 100};
    plain.apply(CropTransformCommand::resetOrientation);
    EXPECT_EQ(plain.displayClockwiseQuarterTurns, 0);
    EXPECT_EQ(plain.crop, (ImageRect{10, 10, 100, 100}));

    CropSelection start = selectionOf(4000, 3000);
    start.setAspectRatio(CropAspectRatio::cinema21By9);
    CropSelection changed = start;
    changed.apply(CropTransformCommand::rotateRight);
    changed.apply(CropTransformCommand::flipVertical);
    changed.apply(CropTransformCommand::rotateLeft);
    changed.apply(CropTransformCommand::rotateLeft);
    changed.apply(CropTransformCommand::resetOrientation);
    EXPECT_EQ(changed.clockwiseQuarterTurns, 0);
    EXPECT_EQ(changed.displayClockwiseQuarterTurns, 0);
    EXPECT_FALSE(changed.isHorizontallyFlipped);
    EXPECT_EQ(changed.aspectRatio, CropAspectRatio::cinema21By9);
    EXPECT_NEAR(changed.crop.x, start.crop.x, 1e-9);
    EXPECT_NEAR(changed.crop.y, start.crop.y, 1e-9);
    EXPECT_NEAR(changed.crop.width, start.crop.width, 1e-9);
}

TEST(CropAspectRatio, TransposesIntoItsPartnerAndBack) {
    for (CropAspectRatio aspectRatio : kAllCropAspectRatios) {
        EXPECT_EQ(transposed(transposed(aspectRatio)), aspectRatio);
        const auto value = ratio(aspectRatio);
        const auto partner = ratio(transposed(aspectRatio));
        if (value) {
            EXPECT_NEAR(*value * *partner, 1.0, 1e-12);
        }
    }
    EXPECT_EQ(transposed(CropAspectRatio::cinema21By9), CropAspectRatio::cinema9By21);
    EXPECT_EQ(ratio(CropAspectRatio::free), std::nullopt);
}

}  // namespace
}  // namespace vlt

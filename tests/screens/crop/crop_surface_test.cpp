#include <gtest/gtest.h>

#include <QTest>

#include "screens/crop/crop_overlay.h"
#include "screens/crop/crop_screen_test_support.h"
#include "screens/crop/crop_surface.h"
#include "screens/crop/crop_view_mapping.h"

namespace vlt {
namespace {

using testing::CropScreenFixture;

TEST(CropViewMappingTest, FitsThePreviewWithANineMarginAndConvertsPointsToFullPixels) {
    CropSelection selection({8000, 6000}, 32);
    const CropViewMapping mapping = CropViewMapping::make(QSizeF(1018, 818), selection, {4096, 3072});
    EXPECT_NEAR(mapping.imageRect.width() / 4096, 0.2441, 1e-4);
    EXPECT_EQ(mapping.imageRect, QRectF(9, 34, 1000, 750));
    EXPECT_EQ(mapping.cropRect, mapping.imageRect);
    const ImagePoint centre = mapping.imagePoint(QPointF(509, 409));
    EXPECT_NEAR(centre.x, 4000, 1e-6);
    EXPECT_NEAR(centre.y, 3000, 1e-6);
    const ImagePoint outside = mapping.imagePoint(QPointF(0, 0));
    EXPECT_LT(outside.x, 0);
    EXPECT_LT(outside.y, 0);
}

TEST(CropOverlayTest, BandsSurroundASmallerCropAndVanishForTheFullImage) {
    const QRectF image(10, 20, 300, 200);
    for (const QRectF& band : CropOverlay{image, image}.dimmingBands()) EXPECT_EQ(band.width() * band.height(), 0);

    const CropOverlay overlay{QRectF(0, 0, 300, 200), QRectF(50, 40, 100, 60)};
    const auto bands = overlay.dimmingBands();
    EXPECT_EQ(bands[0], QRectF(0, 0, 300, 40));
    EXPECT_EQ(bands[1], QRectF(0, 100, 300, 100));
    EXPECT_EQ(bands[2], QRectF(0, 40, 50, 60));
    EXPECT_EQ(bands[3], QRectF(150, 40, 150, 60));
    const auto handles = overlay.handles();
    EXPECT_EQ(handles[2].center(), QPointF(150, 100));
}

TEST(CropOverlayTest, ThirdsRunVerticalHorizontalVerticalHorizontal) {
    const QPainterPath thirds = CropOverlay::thirdsPath(QRectF(0, 0, 90, 60));
    ASSERT_EQ(thirds.elementCount(), 8);
    EXPECT_EQ(QPointF(thirds.elementAt(0)), QPointF(30, 0));
    EXPECT_EQ(QPointF(thirds.elementAt(1)), QPointF(30, 60));
    EXPECT_EQ(QPointF(thirds.elementAt(2)), QPointF(0, 20));
    EXPECT_EQ(QPointF(thirds.elementAt(4)), QPointF(60, 0));
    EXPECT_EQ(QPointF(thirds.elementAt(7)), QPointF(90, 40));
}

// An 800 × 600 image in a 418 × 318 surface: the preview fills (9, 9, 400, 300) at
// half scale, so one view point is two image pixels.
class CropSurfaceTest : public ::testing::Test {
protected:
    CropSurfaceTest() : surface(fixture.document) { surface.resize(418, 318); }

    void setCrop(ImageRect crop) {
        CropSelection selection = fixture.document->selection();
        selection.crop = crop;
        fixture.document->setSelection(selection);
    }
    const ImageRect& crop() const { return fixture.document->selection().crop; }
    // The colour shown at a fraction of the image's width and height.
    QColor colourAt(QPointF fraction) {
        const QImage shot = surface.grab().toImage();
        const QRectF image = surface.mapping().imageRect;
        return shot.pixelColor(QPoint(qRound(image.left() + fraction.x() * image.width()),
                                      qRound(image.top() + fraction.y() * image.height())));
    }
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(&surface, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(&surface, QPoint((from.x() + to.x()) / 2, (from.y() + to.y()) / 2));
        QTest::mouseMove(&surface, to);
        QTest::mouseRelease(&surface, Qt::LeftButton, Qt::NoModifier, to);
    }

    CropScreenFixture fixture;
    CropSurface surface;
};

TEST_F(CropSurfaceTest, CornersWinOverTheInsideAndTheFirstCornerWins) {
    setCrop({200, 200, 20, 200});  // 10 points wide on screen
    const QRectF cropRect = surface.mapping().cropRect;
    EXPECT_EQ(surface.interaction(cropRect.topLeft() + QPointF(5, 2)), CropInteraction::resize(CropCorner::topLeft));
    EXPECT_EQ(surface.interaction(cropRect.bottomRight()), CropInteraction::resize(CropCorner::bottomRight));
    EXPECT_EQ(surface.interaction(cropRect.center()), CropInteraction::move());
    EXPECT_EQ(surface.interaction(cropRect.topRight() + QPointF(40, 0)), std::nullopt);

    // The border between two corners moves the crop.
    setCrop({100, 100, 400, 300});
    const QRectF wide = surface.mapping().cropRect;
    EXPECT_EQ(surface.interaction(QPointF(wide.center().x(), wide.top())), CropInteraction::move());
    EXPECT_EQ(surface.interaction(QPointF(wide.right(), wide.center().y())), CropInteraction::move());
}

TEST_F(CropSurfaceTest, ACornerDragPutsTheCornerUnderThePointer) {
    setCrop({100, 100, 400, 300});
    // Grabbed 5 points off the corner: the offset is not kept.
    drag(QPoint(9 + 50 + 5, 9 + 50 + 5), QPoint(9 + 20, 9 + 30));
    EXPECT_NEAR(crop().x, 40, 1e-9);
    EXPECT_NEAR(crop().y, 60, 1e-9);
    EXPECT_NEAR(crop().right(), 500, 1e-9);
    EXPECT_NEAR(crop().bottom(), 400, 1e-9);
    EXPECT_FALSE(surface.activeInteraction().has_value());
}

TEST_F(CropSurfaceTest, AMoveFollowsThePointerStopsAtTheEdgesAndNeverStartsOnTheDimmedArea) {
    setCrop({100, 100, 400, 300});
    drag(QPoint(9 + 150, 9 + 100), QPoint(9 + 160, 9 + 90));
    EXPECT_EQ(crop(), (ImageRect{120, 80, 400, 300}));
    drag(QPoint(9 + 150, 9 + 100), QPoint(9 + 400, 9 + 400));
    EXPECT_EQ(crop(), (ImageRect{400, 300, 400, 300}));
    // A drag starting on the dimmed area changes nothing.
    drag(QPoint(9 + 20, 9 + 20), QPoint(9 + 150, 9 + 150));
    EXPECT_EQ(crop(), (ImageRect{400, 300, 400, 300}));
}

TEST_F(CropSurfaceTest, AfterATurnTheVisibleBottomRightHandleIsStillTheOneDragged) {
    CropSelection selection = fixture.document->selection();
    selection.apply(CropTransformCommand::rotateRight);
    fixture.document->setSelection(selection);
    // 600 × 800 displayed; the mapping fits it 225 × 300 at (96.5, 9).
    const QRectF cropRect = surface.mapping().cropRect;
    ASSERT_NEAR(cropRect.width(), 225, 1e-9);
    drag(cropRect.bottomRight().toPoint(), (cropRect.bottomRight() - QPointF(75, 100)).toPoint());
    EXPECT_NEAR(crop().x, 0, 1e-9);
    EXPECT_NEAR(crop().y, 0, 1e-9);
    EXPECT_NEAR(crop().right(), 400, 2);
    EXPECT_NEAR(crop().bottom(), 533.3, 2);
}

TEST_F(CropSurfaceTest, ThePreviewIsDrawnTurnedAndMirroredAsTheSelectionSays) {
    // The crop covers everything, so nothing is dimmed at these probes.
    EXPECT_TRUE(testing::colorNear(colourAt({0.2, 0.2}), Qt::red, 6));

    CropSelection selection = fixture.document->selection();
    selection.apply(CropTransformCommand::rotateRight);
    fixture.document->setSelection(selection);
    // A quarter turn clockwise brings the bottom-left quadrant to the top left.
    EXPECT_TRUE(testing::colorNear(colourAt({0.2, 0.2}), Qt::blue, 6));
    EXPECT_TRUE(testing::colorNear(colourAt({0.8, 0.2}), Qt::red, 6));

    selection.apply(CropTransformCommand::flipHorizontal);
    fixture.document->setSelection(selection);
    EXPECT_TRUE(testing::colorNear(colourAt({0.2, 0.2}), Qt::red, 6));
    EXPECT_TRUE(testing::colorNear(colourAt({0.8, 0.2}), Qt::blue, 6));
}

TEST_F(CropSurfaceTest, DuringAResizeTheLastPictureIsStretchedUntilTheSizeRests) {
    EXPECT_TRUE(testing::colorNear(colourAt({0.2, 0.2}), Qt::red, 6));
    EXPECT_EQ(surface.preparedPreviewSize(), QSize(400, 300));

    surface.resize(818, 618);
    EXPECT_TRUE(testing::colorNear(colourAt({0.2, 0.2}), Qt::red, 6));
    EXPECT_TRUE(testing::colorNear(colourAt({0.8, 0.8}), Qt::yellow, 6));
    EXPECT_EQ(surface.preparedPreviewSize(), QSize(400, 300));

    QTest::qWait(300);
    EXPECT_TRUE(testing::colorNear(colourAt({0.8, 0.8}), Qt::yellow, 6));
    EXPECT_EQ(surface.preparedPreviewSize(), QSize(800, 600));
}

TEST_F(CropSurfaceTest, TheCursorTellsWhatAPressWouldDo) {
    setCrop({100, 100, 400, 300});
    surface.show();
    QTest::mouseMove(&surface, QPoint(59, 59));
    EXPECT_EQ(surface.cursor().shape(), Qt::SizeFDiagCursor);
    QTest::mouseMove(&surface, QPoint(259, 59));
    EXPECT_EQ(surface.cursor().shape(), Qt::SizeBDiagCursor);
    QTest::mouseMove(&surface, QPoint(150, 120));
    EXPECT_EQ(surface.cursor().shape(), Qt::OpenHandCursor);
    QTest::mousePress(&surface, Qt::LeftButton, Qt::NoModifier, QPoint(150, 120));
    QTest::mouseMove(&surface, QPoint(160, 125));
    EXPECT_EQ(surface.cursor().shape(), Qt::ClosedHandCursor);
    QTest::mouseRelease(&surface, Qt::LeftButton, Qt::NoModifier, QPoint(160, 125));
    EXPECT_EQ(surface.cursor().shape(), Qt::ArrowCursor);
    QTest::mouseMove(&surface, QPoint(20, 20));
    EXPECT_EQ(surface.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(CropSurfaceTest, DescribesTheSelectionInWholeSourcePixels) {
    setCrop({10, 10, 300.4, 200.6});
    EXPECT_EQ(surface.selectionDescription(), QStringLiteral("Selection 300 by 201 source pixels"));
}

}  // namespace
}  // namespace vlt

#include "output/still/still_image_canvas_reserve.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace vlt {
namespace {

constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;

// A canvas takes the smallest block set aside that holds it, waiting for one still on
// its way; with none left, or after a release, it gets none and is made as usual. The
// canvas is an ordinary image and outlives the reserve's release.
TEST(StillImageCanvasReserveTest, CanvasesTakeTheSmallestBlockThatHoldsThem) {
    StillImageCanvasReserve reserve;
    reserve.prepare({std::size_t(60) * 60 * 4, std::size_t(20) * 20 * 4, std::size_t(40) * 40 * 4});

    QImage middle = reserve.takeCanvas(30, 30, kFormat);
    ASSERT_FALSE(middle.isNull());
    EXPECT_EQ(middle.size(), QSize(30, 30));
    EXPECT_EQ(middle.bytesPerLine(), 30 * 4);
    QImage large = reserve.takeCanvas(60, 50, kFormat);
    EXPECT_FALSE(large.isNull());
    // The 20 × 20 block is left: too small for either.
    EXPECT_TRUE(reserve.takeCanvas(40, 40, kFormat).isNull());
    QImage small = reserve.takeCanvas(20, 20, kFormat);
    EXPECT_FALSE(small.isNull());
    EXPECT_TRUE(reserve.takeCanvas(1, 1, kFormat).isNull());

    reserve.prepare({std::size_t(10) * 10 * 4});
    reserve.release();
    EXPECT_TRUE(reserve.takeCanvas(10, 10, kFormat).isNull());

    middle.fill(Qt::white);
    QPainter painter(&middle);
    painter.fillRect(QRect(10, 10, 5, 5), Qt::red);
    painter.end();
    EXPECT_EQ(middle.pixel(12, 12), qRgb(255, 0, 0));
    EXPECT_EQ(middle.pixel(29, 29), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace vlt

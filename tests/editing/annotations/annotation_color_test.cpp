#include "editing/annotations/annotation_color.h"

#include <gtest/gtest.h>

namespace vlt {
namespace {

TEST(AnnotationColorTest, RoundsComponentsToTheNearestByte) {
    EXPECT_EQ(AnnotationColor::fromColor(QColor::fromRgbF(0.5f, 0.0f, 1.0f)), (AnnotationColor{128, 0, 255}));
    EXPECT_EQ(AnnotationColor::fromColor(QColor(12, 200, 99)), (AnnotationColor{12, 200, 99}));
}

TEST(AnnotationColorTest, ClampsExtendedComponents) {
    const QColor extended = QColor::fromRgbF(-0.02f, 1.03f, 0.5f);
    ASSERT_EQ(extended.spec(), QColor::ExtendedRgb);
    EXPECT_EQ(AnnotationColor::fromColor(extended), (AnnotationColor{0, 255, 128}));
}

TEST(AnnotationColorTest, ConvertsOtherColourModelsToRgb) {
    EXPECT_EQ(AnnotationColor::fromColor(QColor::fromHsv(120, 255, 255)), (AnnotationColor{0, 255, 0}));
    EXPECT_EQ(AnnotationColor::fromColor(QColor::fromCmyk(0, 0, 0, 255)), (AnnotationColor{0, 0, 0}));
}

TEST(AnnotationColorTest, PlatformColourIsOpaqueWithTheSameBytes) {
    const QColor color = AnnotationColor{45, 77, 81}.platformColor();
    EXPECT_EQ(color.alpha(), 255);
    EXPECT_EQ(AnnotationColor::fromColor(color), (AnnotationColor{45, 77, 81}));
}

}  // namespace
}  // namespace vlt

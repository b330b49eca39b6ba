#include "editing/annotations/annotation_color.h"

#include <gtest/gtest.h>

namespace vlt {
namespace {

// Components round to the nearest byte; extended components clamp; other colour
// models convert to RGB.
TEST(AnnotationColorTest, TakesTheNearestBytesOfAnyColour) {
    const QColor extended = QColor::fromRgbF(-0.02f, 1.03f, 0.5f);
    ASSERT_EQ(extended.spec(), QColor::ExtendedRgb);
    const std::pair<QColor, AnnotationColor> cases[] = {
        {QColor::fromRgbF(0.5f, 0.0f, 1.0f), {128, 0, 255}},
        {QColor(12, 200, 99), {12, 200, 99}},
        {extended, {0, 255, 128}},
        {QColor::fromHsv(120, 255, 255), {0, 255, 0}},
        {QColor::fromCmyk(0, 0, 0, 255), {0, 0, 0}},
    };
    for (const auto& [colour, expected] : cases) {
        EXPECT_EQ(AnnotationColor::fromColor(colour), expected) << colour.name().toStdString();
    }
    // And back: opaque, with the same bytes.
    const QColor color = AnnotationColor{45, 77, 81}.platformColor();
    EXPECT_EQ(color.alpha(), 255);
    EXPECT_EQ(AnnotationColor::fromColor(color), (AnnotationColor{45, 77, 81}));
}

}  // namespace
}  // namespace vlt

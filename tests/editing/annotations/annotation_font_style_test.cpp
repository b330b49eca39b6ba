#include "editing/annotations/annotation_font_style.h"

#include <gtest/gtest.h>

#include "editing/annotations/font_manager_weight.h"

namespace vlt {
namespace {

TEST(DefaultAnnotationFontSizeTest, IsFourPercentOfTheLongerSideWithinLimits) {
    EXPECT_EQ(defaultAnnotationFontSize(1000, 800), 40);
    EXPECT_EQ(defaultAnnotationFontSize(500, 300), 24);
    EXPECT_EQ(defaultAnnotationFontSize(1000, 2500), 100);
    EXPECT_EQ(defaultAnnotationFontSize(4096, 4096), 160);
    EXPECT_EQ(defaultAnnotationFontSize(1, 1), 24);
}

TEST(AnnotationFontStyleTest, DefaultStyleIsBoldArialOrItsMetricTwin) {
    const AnnotationFontStyle style = AnnotationFontStyle::defaultStyle(1000, 800);
    EXPECT_TRUE(style.family == "Arial" || style.family == "Liberation Sans") << style.family.toStdString();
    EXPECT_FLOAT_EQ(style.size, 40.0f);
    EXPECT_EQ(style.weight, kFontManagerBoldWeight);
    EXPECT_FALSE(style.italic);
}

TEST(FontManagerWeightTest, NamedWeightsRoundTrip) {
    EXPECT_EQ(fontManagerWeight(QFont::Normal), 5);
    EXPECT_EQ(fontManagerWeight(QFont::Bold), 9);
    for (int weight = kFontManagerMinimumWeight; weight <= kFontManagerMaximumWeight; ++weight) {
        const int roundTrip = fontManagerWeight(qtFontWeight(weight));
        EXPECT_EQ(fontManagerWeight(qtFontWeight(roundTrip)), roundTrip) << weight;
    }
    EXPECT_EQ(qtFontWeight(5), QFont::Normal);
    EXPECT_EQ(qtFontWeight(9), QFont::Bold);
    EXPECT_EQ(qtFontWeight(-3), qtFontWeight(0));
    EXPECT_EQ(qtFontWeight(40), qtFontWeight(15));
    EXPECT_EQ(fontManagerWeight(450), 5);
}

}  // namespace
}  // namespace vlt

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "ui/modal_palette.h"
#include "ui/settings_field_border.h"
#include "ui/settings_section_card.h"
#include "ui/settings_single_track_slider.h"
#include "ui/settings_text_field.h"

namespace vlt {
namespace {

bool near(const QColor& actual, const QColor& expected, double tolerance = 0.03) {
    return std::abs(actual.redF() - expected.redF()) <= tolerance &&
           std::abs(actual.greenF() - expected.greenF()) <= tolerance &&
           std::abs(actual.blueF() - expected.blueF()) <= tolerance;
}

QColor overWhite(QColor colour, double opacity) {
    const auto mix = [opacity](float channel) { return static_cast<float>(channel * opacity + (1.0 - opacity)); };
    return QColor::fromRgbF(mix(colour.redF()), mix(colour.greenF()), mix(colour.blueF()));
}

QImage renderOnWhite(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

SettingsSingleTrackSlider::Configuration range(double lower, double upper) {
    SettingsSingleTrackSlider::Configuration configuration;
    configuration.lower = lower;
    configuration.upper = upper;
    return configuration;
}

TEST(SettingsSingleTrackSliderTest, PressesMapOntoTheTrackBetweenTheKnobCentres) {
    SettingsSingleTrackSlider slider(range(0.0, 100.0));
    slider.resize(116, 20);
    EXPECT_EQ(slider.usableWidth(), 100.0);
    const std::pair<double, double> presses[] = {{8.0, 0.0},     {0.0, 0.0},     {58.0, 50.0}, {58.4, 50.0},
                                                 {108.0, 100.0}, {300.0, 100.0}, {33.5, 26.0}};
    for (const auto& [x, value] : presses) EXPECT_EQ(slider.valueAt(x), value) << x;

    const std::pair<double, double> fractions[] = {{-20.0, 0.0}, {25.0, 0.25}, {100.0, 1.0}, {180.0, 1.0}};
    for (const auto& [value, fraction] : fractions) {
        slider.setValue(value);
        EXPECT_EQ(slider.fraction(), fraction) << value;
    }

    SettingsSingleTrackSlider sizes(range(500.0, 4096.0));
    EXPECT_EQ(sizes.snapped(2298.5), 2299.0);
    EXPECT_EQ(sizes.snapped(499.0), 500.0);
    SettingsSingleTrackSlider empty(range(7.0, 7.0));
    EXPECT_EQ(empty.fraction(), 0.0);

    // Narrower than its knob: no track, so presses do nothing.
    SettingsSingleTrackSlider narrow(range(0.0, 100.0));
    narrow.resize(12, 20);
    QSignalSpy edits(&narrow, &SettingsSingleTrackSlider::valueEdited);
    QTest::mousePress(&narrow, Qt::LeftButton, {}, QPoint(6, 10));
    EXPECT_FALSE(narrow.valueAt(6.0).has_value());
    EXPECT_EQ(edits.count(), 0);
}

TEST(SettingsSingleTrackSliderTest, DrawsFillUpToTheKnobAndReportsEveryDragStep) {
    SettingsSingleTrackSlider slider(range(0.0, 100.0));
    slider.resize(116, 20);
    QSignalSpy edits(&slider, &SettingsSingleTrackSlider::valueEdited);
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(58, 10));
    QTest::mouseMove(&slider, QPoint(108, 10));
    ASSERT_EQ(edits.count(), 2);
    EXPECT_EQ(edits.at(0).at(0).toDouble(), 50.0);
    EXPECT_EQ(edits.at(1).at(0).toDouble(), 100.0);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(108, 10));

    slider.setValue(50.0);
    const QImage image = renderOnWhite(slider);
    EXPECT_TRUE(near(image.pixelColor(30, 10), ModalPalette::accent()));
    EXPECT_TRUE(near(image.pixelColor(90, 10), overWhite(ModalPalette::fieldBorder(), 0.55)));
    EXPECT_TRUE(near(image.pixelColor(58, 10), Qt::white));
    EXPECT_TRUE(near(image.pixelColor(30, 3), Qt::white));
}

// Tab brings the keyboard to the slider, which then shows its focus on the knob; the
// arrows move it by a step, the page keys by a tenth of the range, Home and End to the
// ends, each move reported once; at an end nothing more is reported.
TEST(SettingsSingleTrackSliderTest, TheKeyboardReachesAndMovesIt) {
    QWidget window;
    auto* column = new QVBoxLayout(&window);
    auto* before = new QLineEdit(&window);
    auto* slider = new SettingsSingleTrackSlider(range(0.0, 100.0), &window);
    column->addWidget(before);
    column->addWidget(slider);
    window.show();
    QApplication::setActiveWindow(&window);
    before->setFocus();
    slider->setValue(50.0);
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(slider->hasFocus());
    slider->resize(116, 20);
    const double knobLeft = 50.0 + 1.0;
    EXPECT_TRUE(near(renderOnWhite(*slider).pixelColor(static_cast<int>(knobLeft), 10), ModalPalette::accent()));

    QSignalSpy edits(slider, &SettingsSingleTrackSlider::valueEdited);
    const std::pair<Qt::Key, double> moves[] = {{Qt::Key_Right, 51.0},    {Qt::Key_Down, 50.0}, {Qt::Key_PageUp, 60.0},
                                                {Qt::Key_PageDown, 50.0}, {Qt::Key_End, 100.0}, {Qt::Key_Up, 100.0},
                                                {Qt::Key_Home, 0.0},      {Qt::Key_Left, 0.0}};
    for (const auto& [key, value] : moves) {
        QTest::keyClick(slider, key);
        EXPECT_EQ(slider->value(), value) << key;
    }
    EXPECT_EQ(edits.count(), 6);
    QTest::keyClick(slider, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(slider->value(), 0.0);
}

TEST(SettingsSingleTrackSliderTest, AssistiveTechnologiesSeeASliderWithValueRangeAndStep) {
    SettingsSingleTrackSlider::Configuration configuration = range(500.0, 4096.0);
    SettingsSingleTrackSlider slider(configuration);
    slider.setAccessibleName(QStringLiteral("Maximum image side"));
    slider.setValue(4096.0);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&slider);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Slider);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Maximum image side");
    QAccessibleValueInterface* value = accessible->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toDouble(), 4096.0);
    EXPECT_EQ(value->minimumValue().toDouble(), 500.0);
    EXPECT_EQ(value->maximumValue().toDouble(), 4096.0);
    EXPECT_EQ(value->minimumStepSize().toDouble(), 1.0);

    QSignalSpy edits(&slider, &SettingsSingleTrackSlider::valueEdited);
    value->setCurrentValue(1234.5);
    value->setCurrentValue(QStringLiteral("not a number"));
    ASSERT_EQ(edits.count(), 1);
    EXPECT_EQ(edits.at(0).at(0).toDouble(), 1235.0);
    EXPECT_EQ(slider.value(), 1235.0);
}

TEST(SettingsFieldBorderTest, AccentWhileFocusedAndFieldBorderOtherwise) {
    QWidget window;
    auto* column = new QVBoxLayout(&window);
    auto* first = new SettingsTextField(&window);
    auto* second = new SettingsTextField(&window);
    column->addWidget(first);
    column->addWidget(second);
    window.resize(240, 100);
    window.show();
    QApplication::setActiveWindow(&window);
    first->setFocus();
    ASSERT_TRUE(first->hasFocus());
    EXPECT_EQ(first->height(), SettingsTextField::minimumHeight);

    const QPoint leftEdge(0, first->height() / 2);
    EXPECT_TRUE(near(renderOnWhite(*first).pixelColor(leftEdge), ModalPalette::accent(), 0.05));
    EXPECT_TRUE(near(renderOnWhite(*second).pixelColor(leftEdge), ModalPalette::fieldBorder(), 0.12));
    second->setFocus();
    EXPECT_FALSE(first->border()->showsFocus());
    EXPECT_TRUE(near(renderOnWhite(*second).pixelColor(leftEdge), ModalPalette::accent(), 0.05));
}

TEST(SettingsSectionCardTest, WhiteCardWithOutlineBelowItsSpaceAndPadding) {
    SettingsSectionCard card;
    auto* content = new QWidget(&card);
    content->setFixedHeight(10);
    card.column()->addWidget(content);
    card.resize(200, card.sizeHint().height());
    card.show();
    EXPECT_EQ(content->geometry().topLeft(), QPoint(16, 8 + 16));
    EXPECT_EQ(card.height(), 8 + 16 + 10 + 16);

    QImage image(card.size(), QImage::Format_ARGB32);
    image.fill(Qt::red);
    card.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(image.pixelColor(100, 3), QColor(Qt::red));
    EXPECT_TRUE(near(image.pixelColor(100, 8), ModalPalette::cardBorder(), 0.05));
    EXPECT_TRUE(near(image.pixelColor(100, 20), Qt::white));
}

}  // namespace
}  // namespace vlt

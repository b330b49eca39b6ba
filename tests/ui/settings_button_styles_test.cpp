#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/modal_palette.h"
#include "ui/pc_modal_close_icon.h"
#include "ui/settings_primary_button_style.h"
#include "ui/settings_secondary_button_style.h"

namespace vlt {
namespace {

QImage renderOnWhite(QWidget& widget) {
    widget.resize(widget.sizeHint());
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

void expectColourNear(const QColor& actual, const QColor& expected, double tolerance = 0.02) {
    EXPECT_NEAR(actual.redF(), expected.redF(), tolerance);
    EXPECT_NEAR(actual.greenF(), expected.greenF(), tolerance);
    EXPECT_NEAR(actual.blueF(), expected.blueF(), tolerance);
}

QColor over(const QColor& colour, double opacity, const QColor& background = Qt::white) {
    auto mix = [&](double a, double b) { return static_cast<float>(a * opacity + b * (1.0 - opacity)); };
    return QColor::fromRgbF(mix(colour.redF(), background.redF()), mix(colour.greenF(), background.greenF()),
                            mix(colour.blueF(), background.blueF()));
}

TEST(SettingsPrimaryButtonStyleTest, ShortLabelsGetTheMinimumSizeAndLongOnesThePadding) {
    QPushButton shortButton(QStringLiteral("OK"));
    SettingsPrimaryButtonStyle::apply(shortButton);
    EXPECT_EQ(shortButton.sizeHint(), QSize(92, 36));

    QPushButton longButton(QStringLiteral("Reopen image picker and more"));
    SettingsPrimaryButtonStyle::apply(longButton);
    const int textWidth = longButton.fontMetrics().horizontalAdvance(longButton.text());
    EXPECT_EQ(longButton.sizeHint().width(), textWidth + 36);
    EXPECT_EQ(longButton.font().weight(), QFont::DemiBold);
}

TEST(SettingsPrimaryButtonStyleTest, FaceIsAccentAndMutedWhenDisabledBySurroundings) {
    QWidget container;
    auto* button = new QPushButton(QStringLiteral("Close"), &container);
    SettingsPrimaryButtonStyle::apply(*button);
    expectColourNear(renderOnWhite(*button).pixelColor(4, 18), ModalPalette::accent());

    button->setDown(true);
    expectColourNear(renderOnWhite(*button).pixelColor(4, 18), over(ModalPalette::accent(), 0.82));
    button->setDown(false);

    container.setEnabled(false);
    expectColourNear(renderOnWhite(*button).pixelColor(4, 18), over(ModalPalette::textMuted(), 0.5));
    button->setDown(true);
    expectColourNear(renderOnWhite(*button).pixelColor(4, 18), over(ModalPalette::textMuted(), 0.5));
}

TEST(SettingsSecondaryButtonStyleTest, WhiteFaceWithOutlineAndMinimumSize) {
    QPushButton button(QStringLiteral("Cancel"));
    SettingsSecondaryButtonStyle::apply(button);
    EXPECT_EQ(button.sizeHint(), QSize(84, 36));
    const QImage image = renderOnWhite(button);
    expectColourNear(image.pixelColor(6, 18), Qt::white);
    expectColourNear(image.pixelColor(0, 18), ModalPalette::cardBorder(), 0.05);
}

TEST(PCModalCloseIconTest, CrossIsDrawnInTheBodyColourOnItsDiagonals) {
    PCModalCloseIcon icon;
    QImage image(14, 14, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    icon.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    expectColourNear(image.pixelColor(7, 7), ModalPalette::textSecondary(), 0.08);
    EXPECT_EQ(image.pixelColor(7, 1).alpha(), 0);
    EXPECT_GT(image.pixelColor(2, 2).alpha(), 100);
    EXPECT_GT(image.pixelColor(11, 2).alpha(), 100);
}

}  // namespace
}  // namespace vlt

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "app/brand_header.h"
#include "app/import_target.h"
#include "app/startup_palette.h"
#include "app/startup_toolbar.h"
#include "app/startup_view.h"
#include "app_model_test_factory_support.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

class StartupPagePartsTest : public ::testing::Test {
protected:
    void SetUp() override {
        MotionPreference::shared().setReduceMotion(true);
        view.resize(1180, 820);
        view.show();
        QTest::qWait(5);
    }
    void TearDown() override { MotionPreference::shared().setReduceMotion(false); }

    QColor dashColourAtTopEdge() {
        ImportTarget& target = *view.importTarget();
        const QImage image = target.grab().toImage();
        // Somewhere along the top edge a dash is drawn; take the strongest one.
        QColor strongest = Qt::white;
        for (int x = 20; x < 60; ++x) {
            const QColor colour = image.pixelColor(x, 1);
            if (colour.lightness() < strongest.lightness()) strongest = colour;
        }
        return strongest;
    }

    ManualScheduler scheduler;
    std::unique_ptr<AppModel> model = makeTestAppModel(scheduler);
    StartupView view{*model, scheduler, MotionPreference::shared()};
};

TEST_F(StartupPagePartsTest, ToolbarIsAWhiteBandWithSettingsAtTheRight) {
    StartupToolbar* toolbar = view.toolbar();
    EXPECT_EQ(toolbar->geometry(), QRect(0, 0, 1180, 66));
    QAbstractButton* settings = toolbar->settingsButton();
    EXPECT_EQ(settings->height(), 42);
    EXPECT_EQ(settings->geometry().right(), 1180 - 12 - 1);
    EXPECT_EQ(settings->accessibleName(), "Settings");
    const QImage image = toolbar->grab().toImage();
    EXPECT_EQ(image.pixel(200, 20), QColor(Qt::white).rgb());
    EXPECT_EQ(image.pixel(200, 65), StartupPalette::hairline().rgb());
}

TEST_F(StartupPagePartsTest, SettingsOpensTheFirstSection) {
    view.toolbar()->settingsButton()->click();
    ASSERT_TRUE(model->activeSettingsSection().has_value());
    EXPECT_EQ(*model->activeSettingsSection(), SettingsSection::contactInformation);
}

TEST_F(StartupPagePartsTest, ClickingTheCardOpensTheOpenPanel) {
    int panelRequests = 0;
    model->onOpenImagePanelRequested = [&](std::function<void(std::optional<QUrl>)>) { ++panelRequests; };
    QTest::mouseClick(view.importTarget(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 200));
    EXPECT_EQ(panelRequests, 1);
    EXPECT_TRUE(model->isImagePickerPresented());
}

TEST_F(StartupPagePartsTest, CardIsAtLeast238HighAndItsBorderDarkensOnHover) {
    EXPECT_GE(view.importTarget()->height(), 238);
    const QColor resting = dashColourAtTopEdge();
    QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
    QCoreApplication::sendEvent(view.importTarget(), &enter);
    EXPECT_TRUE(view.importTarget()->isHovering());
    const QColor hovered = dashColourAtTopEdge();
    // The line is thinner than two pixels, so only its shade is compared.
    EXPECT_GT(resting.lightness() - hovered.lightness(), 20);
    EXPECT_LT(resting.lightness(), 240);
}

TEST_F(StartupPagePartsTest, BrandMarkSitsInAnEightyEightPointTile) {
    auto* header = view.findChild<BrandHeader*>();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->markFrame()->size(), QSize(88, 88));
    EXPECT_EQ(header->nameLabel()->text(), "Veltrano");
    const QImage tile = header->markFrame()->grab().toImage();
    // The logo fills the tile; its corners are cut round.
    EXPECT_LT(tile.pixelColor(44, 80).lightness(), 140);
    EXPECT_GT(tile.pixelColor(1, 1).lightness(), 200);
}

}  // namespace
}  // namespace vlt

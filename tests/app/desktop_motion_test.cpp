#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "app/app_content_view.h"
#include "model/app_model_test_access.h"
#include "model/model_test_support.h"
#include "platform/desktop/portal_animation_setting.h"
#include "shell_test_support.h"
#include "support/test_settings_portal.h"
#include "ui/modal_host.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

constexpr int kPatience = 10000;

// The screens move as the desktop says: with its animations off the crop screen and
// the loading card come at once; turned on while the application runs, they fade in.
TEST(DesktopMotionTest, ScreensFollowTheDesktopsAnimationSwitchWhileRunning) {
    const QString gnome = QStringLiteral("org.gnome.desktop.interface");
    const QString key = QStringLiteral("enable-animations");
    testing::TestSettingsPortal portal;
    ASSERT_TRUE(portal.isReady());
    portal.setValue(gnome, key, false);
    ASSERT_TRUE(portal.appear());
    PortalAnimationSetting setting(portal.connectClient());
    MotionPreference::shared().follow(setting);

    testing::ModelFixture models;
    AppContentView view(*models.model, models.scheduler, MotionPreference::shared());
    view.setCropScreenFactory([](AppModel&, const std::shared_ptr<CropDocument>&, QWidget* parent) {
        return new QLabel(QStringLiteral("crop"), parent);
    });
    view.resize(1180, 820);
    view.show();
    const auto openDocument = [&] {
        AppModelTestAccess::setDocument(*models.model, testing::makeCropDocument());
        return view.baseScreenWidget()->graphicsEffect() != nullptr;
    };
    const auto loadingCardFades = [&] {
        AppModelTestAccess::setImporting(*models.model, true);
        const auto* card = qobject_cast<ModalHost*>(view.overlay(AppOverlayLayer::replacementImageLoading));
        const bool fades = card != nullptr && card->veilOpacity() < 1.0;
        AppModelTestAccess::setImporting(*models.model, false);
        return fades;
    };

    EXPECT_FALSE(openDocument()) << "the crop screen rises";
    EXPECT_FALSE(loadingCardFades());

    portal.announce(gnome, key, true);
    ASSERT_TRUE(QTest::qWaitFor([] { return !MotionPreference::shared().reduceMotion(); }, kPatience));
    EXPECT_TRUE(openDocument());
    EXPECT_TRUE(loadingCardFades());

    portal.announce(gnome, key, false);
    ASSERT_TRUE(QTest::qWaitFor([] { return MotionPreference::shared().reduceMotion(); }, kPatience));
    EXPECT_FALSE(openDocument());
    MotionPreference::shared().setReduceMotion(false);
}

}  // namespace
}  // namespace vlt

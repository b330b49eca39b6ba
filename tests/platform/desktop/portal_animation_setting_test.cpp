#include "platform/desktop/portal_animation_setting.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "support/test_settings_portal.h"

namespace vlt {
namespace {

using testing::TestSettingsPortal;

constexpr int kPatience = 10000;
const QString kGnome = QStringLiteral("org.gnome.desktop.interface");
const QString kGnomeKey = QStringLiteral("enable-animations");
const QString kKde = QStringLiteral("org.kde.kdeglobals.KDE");
const QString kKdeKey = QStringLiteral("AnimationDurationFactor");

TEST(PortalAnimationSettingTest, GnomesSwitchIsReadAtStartAndFollowedWhileRunning) {
    TestSettingsPortal portal;
    ASSERT_TRUE(portal.isReady());
    portal.setValue(kGnome, kGnomeKey, false);
    portal.setValue(kGnome, QStringLiteral("font-name"), QStringLiteral("Cantarell 11"));
    ASSERT_TRUE(portal.appear());
    PortalAnimationSetting setting(portal.connectClient());
    EXPECT_FALSE(setting.animationsEnabled()) << "read before the first screen";
    QSignalSpy changes(&setting, &DesktopAnimationSetting::animationsEnabledChanged);

    portal.announce(kGnome, QStringLiteral("font-name"), QStringLiteral("Cantarell 12"));
    portal.announce(kGnome, kGnomeKey, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return setting.animationsEnabled(); }, kPatience));
    portal.announce(kGnome, kGnomeKey, false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !setting.animationsEnabled(); }, kPatience));
    EXPECT_EQ(changes.size(), 2);
}

// KDE has no switch: a speed factor of 0 means no animations.
TEST(PortalAnimationSettingTest, KdesAnimationFactorOfZeroMeansOff) {
    TestSettingsPortal portal;
    ASSERT_TRUE(portal.isReady());
    portal.setValue(kKde, kKdeKey, 0.0);
    ASSERT_TRUE(portal.appear());

    PortalAnimationSetting setting(portal.connectClient());
    EXPECT_FALSE(setting.animationsEnabled());
    portal.announce(kKde, kKdeKey, 0.5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return setting.animationsEnabled(); }, kPatience));
    // Written as text by some versions of the portal.
    portal.announce(kKde, kKdeKey, QStringLiteral("0"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !setting.animationsEnabled(); }, kPatience));
}

// Without a portal nothing is known, and screens move; one that starts later counts.
TEST(PortalAnimationSettingTest, WithoutAPortalAnimationsStayOnUntilOneAppears) {
    TestSettingsPortal portal;
    ASSERT_TRUE(portal.isReady());
    portal.setValue(kGnome, kGnomeKey, false);

    PortalAnimationSetting setting(portal.connectClient());
    EXPECT_TRUE(setting.animationsEnabled());
    EXPECT_EQ(portal.readCount(), 0);

    ASSERT_TRUE(portal.appear());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !setting.animationsEnabled(); }, kPatience));
    portal.announce(kGnome, kGnomeKey, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return setting.animationsEnabled(); }, kPatience));

    PortalAnimationSetting withoutBus{QDBusConnection(QStringLiteral("no bus"))};
    EXPECT_TRUE(withoutBus.animationsEnabled());
}

// A portal still busy starting up keeps start-up waiting only briefly; its answer
// counts when it comes.
TEST(PortalAnimationSettingTest, APortalThatAnswersLateStillCounts) {
    TestSettingsPortal portal;
    ASSERT_TRUE(portal.isReady());
    portal.setValue(kGnome, kGnomeKey, false);
    ASSERT_TRUE(portal.appear());
    portal.holdReplies();

    PortalAnimationSetting setting(portal.connectClient(), 50);
    EXPECT_TRUE(setting.animationsEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.readCount() == 2; }, kPatience));
    portal.releaseHeldReplies();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !setting.animationsEnabled(); }, kPatience));
}

}  // namespace
}  // namespace vlt

#include <map>
#include <string>

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "app/shell_test_support.h"
#include "foundation/localized_string.h"
#include "model/model_test_support.h"
#include "screens/interface_language_under_test.h"
#include "screens/start/shortcut_item.h"
#include "screens/start/shortcut_reference.h"
#include "screens/start/startup_view.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

// The zoom chip names keys, which read the same in every language; its caption and the
// other two chips follow the language.
TEST(StartPageInEveryLanguageTest, TheZoomChipReadsTheSameWhileTheOtherShortcutsFollowTheLanguage) {
    testing::installInterfaceLanguageUnderTest();
    testing::ReducedMotion reducedMotion;
    testing::ModelFixture models;
    StartupView view(*models.model, models.scheduler, MotionPreference::shared());
    view.resize(1180, 820);
    view.show();
    QTest::qWait(5);

    std::map<std::string, std::string> chipByCaption;
    for (const ShortcutItem* item : view.shortcutReference()->findChildren<ShortcutItem*>()) {
        chipByCaption[item->captionLabel()->text().toStdString()] = item->chipLabel()->text().toStdString();
    }
    const auto shown = [&](const char* caption) { return chipByCaption[localizedString(caption).toStdString()]; };
    ASSERT_EQ(chipByCaption.size(), 3u);
    EXPECT_EQ(shown("ZOOM IMAGE"), "Ctrl + mouse wheel");
    EXPECT_EQ(shown("BRUSH SIZE"), localizedString("Alt + 2-finger scroll\nor mouse wheel").toStdString());
    EXPECT_EQ(shown("PAN IMAGE"), localizedString("Middle mouse button + drag\nor Spacebar + drag").toStdString());
    if (testing::interfaceLanguageUnderTest() != AppLanguage::english) {
        EXPECT_NE(localizedString("ZOOM IMAGE"), QStringLiteral("ZOOM IMAGE")) << "the language is installed";
    }
}

}  // namespace
}  // namespace vlt

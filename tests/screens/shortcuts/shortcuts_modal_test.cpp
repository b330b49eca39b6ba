#include "screens/shortcuts/shortcuts_modal.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>

#include "model/model_test_support.h"
#include "screens/shortcuts/shortcut_reference_group.h"
#include "ui/modal_close_button.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

class ShortcutsModalTest : public ::testing::Test {
protected:
    void SetUp() override {
        motion.setReduceMotion(false);
        window.resize(1180, 820);
        window.show();
        model->presentShortcuts();
    }

    ShortcutsModal* open() {
        auto* modal = new ShortcutsModal(*model, &window, scheduler, motion);
        modal->present();
        return modal;
    }

    MotionPreference& motion = MotionPreference::shared();
    testing::ModelFixture models;
    ManualScheduler& scheduler = models.scheduler;
    std::unique_ptr<AppModel>& model = models.model;
    QWidget window;
};

// Closing once and the pause are the modal host's; the dialog adds its focus, its
// footer and the model's flag.
TEST_F(ShortcutsModalTest, EscapeClosesAndClearsTheFlagAfterThePause) {
    ShortcutsModal* modal = open();
    EXPECT_EQ(window.focusWidget(), modal->headerCloseButton());
    QTest::keyClick(modal->headerCloseButton(), Qt::Key_Escape);
    EXPECT_FALSE(modal->footerCloseButton()->isEnabled());
    EXPECT_TRUE(model->shortcutsState().isShortcutsPresented);
    scheduler.advance(0.083);
    EXPECT_FALSE(model->shortcutsState().isShortcutsPresented);
}

TEST_F(ShortcutsModalTest, ListsEveryGroupWithOneRuleFewerThanRows) {
    ShortcutsModal* modal = open();
    const QList<QWidget*> groups =
        modal->groupList()->widget()->findChildren<QWidget*>(QStringLiteral("shortcutGroup"));
    ASSERT_EQ(groups.size(), qsizetype(ShortcutReferenceGroup::all().size()));
    for (int i = 0; i < groups.size(); ++i) {
        const ShortcutReferenceGroup& group = ShortcutReferenceGroup::all()[static_cast<std::size_t>(i)];
        EXPECT_EQ(groups[i]->findChild<QLabel*>(QStringLiteral("shortcutGroupTitle"))->text(), group.title);
        EXPECT_EQ(groups[i]->findChildren<QWidget*>(QStringLiteral("shortcutRow")).size(),
                  static_cast<qsizetype>(group.entries.size()));
        EXPECT_EQ(groups[i]->findChildren<QWidget*>(QStringLiteral("shortcutRowRule")).size(),
                  static_cast<qsizetype>(group.entries.size()) - 1);
    }
}

}  // namespace
}  // namespace vlt

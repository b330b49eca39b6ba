#include "editor_screen/editor_toolbar.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "editor_screen/editor_history_button.h"
#include "editor_screen/editor_image_button.h"
#include "editor_screen/editor_label_button.h"
#include "editor_screen/editor_output_button_surface.h"
#include "editor_screen/editor_text_button.h"
#include "editor_screen_test_support.h"

namespace vlt {
namespace {

class EditorToolbarTest : public ::testing::Test {
protected:
    EditorToolbarTest() : toolbar(*fixture.model, *fixture.session) {}

    void allowEverything() {
        fixture.session->setCanUndo(true);
        fixture.session->setCanRedo(true);
        fixture.session->setCanReset(true);
    }

    bool historyEnabled() const {
        return toolbar.undoButton()->isEnabled() || toolbar.redoButton()->isEnabled() ||
               toolbar.resetButton()->isEnabled();
    }

    testing::EditorScreenFixture fixture;
    EditorToolbar toolbar;
};

TEST_F(EditorToolbarTest, HistoryButtonsFollowTheHistory) {
    EXPECT_FALSE(toolbar.undoButton()->isEnabled());
    EXPECT_FALSE(toolbar.redoButton()->isEnabled());
    EXPECT_FALSE(toolbar.resetButton()->isEnabled());

    fixture.session->setCanUndo(true);
    EXPECT_TRUE(toolbar.undoButton()->isEnabled());
    EXPECT_FALSE(toolbar.redoButton()->isEnabled());
    fixture.session->setCanReset(true);
    EXPECT_TRUE(toolbar.resetButton()->isEnabled());
}

TEST_F(EditorToolbarTest, TheAnimateTabDisablesTheHistoryUntilItIsLeft) {
    allowEverything();
    fixture.session->setSelectedTab(EditorTab::animate);
    EXPECT_FALSE(historyEnabled());
    fixture.session->setSelectedTab(EditorTab::simulation);
    EXPECT_TRUE(toolbar.undoButton()->isEnabled());
    EXPECT_TRUE(toolbar.redoButton()->isEnabled());
    EXPECT_TRUE(toolbar.resetButton()->isEnabled());
}

TEST_F(EditorToolbarTest, AVideoSaveLocksTheWholeBar) {
    allowEverything();
    fixture.model->setIsAnimationVideoSaving(true);
    EXPECT_FALSE(historyEnabled());
    EXPECT_FALSE(toolbar.openAnotherImageButton()->isEnabled());
    EXPECT_FALSE(toolbar.outputButton()->isEnabled());
    EXPECT_FALSE(toolbar.settingsButton()->isEnabled());

    fixture.model->setIsAnimationVideoSaving(false);
    EXPECT_TRUE(historyEnabled());
    EXPECT_TRUE(toolbar.outputButton()->isEnabled());
}

TEST_F(EditorToolbarTest, TheInteractionLockLeavesTheHistoryAlone) {
    allowEverything();
    fixture.model->setIsShortcutsPresented(true);
    ASSERT_TRUE(fixture.model->isInteractionLocked());
    EXPECT_FALSE(toolbar.openAnotherImageButton()->isEnabled());
    EXPECT_FALSE(toolbar.outputButton()->isEnabled());
    EXPECT_FALSE(toolbar.settingsButton()->isEnabled());
    EXPECT_FALSE(toolbar.saveImagesAction()->isEnabled());
    EXPECT_TRUE(toolbar.undoButton()->isEnabled());
    EXPECT_TRUE(toolbar.resetButton()->isEnabled());
}

TEST_F(EditorToolbarTest, AnImportDisablesOnlyOpenAnotherImage) {
    allowEverything();
    fixture.model->setIsImporting(true);
    EXPECT_FALSE(toolbar.openAnotherImageButton()->isEnabled());
    EXPECT_TRUE(toolbar.undoButton()->isEnabled());
    fixture.model->setIsImporting(false);
    EXPECT_TRUE(toolbar.openAnotherImageButton()->isEnabled());
}

TEST_F(EditorToolbarTest, APendingTextEntryDisablesTheOutputsButNotTheMenu) {
    fixture.session->setTextEntryRequest(AnnotationTextRequest{QUuid::createUuid(), AnnotationTextRequest::Add{}, {}});
    EXPECT_TRUE(toolbar.outputButton()->isEnabled());
    for (QAction* action : {toolbar.saveImagesAction(), toolbar.saveVideoAction(), toolbar.shareAction(),
                            toolbar.printAction()}) {
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    }
    fixture.session->setTextEntryRequest(std::nullopt);
    EXPECT_TRUE(toolbar.saveImagesAction()->isEnabled());
}

TEST_F(EditorToolbarTest, AnActiveShareServiceDisablesOnlyShare) {
    fixture.model->setIsNativeShareServiceActive(true);
    EXPECT_FALSE(toolbar.shareAction()->isEnabled());
    EXPECT_TRUE(toolbar.saveImagesAction()->isEnabled());
    EXPECT_TRUE(toolbar.saveVideoAction()->isEnabled());
    EXPECT_TRUE(toolbar.printAction()->isEnabled());
}

TEST_F(EditorToolbarTest, TheOutputMenuListsItsFourItemsInOrder) {
    QStringList titles;
    for (QAction* action : toolbar.outputMenu()->actions()) {
        titles << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Save images…"), QStringLiteral("Save video…"), QStringLiteral("-"),
                                   QStringLiteral("Share…"), QStringLiteral("Print…")}));
    EXPECT_EQ(toolbar.shareAction()->toolTip(), QStringLiteral("Open the system share menu"));
    EXPECT_EQ(toolbar.printAction()->toolTip(), QStringLiteral("Use the system print workflow"));
}

TEST_F(EditorToolbarTest, HistoryButtonsRunTheCanvasCommandsWhenInstalled) {
    allowEverything();
    toolbar.undoButton()->click();  // nothing installed yet: nothing happens
    int undos = 0;
    int resets = 0;
    fixture.session->undoEditor = [&] { ++undos; };
    fixture.session->resetEditor = [&] { ++resets; };
    toolbar.undoButton()->click();
    toolbar.resetButton()->click();
    EXPECT_EQ(undos, 1);
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(toolbar.undoButton()->toolTip(), QStringLiteral("Undo the last action (Ctrl+Z)"));
    EXPECT_EQ(toolbar.redoButton()->toolTip(), QStringLiteral("Redo the last undone action (Ctrl+Shift+Z)"));
}

TEST_F(EditorToolbarTest, CommandsReachTheModel) {
    int panelRequests = 0;
    fixture.model->onOpenImagePanelRequested = [&](auto) { ++panelRequests; };
    toolbar.openAnotherImageButton()->click();
    EXPECT_EQ(panelRequests, 1);
    toolbar.settingsButton()->click();
    EXPECT_EQ(fixture.model->activeSettingsSection(), SettingsSection::contactInformation);
}

TEST_F(EditorToolbarTest, HasTheFixedGeometryOfTheBar) {
    toolbar.resize(1180, EditorToolbar::kHeight);
    toolbar.show();
    EXPECT_EQ(toolbar.height(), 66);
    EXPECT_EQ(toolbar.outputButton()->size(), QSize(150, 42));
    EXPECT_EQ(toolbar.undoButton()->size(), QSize(30, 30));
    EXPECT_EQ(toolbar.resetButton()->height(), 30);
    EXPECT_EQ(toolbar.settingsButton()->geometry().right(), 1180 - 14 - 1);
    EXPECT_GE(toolbar.openAnotherImageButton()->height(), 40);
}

}  // namespace
}  // namespace vlt

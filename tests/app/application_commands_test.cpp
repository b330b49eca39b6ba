#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/application_commands.h"
#include "model/model_test_support.h"
#include "model/app_model_test_access.h"

namespace vlt {
namespace {

class ApplicationCommandsTest : public ::testing::Test {
protected:
    ApplicationCommandsTest() {
        ApplicationCommands::Actions actions;
        actions.quit = [this] { ++quits; };
        actions.showAbout = [this] { ++aboutPanels; };
        actions.openDocumentation = [this] { ++documentationPages; };
        actions.openSupportPage = [this] { ++supportPages; };
        commands = std::make_unique<ApplicationCommands>(model(), *window.menuBar(), std::move(actions));
    }

    AppModel& model() { return *models.model; }
    bool enabled(MenuCommand command) { return commands->action(command)->isEnabled(); }
    void trigger(MenuCommand command) { commands->action(command)->trigger(); }

    testing::ModelFixture models;
    QMainWindow window;
    std::unique_ptr<ApplicationCommands> commands;
    int quits = 0;
    int aboutPanels = 0;
    int documentationPages = 0;
    int supportPages = 0;
};

// Help holds one About item, the application's own.
TEST_F(ApplicationCommandsTest, HelpHoldsOneAboutItem) {
    EXPECT_TRUE(commands->menu(4)->actions().contains(commands->action(MenuCommand::aboutVeltrano)));
    EXPECT_EQ(commands->action(MenuCommand::about), nullptr);
    int aboutItems = 0;
    for (const QAction* item : commands->menu(4)->actions())
        aboutItems += item->text().startsWith(QStringLiteral("About"));
    EXPECT_EQ(aboutItems, 1);
}

// The rules are the availability table's; here the items follow the model and the
// session as they change.
TEST_F(ApplicationCommandsTest, EnabledStatesFollowTheModelAsItChanges) {
    EXPECT_FALSE(enabled(MenuCommand::saveImages));
    auto session = models.openEditor();
    EXPECT_TRUE(enabled(MenuCommand::saveImages));
    EXPECT_FALSE(enabled(MenuCommand::undo));
    session->setCanUndo(true);
    EXPECT_TRUE(enabled(MenuCommand::undo));
    session->setSelectedTab(EditorTab::animate);
    EXPECT_FALSE(enabled(MenuCommand::fit));
    model().presentShortcuts();
    EXPECT_FALSE(enabled(MenuCommand::nextEditorTab));
}

// A replacement import locks the editor without a dialog: Save images… stays offered
// (the request itself then does nothing) while the other outputs are not.
TEST_F(ApplicationCommandsTest, WhileAnImportReplacesTheEditorsImageSaveImagesStaysOffered) {
    testing::ManualBackgroundRunner background;
    model().runInBackground = background.runner();
    AppModelTestAccess::setDocument(model(), testing::makeCropDocument());
    models.openEditor();
    model().importImage(QUrl::fromLocalFile(QStringLiteral("/nonexistent/next.jpg")), ImageImportOrigin::openPanel);
    ASSERT_TRUE(model().isInteractionLocked());
    ASSERT_FALSE(model().isPresentingModal());

    EXPECT_TRUE(enabled(MenuCommand::saveImages));
    for (const MenuCommand command : {MenuCommand::saveVideo, MenuCommand::share, MenuCommand::print}) {
        EXPECT_FALSE(enabled(command)) << static_cast<int>(command);
    }
    trigger(MenuCommand::saveImages);
    EXPECT_FALSE(model().stillImageSaveState().isSaveImagesPresented);
}

TEST_F(ApplicationCommandsTest, ItemsCallTheirOneOperation) {
    auto session = models.openEditor();
    for (const MenuCommand toggle :
         {MenuCommand::toggleInspector, MenuCommand::toggleToolbar, MenuCommand::toggleComparisonLabels}) {
        trigger(toggle);
    }
    EXPECT_FALSE(session->isInspectorExpanded() || session->isToolRailExpanded() || session->showsComparisonLabels());

    trigger(MenuCommand::settingsLanguage);
    EXPECT_EQ(model().settingsState().activeSettingsSection, SettingsSection::language);
    model().closeSettings();
    trigger(MenuCommand::settings);
    EXPECT_EQ(model().settingsState().activeSettingsSection, SettingsSection::contactInformation);
    model().closeSettings();

    trigger(MenuCommand::shortcuts);
    EXPECT_TRUE(model().shortcutsState().isShortcutsPresented);

    trigger(MenuCommand::quit);
    trigger(MenuCommand::aboutVeltrano);
    trigger(MenuCommand::support);
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(aboutPanels, 1);
    EXPECT_EQ(supportPages, 1);
}

TEST_F(ApplicationCommandsTest, ZoomCommandsStayWithinFitAndSixteen) {
    auto session = models.openEditor();
    session->setZoom(16.0);
    trigger(MenuCommand::zoomIn);
    EXPECT_DOUBLE_EQ(session->zoomFactor(), 16.0);

    session->setZoom(1.4);
    session->setCenter(QPointF(0.2, 0.7));
    trigger(MenuCommand::zoomOut);
    EXPECT_DOUBLE_EQ(session->zoomFactor(), 1.0);
    EXPECT_EQ(session->center(), QPointF(0.5, 0.5));

    session->setFitScale(2.0);
    trigger(MenuCommand::actualSize);
    EXPECT_DOUBLE_EQ(session->zoomFactor(), 1.0);
    session->setFitScale(0.25);
    trigger(MenuCommand::actualSize);
    EXPECT_DOUBLE_EQ(session->zoomFactor(), 4.0);
}

TEST_F(ApplicationCommandsTest, UndoGoesToTheHistoryOrToTheTextBeingTyped) {
    auto session = models.openEditor();
    int historyUndos = 0;
    session->undoEditor = [&historyUndos] { ++historyUndos; };
    session->setCanUndo(true);
    trigger(MenuCommand::undo);
    EXPECT_EQ(historyUndos, 1);

    auto* field = new QLineEdit(&window);
    window.setCentralWidget(field);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    field->insert(QStringLiteral("Left cheek"));
    session->setTextEntryRequest(
        AnnotationTextRequest{QUuid::createUuid(), AnnotationTextRequest::Edit{QUuid::createUuid()}, QString()});
    ASSERT_TRUE(enabled(MenuCommand::undo));
    trigger(MenuCommand::undo);

    EXPECT_EQ(historyUndos, 1);
    EXPECT_TRUE(field->text().isEmpty());
}

}  // namespace
}  // namespace vlt

#include "screens/editor/editor_toolbar.h"

#include <gtest/gtest.h>

#include "screens/editor/editor_history_button.h"
#include "screens/editor/editor_image_button.h"
#include "screens/editor/editor_label_button.h"
#include "screens/editor/editor_output_button_surface.h"
#include "screens/editor/editor_text_button.h"
#include "editor_screen_test_support.h"
#include "model/app_model_test_access.h"

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

    testing::EditorScreenFixture fixture;
    EditorToolbar toolbar;
};

// Each history button follows its own flag and runs the canvas's command once it is
// installed.
TEST_F(EditorToolbarTest, HistoryButtonsFollowTheHistoryAndRunTheCanvasCommands) {
    EXPECT_FALSE(toolbar.undoButton()->isEnabled() || toolbar.redoButton()->isEnabled() ||
                 toolbar.resetButton()->isEnabled());
    fixture.session->setCanUndo(true);
    EXPECT_TRUE(toolbar.undoButton()->isEnabled());
    EXPECT_FALSE(toolbar.redoButton()->isEnabled() || toolbar.resetButton()->isEnabled());
    fixture.session->setCanReset(true);
    EXPECT_TRUE(toolbar.resetButton()->isEnabled());

    toolbar.undoButton()->click();  // nothing installed yet: nothing happens
    int undos = 0;
    int resets = 0;
    fixture.session->undoEditor = [&] { ++undos; };
    fixture.session->resetEditor = [&] { ++resets; };
    toolbar.undoButton()->click();
    toolbar.resetButton()->click();
    EXPECT_EQ(undos, 1);
    EXPECT_EQ(resets, 1);
}

// What is enabled: the history buttons, "Open another image", the Output menu, Settings,
// and the four output items.
struct Enabled {
    bool history, open, output, settings, saveImages, saveVideo, share, print;
    friend bool operator==(const Enabled&, const Enabled&) = default;
};

// With a history that can undo, redo and reset: what each state of the session and
// the model leaves enabled.
TEST_F(EditorToolbarTest, EveryControlFollowsItsOwnRule) {
    struct Case {
        const char* name;
        std::function<void(bool)> apply;
        Enabled enabled;
    };
    AppModel& model = *fixture.model;
    EditorSession& session = *fixture.session;
    const AnnotationTextRequest request{QUuid::createUuid(), AnnotationTextRequest::Add{}, {}};
    const Case cases[] = {
        {"nothing running", [](bool) {}, {true, true, true, true, true, true, true, true}},
        {"Animate tab",
         [&](bool on) { session.setSelectedTab(on ? EditorTab::animate : EditorTab::simulation); },
         {false, true, true, true, true, true, true, true}},
        {"video saving",
         [&](bool on) {
             AppModelTestAccess::changeAnimationVideoSaveState(
                 model, [on](AnimationVideoSaveState& state) { state.isSaving = on; });
         },
         {false, false, false, false, false, false, false, false}},
        {"dialog up",
         [&](bool on) { on ? model.presentShortcuts() : model.closeShortcuts(); },
         {true, false, false, false, false, false, false, false}},
        {"importing",
         [&](bool on) { AppModelTestAccess::setImporting(model, on); },
         {true, false, true, true, true, true, true, true}},
        {"text entry pending",
         [&](bool on) { session.setTextEntryRequest(on ? std::optional(request) : std::nullopt); },
         {true, true, true, true, false, false, false, false}},
        {"share menu open",
         [&](bool on) {
             AppModelTestAccess::changeShareState(model,
                                                  [on](ShareState& state) { state.isNativeShareServiceActive = on; });
         },
         {true, true, true, true, true, true, false, true}},
    };
    allowEverything();
    for (const Case& example : cases) {
        SCOPED_TRACE(example.name);
        example.apply(true);
        const bool history = toolbar.undoButton()->isEnabled();
        EXPECT_EQ(toolbar.redoButton()->isEnabled(), history);
        EXPECT_EQ(toolbar.resetButton()->isEnabled(), history);
        const Enabled actual{history,
                             toolbar.openAnotherImageButton()->isEnabled(),
                             toolbar.outputButton()->isEnabled(),
                             toolbar.settingsButton()->isEnabled(),
                             toolbar.saveImagesAction()->isEnabled(),
                             toolbar.saveVideoAction()->isEnabled(),
                             toolbar.shareAction()->isEnabled(),
                             toolbar.printAction()->isEnabled()};
        EXPECT_EQ(actual, example.enabled);
        example.apply(false);
    }
}

TEST_F(EditorToolbarTest, CommandsReachTheModel) {
    int panelRequests = 0;
    fixture.model->onOpenImagePanelRequested = [&](auto) { ++panelRequests; };
    toolbar.openAnotherImageButton()->click();
    fixture.scheduler.runDue();
    EXPECT_EQ(panelRequests, 1);
    toolbar.settingsButton()->click();
    EXPECT_EQ(fixture.model->settingsState().activeSettingsSection, SettingsSection::contactInformation);
}

}  // namespace
}  // namespace vlt

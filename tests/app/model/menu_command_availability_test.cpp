#include <gtest/gtest.h>

#include <set>

#include "app/model/menu_command_availability.h"
#include "app/model/zoom_command_targets.h"

namespace vlt {
namespace {

std::set<MenuCommand> enabledCommands(const MenuCommandAvailability& availability) {
    std::set<MenuCommand> enabled;
    for (MenuCommand command : kAllMenuCommands) {
        if (availability.isEnabled(command)) enabled.insert(command);
    }
    return enabled;
}

MenuCommandAvailability editor() {
    MenuCommandAvailability availability;
    availability.hasEditorSession = true;
    return availability;
}

const std::set<MenuCommand> kWithoutEditor = {
    MenuCommand::openImage,
    MenuCommand::quit,
    MenuCommand::settings,
    MenuCommand::settingsContactInformation,
    MenuCommand::settingsComparisonLabels,
    MenuCommand::settingsLanguage,
    MenuCommand::settingsPerformance,
    MenuCommand::shortcuts,
    MenuCommand::documentation,
    MenuCommand::support,
    MenuCommand::sendFeedback,
    MenuCommand::about,
    MenuCommand::aboutVeltrano,
};

TEST(MenuCommandAvailabilityTest, StartPageAndCropScreenOfferOnlyGeneralCommands) {
    EXPECT_EQ(enabledCommands(MenuCommandAvailability{}), kWithoutEditor);
}

TEST(MenuCommandAvailabilityTest, TheEditorOffersEverythingButAnEmptyHistory) {
    std::set<MenuCommand> expected(kAllMenuCommands.begin(), kAllMenuCommands.end());
    expected.erase(MenuCommand::undo);
    expected.erase(MenuCommand::redo);
    EXPECT_EQ(enabledCommands(editor()), expected);

    MenuCommandAvailability withHistory = editor();
    withHistory.canUndo = true;
    EXPECT_TRUE(withHistory.isEnabled(MenuCommand::undo));
    EXPECT_FALSE(withHistory.isEnabled(MenuCommand::redo));
}

TEST(MenuCommandAvailabilityTest, TypingATextLeavesUndoRedoOpenImageSupportAndAbout) {
    MenuCommandAvailability typing = editor();
    typing.isTextEntryOpen = true;
    const std::set<MenuCommand> expected = {MenuCommand::undo,    MenuCommand::redo,  MenuCommand::openImage,
                                            MenuCommand::support, MenuCommand::about, MenuCommand::aboutVeltrano,
                                            MenuCommand::quit};
    EXPECT_EQ(enabledCommands(typing), expected);
}

TEST(MenuCommandAvailabilityTest, TheAnimateTabHasNoViewportOrHistoryCommands) {
    MenuCommandAvailability animate = editor();
    animate.isAnimateTabSelected = true;
    animate.canUndo = true;
    animate.canRedo = true;
    for (MenuCommand command : {MenuCommand::undo, MenuCommand::redo, MenuCommand::fit, MenuCommand::actualSize,
                                MenuCommand::zoomIn, MenuCommand::zoomOut, MenuCommand::toggleComparisonLabels,
                                MenuCommand::toggleInspector, MenuCommand::toggleToolbar}) {
        EXPECT_FALSE(animate.isEnabled(command)) << static_cast<int>(command);
    }
    for (MenuCommand command : {MenuCommand::previousEditorTab, MenuCommand::nextEditorTab, MenuCommand::saveImages,
                                MenuCommand::saveVideo, MenuCommand::share, MenuCommand::print}) {
        EXPECT_TRUE(animate.isEnabled(command)) << static_cast<int>(command);
    }
}

TEST(MenuCommandAvailabilityTest, SaveImagesFollowsTheLockDuringAReplacementImport) {
    MenuCommandAvailability replacing = editor();
    replacing.isImporting = true;
    replacing.isInteractionLocked = true;
    for (MenuCommand command : {MenuCommand::saveImages, MenuCommand::saveVideo, MenuCommand::share,
                                MenuCommand::print, MenuCommand::openImage}) {
        EXPECT_FALSE(replacing.isEnabled(command)) << static_cast<int>(command);
    }
}

TEST(MenuCommandAvailabilityTest, AnActiveShareServiceBlocksOnlyTheVideo) {
    MenuCommandAvailability sharing = editor();
    sharing.isNativeShareServiceActive = true;
    EXPECT_FALSE(sharing.isEnabled(MenuCommand::saveVideo));
    EXPECT_TRUE(sharing.isEnabled(MenuCommand::share));
    EXPECT_TRUE(sharing.isEnabled(MenuCommand::saveImages));
}

TEST(MenuCommandAvailabilityTest, ADialogLeavesOnlyQuitSupportAndAbout) {
    MenuCommandAvailability dialog = editor();
    dialog.isPresentingModal = true;
    dialog.isInteractionLocked = true;
    dialog.canUndo = true;
    const std::set<MenuCommand> expected = {MenuCommand::quit, MenuCommand::support, MenuCommand::about,
                                            MenuCommand::aboutVeltrano};
    EXPECT_EQ(enabledCommands(dialog), expected);
}

TEST(MenuCommandAvailabilityTest, AVideoExportBlocksHistoryAndSaving) {
    MenuCommandAvailability exporting = editor();
    exporting.isAnimationVideoSaving = true;
    exporting.isPresentingModal = true;
    exporting.isInteractionLocked = true;
    exporting.canUndo = true;
    EXPECT_FALSE(exporting.isEnabled(MenuCommand::undo));
    EXPECT_FALSE(exporting.isEnabled(MenuCommand::saveImages));
}

TEST(ZoomCommandTargetsTest, StepsStayWithinFitAndSixteen) {
    EXPECT_DOUBLE_EQ(ZoomCommandTargets::zoomIn(16.0), 16.0);
    EXPECT_DOUBLE_EQ(ZoomCommandTargets::zoomIn(2.0), 2.0 * ZoomCommandTargets::kZoomStep);
    EXPECT_TRUE(ZoomCommandTargets::returnsToFit(ZoomCommandTargets::zoomOut(ZoomCommandTargets::kZoomStep)));
    EXPECT_TRUE(ZoomCommandTargets::returnsToFit(ZoomCommandTargets::zoomOut(1.2)));
    EXPECT_FALSE(ZoomCommandTargets::returnsToFit(ZoomCommandTargets::zoomOut(2.0)));
}

TEST(ZoomCommandTargetsTest, ActualSizeShowsOneCanvasPixelPerPoint) {
    EXPECT_DOUBLE_EQ(ZoomCommandTargets::actualSize(0.25), 4.0);
    EXPECT_DOUBLE_EQ(ZoomCommandTargets::actualSize(2.0), 1.0);
    EXPECT_DOUBLE_EQ(ZoomCommandTargets::actualSize(0.01), 16.0);
    EXPECT_DOUBLE_EQ(ZoomCommandTargets::actualSize(0.0), 16.0);
}

}  // namespace
}  // namespace vlt

#include <gtest/gtest.h>

#include <set>

#include "model/menu_command_availability.h"

namespace vlt {
namespace {

using Commands = std::set<MenuCommand>;

Commands enabledCommands(const MenuCommandAvailability& availability) {
    Commands enabled;
    for (MenuCommand command : kAllMenuCommands) {
        if (availability.isEnabled(command)) enabled.insert(command);
    }
    return enabled;
}

Commands allBut(const Commands& excluded) {
    Commands commands(kAllMenuCommands.begin(), kAllMenuCommands.end());
    for (MenuCommand command : excluded) commands.erase(command);
    return commands;
}

const Commands kAlwaysOn = {MenuCommand::quit, MenuCommand::support, MenuCommand::about, MenuCommand::aboutVeltrano};
const Commands kViewport = {MenuCommand::fit,
                            MenuCommand::actualSize,
                            MenuCommand::zoomIn,
                            MenuCommand::zoomOut,
                            MenuCommand::toggleComparisonLabels,
                            MenuCommand::toggleInspector,
                            MenuCommand::toggleToolbar};

Commands withoutEditor() {
    Commands commands = allBut(kViewport);
    for (MenuCommand command :
         {MenuCommand::saveImages, MenuCommand::saveVideo, MenuCommand::share, MenuCommand::print, MenuCommand::undo,
          MenuCommand::redo, MenuCommand::previousEditorTab, MenuCommand::nextEditorTab}) {
        commands.erase(command);
    }
    return commands;
}

Commands joined(Commands commands, const Commands& more) {
    commands.insert(more.begin(), more.end());
    return commands;
}

TEST(MenuCommandAvailabilityTest, EnabledCommandsPerSituation) {
    struct Case {
        const char* name;
        MenuCommandAvailability availability;
        Commands enabled;
    };
    const Case cases[] = {
        {"start page or crop screen", {}, withoutEditor()},
        {"editor, empty history", {.hasEditorSession = true}, allBut({MenuCommand::undo, MenuCommand::redo})},
        {"editor, undo possible", {.hasEditorSession = true, .canUndo = true}, allBut({MenuCommand::redo})},
        {"typing a text",
         {.hasEditorSession = true, .isTextEntryOpen = true},
         joined(kAlwaysOn, {MenuCommand::undo, MenuCommand::redo, MenuCommand::openImage})},
        {"animate tab",
         {.hasEditorSession = true, .isAnimateTabSelected = true, .canUndo = true, .canRedo = true},
         allBut(joined(kViewport, {MenuCommand::undo, MenuCommand::redo}))},
        {"replacement import over the editor",
         {.isInteractionLocked = true, .isImporting = true, .hasEditorSession = true},
         joined(kAlwaysOn, {MenuCommand::saveImages})},
        {"share service active",
         {.isNativeShareServiceActive = true, .hasEditorSession = true},
         allBut({MenuCommand::undo, MenuCommand::redo, MenuCommand::saveVideo})},
        {"dialog over the editor",
         {.isInteractionLocked = true, .isPresentingModal = true, .hasEditorSession = true, .canUndo = true},
         kAlwaysOn},
        {"close request asking",
         {.isInteractionLocked = true, .isCloseRequestPending = true, .hasEditorSession = true, .canUndo = true},
         kAlwaysOn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(enabledCommands(c.availability), c.enabled);
    }
}

}  // namespace
}  // namespace vlt

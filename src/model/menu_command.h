#pragma once

#include <array>

namespace vlt {

// Every item of the menu bar, in menu order.
enum class MenuCommand {
    openImage,
    saveImages,
    saveVideo,
    share,
    print,
    quit,
    undo,
    redo,
    settings,
    fit,
    actualSize,
    zoomIn,
    zoomOut,
    previousEditorTab,
    nextEditorTab,
    toggleComparisonLabels,
    toggleInspector,
    toggleToolbar,
    settingsContactInformation,
    settingsComparisonLabels,
    settingsLanguage,
    settingsPerformance,
    shortcuts,
    documentation,
    support,
    sendFeedback,
    about,
    aboutVeltrano,
};

inline constexpr std::array kAllMenuCommands = {
    MenuCommand::openImage,
    MenuCommand::saveImages,
    MenuCommand::saveVideo,
    MenuCommand::share,
    MenuCommand::print,
    MenuCommand::quit,
    MenuCommand::undo,
    MenuCommand::redo,
    MenuCommand::settings,
    MenuCommand::fit,
    MenuCommand::actualSize,
    MenuCommand::zoomIn,
    MenuCommand::zoomOut,
    MenuCommand::previousEditorTab,
    MenuCommand::nextEditorTab,
    MenuCommand::toggleComparisonLabels,
    MenuCommand::toggleInspector,
    MenuCommand::toggleToolbar,
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

}  // namespace vlt

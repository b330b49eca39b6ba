#include "foundation/still_image_save_selection.h"

#include <array>

namespace vlt {

namespace {

constexpr std::array kAllSelections = {StillImageSaveSelection::currentTab, StillImageSaveSelection::original,
                                       StillImageSaveSelection::simulation, StillImageSaveSelection::comparison,
                                       StillImageSaveSelection::allThreeTabs};

}  // namespace

std::string_view stillImageSaveSelectionRawValue(StillImageSaveSelection selection) {
    switch (selection) {
    case StillImageSaveSelection::currentTab:
        return "currentTab";
    case StillImageSaveSelection::original:
        return "original";
    case StillImageSaveSelection::simulation:
        return "simulation";
    case StillImageSaveSelection::comparison:
        return "comparison";
    case StillImageSaveSelection::allThreeTabs:
        return "allThreeTabs";
    }
    return "currentTab";
}

std::optional<StillImageSaveSelection> stillImageSaveSelectionFromRawValue(std::string_view text) {
    for (StillImageSaveSelection selection : kAllSelections) {
        if (stillImageSaveSelectionRawValue(selection) == text) return selection;
    }
    return std::nullopt;
}

}  // namespace vlt

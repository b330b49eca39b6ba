#pragma once

#include <optional>
#include <string_view>

namespace vlt {

// Which images a still-image save writes; the raw texts equal the case names.
enum class StillImageSaveSelection { currentTab, original, simulation, comparison, allThreeTabs };

// "currentTab", "original", "simulation", "comparison", "allThreeTabs".
std::string_view stillImageSaveSelectionRawValue(StillImageSaveSelection selection);
// Exact, case-sensitive; none for any other text.
std::optional<StillImageSaveSelection> stillImageSaveSelectionFromRawValue(std::string_view text);

}  // namespace vlt

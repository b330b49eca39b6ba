#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include <QString>

#include "editing/session/editor_tab.h"
#include "foundation/still_image_save_selection.h"

namespace vlt {

// Which image an output means; the raw texts are also the kind words of file names.
enum class StillImageKind { original, simulation, comparison };

inline constexpr std::array kAllStillImageKinds = {StillImageKind::original, StillImageKind::simulation,
                                                   StillImageKind::comparison};

// "original", "simulation", "comparison".
std::string_view stillImageKindRawValue(StillImageKind kind);
// Exact, case-sensitive; none for any other text.
std::optional<StillImageKind> stillImageKindFromRawValue(std::string_view text);
// "Original", "Simulation", "Comparison" in the interface language.
QString stillImageKindTitle(StillImageKind kind);

// The image a tab shows: Animate counts as the Simulation it ends on.
StillImageKind stillImageKindOfTab(EditorTab tab);

// The kinds one output produces, in output order: the current tab's kind alone, one
// named kind, or all three.
std::vector<StillImageKind> stillImageKinds(StillImageSaveSelection selection, StillImageKind currentTab);

}  // namespace vlt

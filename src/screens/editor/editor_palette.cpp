#include "screens/editor/editor_palette.h"

#include "ui/srgb_color.h"

namespace vlt {
namespace {

// Several members are given as whole 255ths.
constexpr double byte(int value) { return value / 255.0; }

}  // namespace

VLT_PALETTE_COLOR(EditorPalette, ink, 0.086, 0.298, 0.322)
VLT_PALETTE_COLOR(EditorPalette, commandPressedFill, 0.910, 0.941, 0.941)
VLT_PALETTE_COLOR(EditorPalette, selectedFill, 0.910, 0.933, 0.941)
VLT_PALETTE_COLOR(EditorPalette, primaryText, 0.063, 0.176, 0.196)
VLT_PALETTE_COLOR(EditorPalette, secondaryText, 0.192, 0.329, 0.353)
VLT_PALETTE_COLOR(EditorPalette, mutedText, 0.478, 0.576, 0.596)
VLT_PALETTE_COLOR(EditorPalette, divider, 0.847, 0.878, 0.882)
VLT_PALETTE_COLOR(EditorPalette, controlBorder, 0.784, 0.824, 0.831)
VLT_PALETTE_COLOR(EditorPalette, workspace, 0.925, 0.918, 0.890)
VLT_PALETTE_COLOR(EditorPalette, disclosureFill, byte(247), byte(247), byte(247))
VLT_PALETTE_COLOR(EditorPalette, disclosureBorder, byte(220), byte(220), byte(220))
VLT_PALETTE_COLOR(EditorPalette, disclosureHoverFill, byte(240), byte(246), byte(243))
VLT_PALETTE_COLOR(EditorPalette, disclosureHoverBorder, byte(185), byte(206), byte(197))
VLT_PALETTE_COLOR(EditorPalette, disclosurePressedFill, byte(229), byte(239), byte(234))
VLT_PALETTE_COLOR(EditorPalette, suggestionsHeadingText, byte(22), byte(22), byte(22))
VLT_PALETTE_COLOR(EditorPalette, suggestionsSecondaryText, byte(93), byte(93), byte(93))
VLT_PALETTE_COLOR(EditorPalette, suggestionBorder, byte(214), byte(214), byte(214))
VLT_PALETTE_COLOR(EditorPalette, suggestionText, byte(31), byte(31), byte(31))
VLT_PALETTE_COLOR(EditorPalette, suggestionAccent, byte(13), byte(92), byte(70))
VLT_PALETTE_COLOR(EditorPalette, suggestionHintFill, byte(240), byte(246), byte(243))
VLT_PALETTE_COLOR(EditorPalette, suggestionHintBorder, byte(217), byte(231), byte(224))
VLT_PALETTE_COLOR(EditorPalette, suggestionHintText, byte(93), byte(93), byte(93))
VLT_PALETTE_COLOR(EditorPalette, headerFill, 1.0, 1.0, 1.0, byte(158))
VLT_PALETTE_COLOR(EditorPalette, tabBorder, 0.698, 0.757, 0.765)
VLT_PALETTE_COLOR(EditorPalette, historyGroupFill, 0.914, 0.914, 0.914)
VLT_PALETTE_COLOR(EditorPalette, historySeparator, 0.824, 0.824, 0.824)
VLT_PALETTE_COLOR(EditorPalette, historyIconPressedFill, 0.835, 0.855, 0.855)
VLT_PALETTE_COLOR(EditorPalette, historyResetPressedFill, 0.835, 0.894, 0.898)
VLT_PALETTE_COLOR(EditorPalette, historyDisabledInk, 0.667, 0.706, 0.710)

}  // namespace vlt

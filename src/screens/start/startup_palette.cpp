#include "screens/start/startup_palette.h"

#include "ui/srgb_color.h"
#include "ui/workspace_grid.h"

namespace vlt {

VLT_PALETTE_COLOR(StartupPalette, ink, 0.063, 0.176, 0.196)
VLT_PALETTE_COLOR(StartupPalette, accent, 0.086, 0.298, 0.322)
VLT_PALETTE_COLOR(StartupPalette, accentLight, 0.157, 0.416, 0.447)
VLT_PALETTE_COLOR(StartupPalette, accentPale, 0.463, 0.627, 0.647)
VLT_PALETTE_COLOR(StartupPalette, iconWell, 0.91, 0.941, 0.941)
VLT_PALETTE_COLOR(StartupPalette, bodyText, 0.192, 0.329, 0.353)
VLT_PALETTE_COLOR(StartupPalette, secondaryText, 0.478, 0.576, 0.596)
VLT_PALETTE_COLOR(StartupPalette, hairline, 0.847, 0.878, 0.882)
VLT_PALETTE_COLOR(StartupPalette, border, 0.784, 0.824, 0.831)
VLT_PALETTE_COLOR(StartupPalette, background, 0.925, 0.918, 0.89)
VLT_PALETTE_COLOR(StartupPalette, surface, 0.984, 0.98, 0.965)
VLT_PALETTE_COLOR(StartupPalette, keyFill, 0.933, 0.957, 0.949)
VLT_PALETTE_COLOR(StartupPalette, keyBorder, 0.812, 0.863, 0.843)
VLT_PALETTE_COLOR(StartupPalette, cardRule, 0.839, 0.824, 0.776)

const QColor& StartupPalette::gridLine() { return WorkspaceGrid::lineColor(); }

}  // namespace vlt

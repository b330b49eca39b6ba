#include "screens/crop/crop_palette.h"

#include "ui/srgb_color.h"

namespace vlt {

VLT_PALETTE_COLOR(CropPalette, accent, 0.086, 0.298, 0.322)
VLT_PALETTE_COLOR(CropPalette, selectedBorder, 0.157, 0.416, 0.447)
VLT_PALETTE_COLOR(CropPalette, accentWash, 0.91, 0.941, 0.941)
VLT_PALETTE_COLOR(CropPalette, ink, 0.063, 0.176, 0.196)
VLT_PALETTE_COLOR(CropPalette, bodyText, 0.192, 0.329, 0.353)
VLT_PALETTE_COLOR(CropPalette, secondaryText, 0.478, 0.576, 0.596)
VLT_PALETTE_COLOR(CropPalette, hairline, 0.847, 0.878, 0.882)
VLT_PALETTE_COLOR(CropPalette, controlBorder, 0.784, 0.824, 0.831)
VLT_PALETTE_COLOR(CropPalette, workspaceBackground, 0.925, 0.918, 0.89)
VLT_PALETTE_COLOR(CropPalette, sizeBoxFill, 0.984, 0.98, 0.965)

QColor CropPalette::disabledPrimaryFill() { return makeSRGBColor(0.682, 0.741, 0.749); }

}  // namespace vlt

#include "ui/modal_palette.h"

#include "ui/srgb_color.h"

namespace vlt {

VLT_PALETTE_COLOR(ModalPalette, accent, 0.086, 0.298, 0.322)
VLT_PALETTE_COLOR(ModalPalette, textPrimary, 0.063, 0.176, 0.196)
VLT_PALETTE_COLOR(ModalPalette, textSecondary, 0.192, 0.329, 0.353)
VLT_PALETTE_COLOR(ModalPalette, textMuted, 0.478, 0.576, 0.596)
VLT_PALETTE_COLOR(ModalPalette, cardBorder, 0.784, 0.824, 0.831)
VLT_PALETTE_COLOR(ModalPalette, fieldBorder, 0.557, 0.643, 0.659)
VLT_PALETTE_COLOR(ModalPalette, divider, 0.847, 0.878, 0.882)
VLT_PALETTE_COLOR(ModalPalette, surfaceBorder, 0.725, 0.788, 0.796)
VLT_PALETTE_COLOR(ModalPalette, headerFill, 0.973, 0.969, 0.949)
VLT_PALETTE_COLOR(ModalPalette, selectionFill, 0.91, 0.941, 0.941)
VLT_PALETTE_COLOR(ModalPalette, noticeFill, 0.941, 0.969, 0.953)
VLT_PALETTE_COLOR(ModalPalette, noticeBorder, 0.812, 0.863, 0.843)
VLT_PALETTE_COLOR(ModalPalette, panelFill, 0.953, 0.969, 0.969)
VLT_PALETTE_COLOR(ModalPalette, errorText, 0.706, 0.137, 0.094)
VLT_PALETTE_COLOR(ModalPalette, veil, 0.807, 0.918, 0.914, 0.31)
VLT_PALETTE_COLOR(ModalPalette, warningText, 0.651, 0.294, 0.0)

}  // namespace vlt

#include "ui/modal_palette.h"

namespace vlt {
namespace {

QColor srgb(double red, double green, double blue, double opacity = 1.0) {
    return QColor::fromRgbF(static_cast<float>(red), static_cast<float>(green), static_cast<float>(blue),
                            static_cast<float>(opacity));
}

}  // namespace

#define VLT_MODAL_COLOUR(name, ...)              \
    const QColor& ModalPalette::name() {         \
        static const QColor colour = srgb(__VA_ARGS__); \
        return colour;                           \
    }

VLT_MODAL_COLOUR(accent, 0.086, 0.298, 0.322)
VLT_MODAL_COLOUR(textPrimary, 0.063, 0.176, 0.196)
VLT_MODAL_COLOUR(textSecondary, 0.192, 0.329, 0.353)
VLT_MODAL_COLOUR(textMuted, 0.478, 0.576, 0.596)
VLT_MODAL_COLOUR(cardBorder, 0.784, 0.824, 0.831)
VLT_MODAL_COLOUR(fieldBorder, 0.557, 0.643, 0.659)
VLT_MODAL_COLOUR(divider, 0.847, 0.878, 0.882)
VLT_MODAL_COLOUR(surfaceBorder, 0.725, 0.788, 0.796)
VLT_MODAL_COLOUR(headerFill, 0.973, 0.969, 0.949)
VLT_MODAL_COLOUR(selectionFill, 0.91, 0.941, 0.941)
VLT_MODAL_COLOUR(noticeFill, 0.941, 0.969, 0.953)
VLT_MODAL_COLOUR(noticeBorder, 0.812, 0.863, 0.843)
VLT_MODAL_COLOUR(panelFill, 0.953, 0.969, 0.969)
VLT_MODAL_COLOUR(errorText, 0.706, 0.137, 0.094)
VLT_MODAL_COLOUR(veil, 0.807, 0.918, 0.914, 0.31)
VLT_MODAL_COLOUR(warningText, 0.651, 0.294, 0.0)

#undef VLT_MODAL_COLOUR

}  // namespace vlt

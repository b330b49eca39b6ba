#include "app/startup_palette.h"

namespace vlt {
namespace {

QColor srgb(double red, double green, double blue, double opacity = 1.0) {
    return QColor::fromRgbF(static_cast<float>(red), static_cast<float>(green), static_cast<float>(blue),
                            static_cast<float>(opacity));
}

}  // namespace

#define VLT_STARTUP_COLOUR(name, ...)                   \
    const QColor& StartupPalette::name() {              \
        static const QColor colour = srgb(__VA_ARGS__); \
        return colour;                                  \
    }

VLT_STARTUP_COLOUR(ink, 0.063, 0.176, 0.196)
VLT_STARTUP_COLOUR(accent, 0.086, 0.298, 0.322)
VLT_STARTUP_COLOUR(accentLight, 0.157, 0.416, 0.447)
VLT_STARTUP_COLOUR(accentPale, 0.463, 0.627, 0.647)
VLT_STARTUP_COLOUR(iconWell, 0.91, 0.941, 0.941)
VLT_STARTUP_COLOUR(bodyText, 0.192, 0.329, 0.353)
VLT_STARTUP_COLOUR(secondaryText, 0.478, 0.576, 0.596)
VLT_STARTUP_COLOUR(hairline, 0.847, 0.878, 0.882)
VLT_STARTUP_COLOUR(border, 0.784, 0.824, 0.831)
VLT_STARTUP_COLOUR(background, 0.925, 0.918, 0.89)
VLT_STARTUP_COLOUR(surface, 0.984, 0.98, 0.965)
VLT_STARTUP_COLOUR(keyFill, 0.933, 0.957, 0.949)
VLT_STARTUP_COLOUR(keyBorder, 0.812, 0.863, 0.843)
VLT_STARTUP_COLOUR(cardRule, 0.839, 0.824, 0.776)
VLT_STARTUP_COLOUR(gridLine, 0.176, 0.302, 0.318, 0.055)

#undef VLT_STARTUP_COLOUR

}  // namespace vlt

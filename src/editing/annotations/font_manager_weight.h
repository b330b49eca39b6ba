#pragma once

#include <QFont>

namespace vlt {

// Annotation fonts store their weight on the 0...15 scale of the font manager
// (5 regular, 9 bold), which stored settings and peers rely on; Qt uses 100...900.
inline constexpr int kFontManagerMinimumWeight = 0;
inline constexpr int kFontManagerMaximumWeight = 15;
inline constexpr int kFontManagerRegularWeight = 5;
inline constexpr int kFontManagerBoldWeight = 9;

// The nearest font-manager weight of a Qt weight, within 0...15.
int fontManagerWeight(int qtWeight);

// The Qt weight for a font-manager weight; values outside 0...15 are clamped.
QFont::Weight qtFontWeight(int fontManagerWeight);

}  // namespace vlt

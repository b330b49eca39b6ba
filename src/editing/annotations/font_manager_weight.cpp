#include "editing/annotations/font_manager_weight.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace vlt {

namespace {

struct WeightPair {
    int fontManager;
    QFont::Weight qt;
};

// The named weights both scales share; the others fall to the nearest one.
constexpr std::array<WeightPair, 9> kNamedWeights = {{
    {2, QFont::Thin},
    {3, QFont::ExtraLight},
    {4, QFont::Light},
    {5, QFont::Normal},
    {6, QFont::Medium},
    {8, QFont::DemiBold},
    {9, QFont::Bold},
    {10, QFont::ExtraBold},
    {12, QFont::Black},
}};

}  // namespace

int fontManagerWeight(int qtWeight) {
    const WeightPair* nearest = &kNamedWeights.front();
    for (const WeightPair& pair : kNamedWeights) {
        if (std::abs(pair.qt - qtWeight) < std::abs(nearest->qt - qtWeight)) {
            nearest = &pair;
        }
    }
    return std::clamp(nearest->fontManager, kFontManagerMinimumWeight, kFontManagerMaximumWeight);
}

QFont::Weight qtFontWeight(int fontManagerWeight) {
    const int weight = std::clamp(fontManagerWeight, kFontManagerMinimumWeight, kFontManagerMaximumWeight);
    const WeightPair* nearest = &kNamedWeights.front();
    for (const WeightPair& pair : kNamedWeights) {
        // Ties go to the heavier weight: 7 (demi) reads as semibold, 11 (heavy) as black.
        if (std::abs(pair.fontManager - weight) <= std::abs(nearest->fontManager - weight)) {
            nearest = &pair;
        }
    }
    return nearest->qt;
}

}  // namespace vlt

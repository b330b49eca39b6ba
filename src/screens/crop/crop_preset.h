#pragma once

#include <array>
#include <optional>
#include <string_view>

#include <QSize>
#include <QString>

#include "import/crop_aspect_ratio.h"

namespace vlt {

struct CropSelection;

// The nine shapes the inspector offers, in the order of its grid, row by row. Raw
// values equal the case names.
enum class CropPreset {
    fullImage,
    free,
    landscape16By9,
    portrait9By16,
    square,
    classic4By3,
    social4By5,
    cinema21By9,
    portrait2By3,
};

inline constexpr std::array<CropPreset, 9> kAllCropPresets = {
    CropPreset::fullImage,     CropPreset::free,        CropPreset::landscape16By9,
    CropPreset::portrait9By16, CropPreset::square,      CropPreset::classic4By3,
    CropPreset::social4By5,    CropPreset::cinema21By9, CropPreset::portrait2By3,
};

std::string_view rawValue(CropPreset preset);
// Exact, case-sensitive match.
std::optional<CropPreset> cropPresetFromRawValue(std::string_view raw);

// The position in kAllCropPresets.
int cropPresetIndex(CropPreset preset);
// Localized once per process.
const QString& cropPresetTitle(CropPreset preset);
// The size of the preset's outline glyph, in points.
QSize cropPresetGlyphSize(CropPreset preset);
// The aspect ratio a preset other than fullImage applies, whatever the selection's turns.
CropAspectRatio cropPresetAspectRatio(CropPreset preset);

// The one preset shown as selected for a selection. A quarter turn transposes the
// ratio, so a turned 4:3 crop still selects "Classic 4:3".
CropPreset selectedCropPreset(const CropSelection& selection);

}  // namespace vlt

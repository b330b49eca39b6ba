#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace vlt {

// The constraint that corner drags keep; raw values equal the case names.
enum class CropAspectRatio {
    free,
    square,
    landscape16By9,
    portrait9By16,
    classic4By3,
    classic3By4,
    social4By5,
    social5By4,
    cinema21By9,
    cinema9By21,
    portrait2By3,
    portrait3By2,
};

inline constexpr std::array<CropAspectRatio, 12> kAllCropAspectRatios = {
    CropAspectRatio::free,          CropAspectRatio::square,       CropAspectRatio::landscape16By9,
    CropAspectRatio::portrait9By16, CropAspectRatio::classic4By3,  CropAspectRatio::classic3By4,
    CropAspectRatio::social4By5,    CropAspectRatio::social5By4,   CropAspectRatio::cinema21By9,
    CropAspectRatio::cinema9By21,   CropAspectRatio::portrait2By3, CropAspectRatio::portrait3By2,
};

std::string_view rawValue(CropAspectRatio aspectRatio);
// Exact, case-sensitive match.
std::optional<CropAspectRatio> cropAspectRatioFromRawValue(std::string_view raw);

// Width divided by height; none for free.
std::optional<double> ratio(CropAspectRatio aspectRatio);

// What a quarter turn makes of the constraint.
CropAspectRatio transposed(CropAspectRatio aspectRatio);

}  // namespace vlt

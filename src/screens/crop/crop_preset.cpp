#include "screens/crop/crop_preset.h"

#include "foundation/localized_string.h"
#include "import/crop_selection.h"

namespace vlt {

std::string_view rawValue(CropPreset preset) {
    switch (preset) {
    case CropPreset::fullImage:
        return "fullImage";
    case CropPreset::free:
        return "free";
    case CropPreset::landscape16By9:
        return "landscape16By9";
    case CropPreset::portrait9By16:
        return "portrait9By16";
    case CropPreset::square:
        return "square";
    case CropPreset::classic4By3:
        return "classic4By3";
    case CropPreset::social4By5:
        return "social4By5";
    case CropPreset::cinema21By9:
        return "cinema21By9";
    case CropPreset::portrait2By3:
        return "portrait2By3";
    }
    return "free";
}

std::optional<CropPreset> cropPresetFromRawValue(std::string_view raw) {
    for (CropPreset preset : kAllCropPresets) {
        if (rawValue(preset) == raw) return preset;
    }
    return std::nullopt;
}

int cropPresetIndex(CropPreset preset) { return static_cast<int>(preset); }

const QString& cropPresetTitle(CropPreset preset) {
    static const std::array<QString, 9> titles = {
        localizedString("Full image"),    localizedString("Free"),        localizedString("Wide 16:9"),
        localizedString("Vertical 9:16"), localizedString("Square 1:1"),  localizedString("Classic 4:3"),
        localizedString("Social 4:5"),    localizedString("Cinema 21:9"), localizedString("Portrait 2:3"),
    };
    return titles[static_cast<std::size_t>(cropPresetIndex(preset))];
}

QSize cropPresetGlyphSize(CropPreset preset) {
    switch (preset) {
    case CropPreset::fullImage:
        return {24, 25};
    case CropPreset::free:
        return {27, 24};
    case CropPreset::landscape16By9:
        return {31, 17};
    case CropPreset::portrait9By16:
        return {16, 28};
    case CropPreset::square:
        return {23, 23};
    case CropPreset::classic4By3:
        return {28, 21};
    case CropPreset::social4By5:
        return {20, 25};
    case CropPreset::cinema21By9:
        return {31, 13};
    case CropPreset::portrait2By3:
        return {18, 27};
    }
    return {24, 24};
}

CropAspectRatio cropPresetAspectRatio(CropPreset preset) {
    switch (preset) {
    case CropPreset::fullImage:
    case CropPreset::free:
        return CropAspectRatio::free;
    case CropPreset::landscape16By9:
        return CropAspectRatio::landscape16By9;
    case CropPreset::portrait9By16:
        return CropAspectRatio::portrait9By16;
    case CropPreset::square:
        return CropAspectRatio::square;
    case CropPreset::classic4By3:
        return CropAspectRatio::classic4By3;
    case CropPreset::social4By5:
        return CropAspectRatio::social4By5;
    case CropPreset::cinema21By9:
        return CropAspectRatio::cinema21By9;
    case CropPreset::portrait2By3:
        return CropAspectRatio::portrait2By3;
    }
    return CropAspectRatio::free;
}

CropPreset selectedCropPreset(const CropSelection& selection) {
    switch (selection.aspectRatio) {
    case CropAspectRatio::free:
        return selection.isFullImage() ? CropPreset::fullImage : CropPreset::free;
    case CropAspectRatio::landscape16By9:
        return CropPreset::landscape16By9;
    case CropAspectRatio::portrait9By16:
        return CropPreset::portrait9By16;
    case CropAspectRatio::square:
        return CropPreset::square;
    case CropAspectRatio::classic4By3:
    case CropAspectRatio::classic3By4:
        return CropPreset::classic4By3;
    case CropAspectRatio::social4By5:
    case CropAspectRatio::social5By4:
        return CropPreset::social4By5;
    case CropAspectRatio::cinema21By9:
    case CropAspectRatio::cinema9By21:
        return CropPreset::cinema21By9;
    case CropAspectRatio::portrait2By3:
    case CropAspectRatio::portrait3By2:
        return CropPreset::portrait2By3;
    }
    return CropPreset::free;
}

}  // namespace vlt

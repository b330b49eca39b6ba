#include "import/crop_aspect_ratio.h"

namespace vlt {

std::string_view rawValue(CropAspectRatio aspectRatio) {
    switch (aspectRatio) {
    case CropAspectRatio::free:
        return "free";
    case CropAspectRatio::square:
        return "square";
    case CropAspectRatio::landscape16By9:
        return "landscape16By9";
    case CropAspectRatio::portrait9By16:
        return "portrait9By16";
    case CropAspectRatio::classic4By3:
        return "classic4By3";
    case CropAspectRatio::classic3By4:
        return "classic3By4";
    case CropAspectRatio::social4By5:
        return "social4By5";
    case CropAspectRatio::social5By4:
        return "social5By4";
    case CropAspectRatio::cinema21By9:
        return "cinema21By9";
    case CropAspectRatio::cinema9By21:
        return "cinema9By21";
    case CropAspectRatio::portrait2By3:
        return "portrait2By3";
    case CropAspectRatio::portrait3By2:
        return "portrait3By2";
    }
    return {};
}

std::optional<CropAspectRatio> cropAspectRatioFromRawValue(std::string_view raw) {
    for (CropAspectRatio aspectRatio : kAllCropAspectRatios) {
        if (rawValue(aspectRatio) == raw) return aspectRatio;
    }
    return std::nullopt;
}

std::optional<double> ratio(CropAspectRatio aspectRatio) {
    switch (aspectRatio) {
    case CropAspectRatio::free:
        return std::nullopt;
    case CropAspectRatio::square:
        return 1.0;
    case CropAspectRatio::landscape16By9:
        return 16.0 / 9.0;
    case CropAspectRatio::portrait9By16:
        return 0.5625;
    case CropAspectRatio::classic4By3:
        return 4.0 / 3.0;
    case CropAspectRatio::classic3By4:
        return 0.75;
    case CropAspectRatio::social4By5:
        return 0.8;
    case CropAspectRatio::social5By4:
        return 1.25;
    case CropAspectRatio::cinema21By9:
        return 21.0 / 9.0;
    case CropAspectRatio::cinema9By21:
        return 9.0 / 21.0;
    case CropAspectRatio::portrait2By3:
        return 2.0 / 3.0;
    case CropAspectRatio::portrait3By2:
        return 1.5;
    }
    return std::nullopt;
}

CropAspectRatio transposed(CropAspectRatio aspectRatio) {
    switch (aspectRatio) {
    case CropAspectRatio::free:
        return CropAspectRatio::free;
    case CropAspectRatio::square:
        return CropAspectRatio::square;
    case CropAspectRatio::landscape16By9:
        return CropAspectRatio::portrait9By16;
    case CropAspectRatio::portrait9By16:
        return CropAspectRatio::landscape16By9;
    case CropAspectRatio::classic4By3:
        return CropAspectRatio::classic3By4;
    case CropAspectRatio::classic3By4:
        return CropAspectRatio::classic4By3;
    case CropAspectRatio::social4By5:
        return CropAspectRatio::social5By4;
    case CropAspectRatio::social5By4:
        return CropAspectRatio::social4By5;
    case CropAspectRatio::cinema21By9:
        return CropAspectRatio::cinema9By21;
    case CropAspectRatio::cinema9By21:
        return CropAspectRatio::cinema21By9;
    case CropAspectRatio::portrait2By3:
        return CropAspectRatio::portrait3By2;
    case CropAspectRatio::portrait3By2:
        return CropAspectRatio::portrait2By3;
    }
    return aspectRatio;
}

}  // namespace vlt

#include "import/image_import_failure.h"

#include "foundation/localized_string.h"

namespace vlt {

std::string ImageImportFailure::diagnosticCode() const {
    switch (case_) {
    case Case::unsupported:
        return "unsupported-content";
    case Case::corrupted:
        return "corrupted-image";
    case Case::tooLarge:
        return "source-too-large";
    }
    return {};
}

std::string ImageImportFailure::userMessage() const {
    switch (case_) {
    case Case::unsupported:
        return localizedStdString("Choose a JPEG, PNG, BMP, TIFF, HEIC, or HEIF image.");
    case Case::corrupted:
        return localizedStdString("This image could not be read. It may be damaged, or incompatible");
    case Case::tooLarge:
        return localizedStdString("This image is too large to open safely.");
    }
    return {};
}

}  // namespace vlt

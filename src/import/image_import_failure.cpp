#include "import/image_import_failure.h"

#include <QCoreApplication>

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
        return QCoreApplication::translate("ImageImportFailure", "Choose a JPEG, PNG, BMP, TIFF, HEIC, or HEIF image.")
            .toStdString();
    case Case::corrupted:
        return QCoreApplication::translate("ImageImportFailure",
                                           "This image could not be read. It may be damaged, or incompatible")
            .toStdString();
    case Case::tooLarge:
        return QCoreApplication::translate("ImageImportFailure", "This image is too large to open safely.")
            .toStdString();
    }
    return {};
}

}  // namespace vlt

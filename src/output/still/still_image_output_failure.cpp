#include "output/still/still_image_output_failure.h"

#include <QCoreApplication>

namespace vlt {

std::string StillImageOutputFailure::diagnosticCode() const {
    switch (case_) {
    case Case::rendererUnavailable:
        return "still-renderer-unavailable";
    }
    return {};
}

std::string StillImageOutputFailure::userMessage() const {
    const char* text = "";
    switch (case_) {
    case Case::rendererUnavailable:
        text = QT_TRANSLATE_NOOP("StillImageOutputFailure", "The complete image could not be prepared.");
        break;
    }
    return QCoreApplication::translate("StillImageOutputFailure", text).toStdString();
}

}  // namespace vlt

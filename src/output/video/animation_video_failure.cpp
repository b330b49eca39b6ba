#include "output/video/animation_video_failure.h"

#include <QCoreApplication>

namespace vlt {

std::string AnimationVideoFailure::diagnosticCode() const {
    switch (case_) {
    case Case::rendererUnavailable:
        return "video-renderer-unavailable";
    }
    return {};
}

std::string AnimationVideoFailure::userMessage() const {
    const char* text = "";
    switch (case_) {
    case Case::rendererUnavailable:
        text = QT_TRANSLATE_NOOP("AnimationVideoFailure", "The complete animation could not be prepared.");
        break;
    }
    return QCoreApplication::translate("AnimationVideoFailure", text).toStdString();
}

}  // namespace vlt

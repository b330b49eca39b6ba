#include "platform/share/share_service_failure.h"

namespace vlt {

std::string ShareServiceFailure::diagnosticCode() const {
    switch (case_) {
    case Case::openFailed:
        return "share-open-failed";
    case Case::emailFailed:
        return "share-email-failed";
    case Case::copyFailed:
        return "share-copy-failed";
    case Case::showFailed:
        return "share-show-failed";
    }
    return {};
}

}  // namespace vlt

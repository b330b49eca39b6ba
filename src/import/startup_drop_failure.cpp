#include "import/startup_drop_failure.h"

#include "foundation/localized_string.h"

namespace vlt {

std::string StartupDropFailure::userMessage() const {
    switch (case_) {
    case Case::notAFile:
        return localizedStdString("Please drop one image file.");
    case Case::multipleItems:
        return localizedStdString("Please choose exactly one image at a time.");
    case Case::folder:
        return localizedStdString("Folders cannot be opened here. Please choose one image file.");
    }
    return {};
}

}  // namespace vlt

#include "import/startup_drop_failure.h"

#include <QCoreApplication>

namespace vlt {

std::string StartupDropFailure::userMessage() const {
    switch (case_) {
    case Case::notAFile:
        return QCoreApplication::translate("StartupDropFailure", "Please drop one image file.").toStdString();
    case Case::multipleItems:
        return QCoreApplication::translate("StartupDropFailure", "Please choose exactly one image at a time.")
            .toStdString();
    case Case::folder:
        return QCoreApplication::translate("StartupDropFailure",
                                           "Folders cannot be opened here. Please choose one image file.")
            .toStdString();
    }
    return {};
}

}  // namespace vlt

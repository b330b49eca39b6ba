#include "foundation/localized_string.h"

#include <QCoreApplication>

namespace vlt {

QString localizedString(const char* englishText) {
    return QCoreApplication::translate(kLocalizationContext, englishText);
}

std::string localizedStdString(const char* englishText) { return localizedString(englishText).toStdString(); }

}  // namespace vlt

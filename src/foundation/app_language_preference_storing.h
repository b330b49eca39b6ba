#pragma once

#include <QStringList>

#include "foundation/app_language.h"

namespace vlt {

// Keeps the chosen interface language for the next launch.
class AppLanguagePreferenceStoring {
public:
    virtual ~AppLanguagePreferenceStoring() = default;
    // Records the choice; never reports a failure.
    virtual void save(AppLanguage language) = 0;
    // The stored list of language identifiers; empty when nothing (usable) is stored.
    virtual QStringList storedPreferredLanguages() const = 0;
};

}  // namespace vlt

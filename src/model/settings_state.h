#pragma once

#include <optional>

#include <QString>

#include "model/settings_section.h"
#include "foundation/app_language.h"
#include "foundation/application_settings.h"

namespace vlt {

// The settings area of the application model: the settings in force, the language
// chosen for the next launch and the settings dialog.
struct SettingsState {
    ApplicationSettings settings = ApplicationSettings::defaults();
    // The language this process runs in; it changes only with a relaunch.
    AppLanguage activeLanguage = AppLanguage::english;
    AppLanguage selectedLanguage = AppLanguage::english;
    bool isLanguageRestartInProgress = false;
    std::optional<QString> languageRestartError;
    // The settings dialog is open at this section.
    std::optional<SettingsSection> activeSettingsSection;
    std::optional<QString> settingsPersistenceError;

    bool operator==(const SettingsState&) const = default;
};

}  // namespace vlt

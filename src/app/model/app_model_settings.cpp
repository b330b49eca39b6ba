#include "app/model/app_model.h"
#include "foundation/application_settings_storing.h"
#include "foundation/diagnostic_log.h"
#include "foundation/localized_string.h"

namespace vlt {

namespace {

const QString& settingsSaveFailureText() {
    static const QString text =
        localizedString("These settings could not be saved. They remain active for this session.");
    return text;
}

}  // namespace

void AppModel::presentSettings(SettingsSection section) {
    if (isInteractionLocked()) return;
    cancelEditorGesture();
    setSettingsPersistenceError(std::nullopt);
    setActiveSettingsSection(section);
}

void AppModel::closeSettings() {
    setActiveSettingsSection(std::nullopt);
    if (shareImageStateAfterSettings && editorSession_) {
        auto restored = std::exchange(shareImageStateAfterSettings, std::nullopt);
        setShareImageState(restored);
    }
}

void AppModel::updateSettings(const ApplicationSettings& settings) {
    if (settings == settings_) return;
    setSettings(settings);
    areSettingsDirty_ = true;
    carryComparisonLabelsIntoEditor();
    setSettingsPersistenceError(std::nullopt);
    settingsSave_.trigger();
}

bool AppModel::saveSettingsNow() {
    if (!areSettingsDirty_) return true;
    if (!settingsStore_) return false;
    const VoidResult written = settingsStore_->save(settings_);
    if (written.ok()) {
        areSettingsDirty_ = false;
        setSettingsPersistenceError(std::nullopt);
        return true;
    }
    // The values stay in force and stay dirty, so the next change or immediate
    // write tries again.
    setSettingsPersistenceError(settingsSaveFailureText());
    DiagnosticLog::settingsSaveFailed(*written.error());
    return false;
}

bool AppModel::beginLanguageRestart() {
    if (selectedLanguage_ == activeLanguage_) return false;
    if (isLanguageRestartInProgress_) return false;
    settingsSave_.cancel();
    // The new instance reads the settings file at launch; relaunching over a failed
    // write would lose the latest changes, so the dialog stays open with the message.
    if (!saveSettingsNow()) return false;
    setIsLanguageRestartInProgress(true);
    setLanguageRestartError(std::nullopt);
    return true;
}

void AppModel::applicationWillTerminate() {
    settingsSave_.cancel();
    saveSettingsNow();
}

}  // namespace vlt

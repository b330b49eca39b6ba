#include "model/app_model.h"
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

void AppModel::changeSettingsState(const std::function<void(SettingsState&)>& edit) {
    changeArea(settings_, edit, &AppModel::settingsStateChanged);
}

void AppModel::presentSettings(SettingsSection section) {
    if (isInteractionLocked()) return;
    cancelEditorGesture();
    changeSettingsState([section](SettingsState& state) {
        state.settingsPersistenceError = std::nullopt;
        state.activeSettingsSection = section;
    });
}

void AppModel::selectSettingsSection(SettingsSection section) {
    changeSettingsState([section](SettingsState& state) {
        if (state.activeSettingsSection) state.activeSettingsSection = section;
    });
}

void AppModel::closeSettings() {
    changeSettingsState([](SettingsState& state) { state.activeSettingsSection = std::nullopt; });
    restoreShareDialogAfterSettings();
}

void AppModel::updateSettings(const ApplicationSettings& settings) {
    if (settings == settings_.settings) return;
    areSettingsDirty_ = true;
    changeSettingsState([&settings](SettingsState& state) {
        state.settings = settings;
        state.settingsPersistenceError = std::nullopt;
    });
    carryComparisonLabelsIntoEditor();
    settingsSave_.trigger();
}

bool AppModel::saveSettingsNow() {
    if (!areSettingsDirty_) return true;
    if (!settingsStore_) return false;
    const VoidResult written = settingsStore_->save(settings_.settings);
    if (written.ok()) {
        areSettingsDirty_ = false;
        changeSettingsState([](SettingsState& state) { state.settingsPersistenceError = std::nullopt; });
        return true;
    }
    // The values stay in force and stay dirty, so the next change or immediate
    // write tries again.
    changeSettingsState([](SettingsState& state) { state.settingsPersistenceError = settingsSaveFailureText(); });
    DiagnosticLog::settingsSaveFailed(*written.error());
    return false;
}

void AppModel::selectLanguage(AppLanguage language) {
    changeSettingsState([language](SettingsState& state) {
        state.selectedLanguage = language;
        state.languageRestartError = std::nullopt;
    });
}

bool AppModel::beginLanguageRestart() {
    if (settings_.selectedLanguage == settings_.activeLanguage) return false;
    if (settings_.isLanguageRestartInProgress) return false;
    settingsSave_.cancel();
    // The language lives in its own file, so a settings file that cannot be written
    // must not hold the restart back; the failed write has been reported.
    saveSettingsNow();
    changeSettingsState([](SettingsState& state) {
        state.isLanguageRestartInProgress = true;
        state.languageRestartError = std::nullopt;
    });
    return true;
}

void AppModel::languageRestartDidCancel() {
    changeSettingsState([](SettingsState& state) { state.isLanguageRestartInProgress = false; });
}

void AppModel::languageRestartDidFail() {
    changeSettingsState([](SettingsState& state) {
        state.isLanguageRestartInProgress = false;
        state.languageRestartError = localizedString("Veltrano could not restart. Close and reopen the app.");
    });
}

void AppModel::applicationWillTerminate() {
    settingsSave_.cancel();
    saveSettingsNow();
}

}  // namespace vlt

#include "foundation/settings_file_app_language_preference_store.h"

#include "base/application_folders.h"
#include "foundation/configuration_file.h"

namespace vlt {

SettingsFileAppLanguagePreferenceStore::SettingsFileAppLanguagePreferenceStore(QString filePath, QString preferenceKey)
    : filePath_(std::move(filePath)), preferenceKey_(std::move(preferenceKey)) {}

QString SettingsFileAppLanguagePreferenceStore::defaultFilePath() {
    const std::filesystem::path path = ApplicationFolders::applicationConfigFolder() / "Veltrano.conf";
    return QString::fromStdString(path.string());
}

void SettingsFileAppLanguagePreferenceStore::save(AppLanguage language) {
    // A lost choice only means the old language at next launch.
    ConfigurationFile(filePath_).setValue(preferenceKey_,
                                          QStringList{QString::fromLatin1(appLanguageRawValue(language).data())});
}

QStringList SettingsFileAppLanguagePreferenceStore::storedPreferredLanguages() const {
    const QVariant value = ConfigurationFile(filePath_).value(preferenceKey_);
    // A hand-edited file may hold a plain text instead of a list; anything else counts as nothing.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList();
    if (value.typeId() == QMetaType::QString) return QStringList{value.toString()};
    return {};
}

}  // namespace vlt

#pragma once

#include <QString>

#include "foundation/app_language_preference_storing.h"
#include "foundation/configuration_file.h"

namespace vlt {

// Keeps the language choice as a one-element list under "AppleLanguages" in the
// application's configuration file ($XDG_CONFIG_HOME/Veltrano/Veltrano.conf), which
// the application reads at start to pick its translations.
class SettingsFileAppLanguagePreferenceStore final : public AppLanguagePreferenceStoring {
public:
    explicit SettingsFileAppLanguagePreferenceStore(QString filePath = defaultFilePath(),
                                                    QString preferenceKey = QString::fromLatin1(kPreferenceKey));

    void save(AppLanguage language) override;
    QStringList storedPreferredLanguages() const override;

    const QString& filePath() const { return filePath_; }
    const QString& preferenceKey() const { return preferenceKey_; }

    static QString defaultFilePath();

    static constexpr const char* kPreferenceKey = ConfigurationFile::kLanguagesKey;

private:
    QString filePath_;
    QString preferenceKey_;
};

}  // namespace vlt

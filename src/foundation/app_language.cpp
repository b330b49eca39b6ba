#include "foundation/app_language.h"

#include <QtGlobal>

#include "foundation/localized_string.h"

namespace vlt {

std::string_view appLanguageRawValue(AppLanguage language) {
    switch (language) {
    case AppLanguage::english:
        return "en";
    case AppLanguage::french:
        return "fr";
    case AppLanguage::spanish:
        return "es";
    case AppLanguage::brazilianPortuguese:
        return "pt";
    case AppLanguage::korean:
        return "ko";
    case AppLanguage::japanese:
        return "ja";
    case AppLanguage::italian:
        return "it";
    case AppLanguage::turkish:
        return "tr";
    case AppLanguage::simplifiedChinese:
        return "zh-Hans";
    }
    return "en";
}

std::optional<AppLanguage> appLanguageFromRawValue(std::string_view code) {
    for (AppLanguage language : kAllAppLanguages) {
        if (appLanguageRawValue(language) == code) return language;
    }
    return std::nullopt;
}

QString appLanguageDisplayName(AppLanguage language) {
    switch (language) {
    case AppLanguage::english:
        return localizedString("English");
    case AppLanguage::french:
        return localizedString("Français");
    case AppLanguage::spanish:
        return localizedString("Español");
    case AppLanguage::brazilianPortuguese:
        return localizedString("Português (Brasil)");
    case AppLanguage::korean:
        return localizedString("한국어");
    case AppLanguage::japanese:
        return localizedString("日本語");
    case AppLanguage::italian:
        return localizedString("Italiano");
    case AppLanguage::turkish:
        return localizedString("Türkçe");
    case AppLanguage::simplifiedChinese:
        return localizedString("简体中文");
    }
    return QString();
}

QString appLanguageAccessibilityLabel(AppLanguage language) {
    switch (language) {
    case AppLanguage::english:
        return localizedString("Use English");
    case AppLanguage::french:
        return localizedString("Use French");
    case AppLanguage::spanish:
        return localizedString("Use Spanish");
    case AppLanguage::brazilianPortuguese:
        return localizedString("Use Brazilian Portuguese");
    case AppLanguage::korean:
        return localizedString("Use Korean");
    case AppLanguage::japanese:
        return localizedString("Use Japanese");
    case AppLanguage::italian:
        return localizedString("Use Italian");
    case AppLanguage::turkish:
        return localizedString("Use Turkish");
    case AppLanguage::simplifiedChinese:
        return localizedString("Use Simplified Chinese");
    }
    return QString();
}

std::optional<AppLanguage> appLanguageMatching(const QStringList& preferredLanguages) {
    for (const QString& identifier : preferredLanguages) {
        QString normalized = identifier;
        normalized.replace(u'_', u'-');
        const QStringList components = normalized.split(u'-', Qt::SkipEmptyParts);
        if (components.isEmpty()) continue;
        const QString base = components.front().toLower();
        if (base == QStringLiteral("zh")) return AppLanguage::simplifiedChinese;
        for (AppLanguage language : kAllAppLanguages) {
            if (base == QLatin1String(appLanguageRawValue(language).data())) return language;
        }
    }
    return std::nullopt;
}

}  // namespace vlt

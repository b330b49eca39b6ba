#pragma once

#include <array>
#include <optional>
#include <string_view>

#include <QString>
#include <QStringList>

namespace vlt {

// The interface languages, in the order the settings dialog lists them; the raw
// value is the language code.
enum class AppLanguage {
    english,
    french,
    spanish,
    brazilianPortuguese,
    korean,
    japanese,
    italian,
    turkish,
    simplifiedChinese,
};

inline constexpr std::array kAllAppLanguages = {
    AppLanguage::english,
    AppLanguage::french,
    AppLanguage::spanish,
    AppLanguage::brazilianPortuguese,
    AppLanguage::korean,
    AppLanguage::japanese,
    AppLanguage::italian,
    AppLanguage::turkish,
    AppLanguage::simplifiedChinese,
};

// "en", "fr", "es", "pt", "ko", "ja", "it", "tr", "zh-Hans".
std::string_view appLanguageRawValue(AppLanguage language);
// Exact and case-sensitive: "EN" gives none.
std::optional<AppLanguage> appLanguageFromRawValue(std::string_view code);

// The language's own name ("Français"), through the string table.
QString appLanguageDisplayName(AppLanguage language);
// "Use French", through the string table.
QString appLanguageAccessibilityLabel(AppLanguage language);

// The language named by the first identifier that names one: "_" counts as "-", only
// the part before the first "-" counts, in any letter case, and every Chinese
// identifier means simplified Chinese. None when no identifier matches.
std::optional<AppLanguage> appLanguageMatching(const QStringList& preferredLanguages);

}  // namespace vlt

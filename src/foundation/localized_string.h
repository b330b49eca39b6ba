#pragma once

#include <string>

#include <QString>

namespace vlt {

// Every interface text is looked up under this one context, with the English text
// as its key; lupdate finds the keys through QT_TRANSLATE_NOOP("Veltrano", "...").
inline constexpr const char* kLocalizationContext = "Veltrano";

// The English text in the current interface language (unchanged when the loaded
// table has no entry). Callers keep frequently used texts in function-local statics:
// the language changes only with a relaunch, so a kept text never goes stale.
QString localizedString(const char* englishText);

// The same, as UTF-8, for code that does not deal in QString (error messages).
std::string localizedStdString(const char* englishText);

}  // namespace vlt

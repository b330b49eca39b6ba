#pragma once

#include <QByteArray>

#include "foundation/app_language.h"
#include "foundation/interface_translations.h"
#include "ui/interface_font.h"

namespace vlt::testing {

// The language that a test of every language runs in: VLT_TEST_INTERFACE_LANGUAGE names
// it ("fr", "zh-Hans"), English when unset. Texts are kept once looked up, so each
// language runs in a process of its own, filtered to these tests.
inline AppLanguage interfaceLanguageUnderTest() {
    const QByteArray code = qgetenv("VLT_TEST_INTERFACE_LANGUAGE");
    if (code.isEmpty()) return AppLanguage::english;
    return appLanguageFromRawValue(code.toStdString()).value_or(AppLanguage::english);
}

// Installs the language under test, its string tables and its font, for the rest of the
// process (the tables stay until the application object is gone); English, the language
// of every other test here, changes nothing.
inline void installInterfaceLanguageUnderTest() {
    static const InterfaceTranslations* const installed = [] {
        const AppLanguage language = interfaceLanguageUnderTest();
        if (language == AppLanguage::english) return static_cast<InterfaceTranslations*>(nullptr);
        applyInterfaceFont(language);
        return new InterfaceTranslations(language);
    }();
    (void)installed;
}

}  // namespace vlt::testing

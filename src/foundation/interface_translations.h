#pragma once

#include <functional>
#include <memory>

#include <QLocale>
#include <QTranslator>

#include "foundation/app_language.h"

namespace vlt {

// The string tables of one interface language, installed into the running application
// for as long as this object lives: our own texts (compiled in as
// ":/translations/veltrano_<code>.qm") and Qt's own (standard buttons, file, print,
// colour and font dialogs). Numbers and dates follow the same language. English needs
// no table. Create it before the first text is looked up: texts are kept once computed.
class InterfaceTranslations final {
public:
    // Turns each translated text into the text shown, for what Qt's text layout cannot
    // know by itself (where Japanese lines may end).
    using TextPreparation = std::function<QString(const QString&)>;

    explicit InterfaceTranslations(AppLanguage language, TextPreparation prepareText = {});
    ~InterfaceTranslations();
    InterfaceTranslations(const InterfaceTranslations&) = delete;
    InterfaceTranslations& operator=(const InterfaceTranslations&) = delete;

    // False when the language has a table of ours that could not be loaded.
    bool isComplete() const { return complete_; }

    // A text composed of translated pieces ("Current Tab (%1)" with its argument), prepared
    // as a translated text is: where a Japanese line may end changes once an argument
    // stands inside its format. Unchanged when no table is installed.
    static QString prepareComposedText(const QString& composed);

    // ":/translations/veltrano_fr.qm"; "veltrano_zh_Hans.qm" for simplified Chinese.
    static QString tablePath(AppLanguage language);

private:
    std::unique_ptr<QTranslator> own_;
    QTranslator qt_;
    QLocale previousLocale_;
    bool complete_ = true;
};

}  // namespace vlt

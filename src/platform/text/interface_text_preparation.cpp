#include "platform/text/interface_text_preparation.h"

#include "platform/text/japanese_phrase_breaks.h"

namespace vlt {

InterfaceTranslations::TextPreparation interfaceTextPreparation(AppLanguage language) {
    if (language == AppLanguage::japanese) return keepingJapanesePhrasesTogether;
    return {};
}

}  // namespace vlt

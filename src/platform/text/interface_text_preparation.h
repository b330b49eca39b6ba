#pragma once

#include "foundation/app_language.h"
#include "foundation/interface_translations.h"

namespace vlt {

// How the translated texts of `language` are prepared for the screen: Japanese keeps
// its phrases whole at line ends; the other languages wrap as Qt does by itself.
InterfaceTranslations::TextPreparation interfaceTextPreparation(AppLanguage language);

}  // namespace vlt

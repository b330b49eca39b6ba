#pragma once

#include "foundation/app_language.h"

namespace vlt {

// Korean, Japanese and simplified Chinese are written in a family drawn for that
// language (Noto Sans CJK), Latin letters included, so that shared Han characters take
// the language's own shapes; the desktop's family stays behind it for anything else.
// Other languages keep the desktop's family. Call before the first widget is made.
void applyInterfaceFont(AppLanguage language);

}  // namespace vlt

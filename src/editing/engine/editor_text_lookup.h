#pragma once

#include <QString>

#include "foundation/localized_string.h"

namespace vlt {

// Every user-visible text of the editor vocabulary goes through here, so the lookup
// (English text as the key) is chosen in one place.
inline QString editorText(const char* englishText) { return localizedString(englishText); }

}  // namespace vlt

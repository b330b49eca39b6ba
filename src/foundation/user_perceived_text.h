#pragma once

#include <QString>

namespace vlt {

// Text limits count characters as a reader sees them (grapheme clusters), so a cut
// never splits an accented letter, an emoji sequence or a Hangul syllable.

// The number of user-perceived characters.
qsizetype userPerceivedCharacterCount(const QString& text);

// The first `count` user-perceived characters; a shorter text comes back whole.
QString firstUserPerceivedCharacters(const QString& text, qsizetype count);

// Every CR LF pair, then every CR, LF, U+0085, U+2028 and U+2029 becomes one blank.
// Nothing else changes: no trimming, no collapsing of blanks.
QString singleLineText(const QString& text);

}  // namespace vlt

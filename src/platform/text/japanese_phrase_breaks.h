#pragma once

#include <vector>

#include <QString>

namespace vlt {

// Japanese is written without spaces, and Qt's line breaking lets a line end between
// any two kana or kanji, so a wrapped label may split a word ("マウスホ" / "イール").
// Readers expect lines to end between phrases (bunsetsu); ICU finds those.

// The positions (UTF-16 offsets, neither 0 nor the length) between two phrases of
// `text`, where a line may end: ICU's phrases, but never before hiragana that follow a
// letter, since those end the word before them, nor inside a run of kanji and katakana,
// which is one compound ("選択範囲", "比較ラベル").
std::vector<qsizetype> japanesePhraseBoundaries(const QString& text);

// `text` with a word joiner (U+2060, invisible, no width) wherever Qt would end a line
// inside a phrase between two Japanese characters, so that wrapping ends lines between
// phrases only (and inside one only when a phrase is wider than the line). A text of
// one phrase is returned unchanged: it has nowhere better to break.
QString keepingJapanesePhrasesTogether(const QString& text);

// Whether `character` is written as a Japanese letter: kana, kanji, the long-vowel and
// iteration marks.
bool isJapaneseLetter(char32_t character);

}  // namespace vlt

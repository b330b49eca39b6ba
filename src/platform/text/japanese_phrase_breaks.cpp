#include "platform/text/japanese_phrase_breaks.h"

#include <algorithm>
#include <memory>
#include <mutex>

#include <QTextBoundaryFinder>
#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace vlt {
namespace {

constexpr char16_t kWordJoiner = u'\u2060';
constexpr char32_t kProlongedSoundMark = U'\u30FC';

// ICU's line breaking with phrase keeping (its "lw=phrase" option) for Japanese. One
// iterator serves every caller in turn: it holds its text while it runs, and texts are
// translated on any thread.
class PhraseBreaker {
public:
    PhraseBreaker() {
        UErrorCode status = U_ZERO_ERROR;
        iterator_.reset(icu::BreakIterator::createLineInstance(icu::Locale("ja@lw=phrase"), status));
        if (U_FAILURE(status)) iterator_.reset();
    }

    std::vector<qsizetype> boundaries(const QString& text) {
        std::vector<qsizetype> found;
        const std::lock_guard lock(mutex_);
        if (!iterator_ || text.isEmpty()) return found;
        const icu::UnicodeString unicode(reinterpret_cast<const char16_t*>(text.utf16()),
                                         static_cast<int32_t>(text.size()));
        iterator_->setText(unicode);
        for (int32_t at = iterator_->next(); at != icu::BreakIterator::DONE; at = iterator_->next()) {
            if (at < unicode.length()) found.push_back(at);
        }
        return found;
    }

private:
    std::mutex mutex_;
    std::unique_ptr<icu::BreakIterator> iterator_;
};

PhraseBreaker& phraseBreaker() {
    static PhraseBreaker breaker;
    return breaker;
}

char32_t codePointBefore(const QString& text, qsizetype at) {
    const QChar last = text.at(at - 1);
    if (last.isLowSurrogate() && at >= 2 && text.at(at - 2).isHighSurrogate()) {
        return QChar::surrogateToUcs4(text.at(at - 2), last);
    }
    return last.unicode();
}

char32_t codePointAt(const QString& text, qsizetype at) {
    const QChar first = text.at(at);
    if (first.isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate()) {
        return QChar::surrogateToUcs4(first, text.at(at + 1));
    }
    return first.unicode();
}

}  // namespace

bool isJapaneseLetter(char32_t character) {
    switch (QChar::script(character)) {
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Han:
        return true;
    default:
        return character == kProlongedSoundMark;
    }
}

std::vector<qsizetype> japanesePhraseBoundaries(const QString& text) {
    // ICU's phrase model at times parts a kanji from its okurigana ("小|さくします") or a
    // word inside its kana ("くだ|さい"), and it parts compounds into their words
    // ("選択|範囲", "比較|ラベル"). Between two letters a phrase ends only where hiragana
    // (a particle or an ending) meet the kanji or katakana of the next word: kana that
    // follow a letter belong to it, and a run of kanji and katakana is one compound.
    std::vector<qsizetype> boundaries = phraseBreaker().boundaries(text);
    std::erase_if(boundaries, [&text](qsizetype at) {
        const char32_t before = codePointBefore(text, at);
        const char32_t after = codePointAt(text, at);
        if (!isJapaneseLetter(before) || !isJapaneseLetter(after)) return false;
        return QChar::script(after) == QChar::Script_Hiragana || QChar::script(before) != QChar::Script_Hiragana;
    });
    return boundaries;
}

QString keepingJapanesePhrasesTogether(const QString& text) {
    const std::vector<qsizetype> phrases = japanesePhraseBoundaries(text);
    if (phrases.empty()) return text;
    QString joined;
    joined.reserve(text.size() + text.size() / 2);
    qsizetype copied = 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < text.size(); at = finder.toNextBoundary()) {
        const bool mayEndALine = !finder.boundaryReasons().testFlag(QTextBoundaryFinder::MandatoryBreak);
        const bool endsAPhrase = std::binary_search(phrases.begin(), phrases.end(), at);
        if (!mayEndALine || endsAPhrase) continue;
        if (!isJapaneseLetter(codePointBefore(text, at)) || !isJapaneseLetter(codePointAt(text, at))) continue;
        joined += QStringView(text).mid(copied, at - copied);
        joined += QChar(kWordJoiner);
        copied = at;
    }
    joined += QStringView(text).mid(copied);
    return joined;
}

}  // namespace vlt

#include <gtest/gtest.h>

#include <algorithm>

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QTextLayout>

#include "platform/text/japanese_phrase_breaks.h"

namespace vlt {
namespace {

const QString kJoiner(QChar(0x2060));

QFont japaneseFont() {
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(14);
    return font;
}

// Where the lines of `text` start (after the first) when it wraps at `width`, counted in
// the text without its joiners.
std::vector<qsizetype> lineStarts(const QString& text, double width) {
    QTextLayout layout(text, japaneseFont());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) line.setLineWidth(width);
    layout.endLayout();
    std::vector<qsizetype> starts;
    for (int index = 1; index < layout.lineCount(); ++index) {
        const qsizetype start = layout.lineAt(index).textStart();
        starts.push_back(start - text.left(start).count(kJoiner));
    }
    return starts;
}

TEST(JapanesePhraseBreaksTest, PhrasesEndAfterTheirParticlesAndEndings) {
    EXPECT_EQ(japanesePhraseBoundaries(QStringLiteral("変更は破棄されます。")), std::vector<qsizetype>{3});
    const std::vector<qsizetype> wheel = japanesePhraseBoundaries(QStringLiteral("マウスホイールでサイズを変更します"));
    EXPECT_NE(std::find(wheel.begin(), wheel.end(), 8), wheel.end());
    EXPECT_TRUE(std::none_of(wheel.begin(), wheel.end(), [](qsizetype at) { return at < 8; }));
    EXPECT_TRUE(japanesePhraseBoundaries(QString()).empty());
    // A kanji keeps its okurigana, a word its kana, though ICU's model parts them.
    const QString smaller = QStringLiteral("横顔の鼻背のこぶを小さくします。ゆっくり試してください。");
    for (const qsizetype at : japanesePhraseBoundaries(smaller)) {
        EXPECT_NE(smaller.mid(at, 4), QStringLiteral("さくしま"));
        EXPECT_NE(smaller.mid(at, 2), QStringLiteral("さい"));
    }
    const std::vector<qsizetype> kept = japanesePhraseBoundaries(smaller);
    EXPECT_NE(std::find(kept.begin(), kept.end(), smaller.indexOf(QStringLiteral("小"))), kept.end());
}

// At every width that holds the widest phrase, a wrapped text ends its lines between
// phrases only; without the joiners Qt ends them inside words.
TEST(JapanesePhraseBreaksTest, WrappedLinesEndBetweenPhrases) {
    const QString text =
        QStringLiteral("胸のボリュームを減らして縮小のシミュレーションを行います。左右を比較してください。");
    const std::vector<qsizetype> phrases = japanesePhraseBoundaries(text);
    ASSERT_GE(phrases.size(), 6u);
    const QFontMetricsF metrics(japaneseFont());
    double widestPhrase = 0;
    qsizetype from = 0;
    for (const qsizetype to : phrases) {
        widestPhrase = std::max(widestPhrase, metrics.horizontalAdvance(text.mid(from, to - from)));
        from = to;
    }
    widestPhrase = std::max(widestPhrase, metrics.horizontalAdvance(text.mid(from)));

    const QString joined = keepingJapanesePhrasesTogether(text);
    EXPECT_EQ(QString(joined).remove(kJoiner), text);
    bool plainSplitsAWord = false;
    for (double width = std::ceil(widestPhrase); width < metrics.horizontalAdvance(text); width += 5) {
        for (const qsizetype start : lineStarts(joined, width)) {
            EXPECT_NE(std::find(phrases.begin(), phrases.end(), start), phrases.end())
                << "width " << width << ": " << text.left(start).toStdString() << " / "
                << text.mid(start).toStdString();
        }
        for (const qsizetype start : lineStarts(text, width)) {
            plainSplitsAWord |= std::find(phrases.begin(), phrases.end(), start) == phrases.end();
        }
    }
    EXPECT_TRUE(plainSplitsAWord) << "the text no longer shows what the joiners are for";
}

// The joiners take no room and draw nothing; texts with nowhere better to break, and
// whatever is not Japanese (placeholders, mnemonics, Latin words), stay as they are.
TEST(JapanesePhraseBreaksTest, JoinersOnlyGoBetweenJapaneseLettersOfOnePhrase) {
    for (const QString& single : {QStringLiteral("オリジナル"), QStringLiteral("シミュレーション"),
                                  QStringLiteral("Ctrl + mouse wheel"), QString()}) {
        EXPECT_EQ(keepingJapanesePhrasesTogether(single), single);
    }
    const QString saved = QStringLiteral("%1 個の画像を保存しました（&S）");
    const QString joined = keepingJapanesePhrasesTogether(saved);
    EXPECT_NE(joined, saved);
    EXPECT_EQ(QString(joined).remove(kJoiner), saved);
    EXPECT_TRUE(joined.startsWith(QStringLiteral("%1 ")));
    EXPECT_TRUE(joined.endsWith(QStringLiteral("（&S）")));
    for (qsizetype at = joined.indexOf(kJoiner); at >= 0; at = joined.indexOf(kJoiner, at + 1)) {
        EXPECT_TRUE(isJapaneseLetter(joined.at(at - 1).unicode()) && isJapaneseLetter(joined.at(at + 1).unicode()));
    }

    QTextLayout plain(saved, japaneseFont());
    QTextLayout kept(joined, japaneseFont());
    for (QTextLayout* layout : {&plain, &kept}) {
        layout->beginLayout();
        layout->createLine();
        layout->endLayout();
    }
    EXPECT_DOUBLE_EQ(kept.lineAt(0).naturalTextWidth(), plain.lineAt(0).naturalTextWidth());
    for (const QGlyphRun& run : kept.glyphRuns()) EXPECT_FALSE(run.glyphIndexes().contains(0u));
}

}  // namespace
}  // namespace vlt

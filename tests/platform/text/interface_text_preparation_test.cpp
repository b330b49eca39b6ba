#include "platform/text/interface_text_preparation.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTextBoundaryFinder>
#include <QXmlStreamReader>

namespace vlt {
namespace {

const QString kJoiner(QChar(0x2060));

// Words of the Japanese texts built from two or more words, which a phrase model may
// take apart ("選択|範囲"): a reader sees a line ending inside one as a broken word.
const QStringList kCompounds{QStringLiteral("選択範囲"),   QStringLiteral("比較ラベル"),
                             QStringLiteral("連絡先情報"), QStringLiteral("編集キャンバス"),
                             QStringLiteral("ソース画像"), QStringLiteral("画像フォルダー"),
                             QStringLiteral("縦横比")};

QStringList japaneseTranslations() {
    QFile file(QStringLiteral(VLT_TRANSLATIONS_DIR "/veltrano_ja.ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList texts;
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("translation")) {
            texts << reader.readElementText();
        }
    }
    return texts;
}

// Where Qt may end a line of the prepared text, as offsets into the text without joiners.
std::vector<qsizetype> lineEnds(const QString& prepared) {
    std::vector<qsizetype> ends;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, prepared);
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < prepared.size(); at = finder.toNextBoundary()) {
        ends.push_back(at - prepared.left(at).count(kJoiner));
    }
    return ends;
}

// Every Japanese text, as prepared for the screen, keeps these compounds on one line;
// a text that is nothing but the compound has nowhere else to break.
TEST(InterfaceTextPreparationTest, JapaneseCompoundsStayWholeInEveryText) {
    const InterfaceTranslations::TextPreparation prepare = interfaceTextPreparation(AppLanguage::japanese);
    int compoundsSeen = 0;
    for (const QString& text : japaneseTranslations()) {
        const QString prepared = prepare(text);
        ASSERT_EQ(QString(prepared).remove(kJoiner), text);
        const std::vector<qsizetype> ends = lineEnds(prepared);
        for (const QString& compound : kCompounds) {
            if (text == compound) continue;
            for (qsizetype at = text.indexOf(compound); at >= 0; at = text.indexOf(compound, at + 1)) {
                ++compoundsSeen;
                for (const qsizetype end : ends) {
                    EXPECT_FALSE(end > at && end < at + compound.size())
                        << text.left(end).toStdString() << " / " << text.mid(end).toStdString();
                }
            }
        }
    }
    EXPECT_GE(compoundsSeen, 25) << "the texts no longer hold the compounds";
}

}  // namespace
}  // namespace vlt

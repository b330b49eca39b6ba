#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGlyphRun>
#include <QTextLayout>
#include <QXmlStreamReader>

#include "ui/interface_font.h"

namespace vlt {
namespace {

// Every translation of a .ts file.
QStringList translationsOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QStringList texts;
    QXmlStreamReader reader(&file);
    while (reader.readNextStartElement() || !reader.atEnd()) {
        if (reader.isStartElement() && reader.name() == QLatin1String("translation")) texts << reader.readElementText();
    }
    return texts;
}

// The characters of `text` that come out as the missing-glyph box in `font`, after
// Qt's own fallback through every installed family.
QString uncoveredCharacters(const QString& text, const QFont& font) {
    QString missing;
    for (const QString& line : text.split(u'\n')) {
        QTextLayout layout(line, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns()) {
            if (run.glyphIndexes().contains(0u)) missing += line;
        }
    }
    return missing;
}

// Each language's texts, drawn with the fonts the application uses for that language
// (its families, regular and bold, and the monospaced one), have a glyph for every
// character.
TEST(TranslationFontsTest, EveryTranslatedTextHasAGlyphForEachCharacter) {
    const QFont initial = QApplication::font();
    const QStringList files = QDir(QStringLiteral(VLT_TRANSLATIONS_DIR)).entryList({QStringLiteral("*.ts")});
    ASSERT_EQ(files.size(), 8);
    for (const QString& name : files) {
        const QString code = name.mid(9, name.size() - 12).replace(u'_', u'-');
        SCOPED_TRACE(code.toStdString());
        QApplication::setFont(initial);
        applyInterfaceFont(appLanguageFromRawValue(code.toStdString()).value());
        QFont bold = QApplication::font();
        bold.setWeight(QFont::Bold);
        QFont monospaced(QStringLiteral("DejaVu Sans Mono"));
        for (const QString& text : translationsOf(QStringLiteral(VLT_TRANSLATIONS_DIR "/") + name)) {
            for (const QFont& font : {QApplication::font(), bold, monospaced}) {
                EXPECT_EQ(uncoveredCharacters(text, font), QString()) << font.family().toStdString();
            }
        }
    }
    QApplication::setFont(initial);
}

}  // namespace
}  // namespace vlt

#include "foundation/user_perceived_text.h"

#include <QTextBoundaryFinder>

namespace vlt {

qsizetype userPerceivedCharacterCount(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() > 0) ++count;
    return count;
}

QString firstUserPerceivedCharacters(const QString& text, qsizetype count) {
    // A character takes at least one UTF-16 unit, so a text this short cannot be too long.
    if (text.size() <= count) return text;
    if (count <= 0) return QString();
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (qsizetype taken = 0; taken < count; ++taken) {
        end = finder.toNextBoundary();
        if (end < 0) return text;
    }
    return text.left(end);
}

QString singleLineText(const QString& text) {
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (char16_t lineBreak : {u'\r', u'\n', u'\u0085', u'\u2028', u'\u2029'}) {
        result.replace(QChar(lineBreak), QChar(u' '));
    }
    return result;
}

}  // namespace vlt

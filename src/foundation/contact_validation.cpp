#include "foundation/contact_validation.h"

#include <QStringList>
#include <QRegularExpression>
#include <QUrl>

#include "foundation/user_perceived_text.h"

namespace vlt {

namespace {

constexpr qsizetype kMaximumEmailCharacters = 254;
constexpr qsizetype kMaximumWebsiteCharacters = 500;

// Applies `test` to every Unicode scalar of the text.
template <typename Test>
bool allScalars(const QString& text, Test test) {
    const QList<uint> scalars = text.toUcs4();
    for (uint scalar : scalars) {
        if (!test(char32_t(scalar))) return false;
    }
    return true;
}

bool containsWhitespaceOrLineBreak(const QString& text) {
    return !allScalars(text, [](char32_t scalar) { return !QChar::isSpace(scalar); });
}

bool isLetterDigitOrMark(char32_t scalar) { return QChar::isLetterOrNumber(scalar) || QChar::isMark(scalar); }

// Non-empty, no "-" at either end, only letters, digits and "-".
bool isValidDomainLabel(const QString& label) {
    if (label.isEmpty() || label.startsWith(u'-') || label.endsWith(u'-')) return false;
    return allScalars(label, [](char32_t scalar) { return scalar == U'-' || isLetterDigitOrMark(scalar); });
}

// At least two labels, each one valid.
bool isValidDomain(const QString& domain) {
    const QStringList labels = domain.split(u'.', Qt::KeepEmptyParts);
    if (labels.size() < 2) return false;
    for (const QString& label : labels) {
        if (!isValidDomainLabel(label)) return false;
    }
    return true;
}

bool isAsciiDigits(const QString& text) {
    for (QChar character : text) {
        if (character < u'0' || character > u'9') return false;
    }
    return true;
}

// Four dot-separated decimal numbers below 256.
bool isNumericIPv4Address(const QString& host) {
    const QStringList parts = host.split(u'.', Qt::KeepEmptyParts);
    if (parts.size() != 4) return false;
    for (const QString& part : parts) {
        if (part.isEmpty() || !isAsciiDigits(part)) return false;
        bool parsed = false;
        const qulonglong value = part.toULongLong(&parsed);
        if (!parsed || value >= 256) return false;
    }
    return true;
}

bool isOnlyNumbersAndDots(const QString& host) {
    return allScalars(host, [](char32_t scalar) { return scalar == U'.' || QChar::isNumber(scalar); });
}

bool isValidWebsiteHost(const QString& host) {
    if (isNumericIPv4Address(host)) return true;
    if (host.contains(u':')) return true;
    if (isOnlyNumbersAndDots(host)) return false;
    const QString name = host.startsWith(QStringLiteral("www."), Qt::CaseInsensitive) ? host.mid(4) : host;
    return isValidDomain(name);
}

// The host exactly as written: the text between "//" (after any user information) and
// the port, path, query or fragment. Taken from the text itself because QUrl would
// rewrite numeric shorthands such as "1.2.3" into an address.
QString writtenHost(const QString& text) {
    const qsizetype authorityStart = text.indexOf(QStringLiteral("://"));
    if (authorityStart < 0) return QString();
    QString authority = text.mid(authorityStart + 3);
    const qsizetype authorityEnd = authority.indexOf(QRegularExpression(QStringLiteral("[/?#]")));
    if (authorityEnd >= 0) authority.truncate(authorityEnd);
    const qsizetype userInfoEnd = authority.lastIndexOf(u'@');
    if (userInfoEnd >= 0) authority.remove(0, userInfoEnd + 1);
    if (authority.startsWith(u'[')) {
        const qsizetype literalEnd = authority.indexOf(u']');
        return literalEnd < 0 ? QString() : authority.left(literalEnd + 1);
    }
    const qsizetype portStart = authority.lastIndexOf(u':');
    return portStart >= 0 ? authority.left(portStart) : authority;
}

}  // namespace

bool isValidContactEmail(const QString& text) {
    if (text.isEmpty()) return true;
    if (userPerceivedCharacterCount(text) > kMaximumEmailCharacters) return false;
    if (containsWhitespaceOrLineBreak(text)) return false;
    const QStringList pieces = text.split(u'@', Qt::KeepEmptyParts);
    if (pieces.size() != 2 || pieces[0].isEmpty() || pieces[1].isEmpty()) return false;
    const QString& localPart = pieces[0];
    if (localPart.startsWith(u'.') || localPart.endsWith(u'.') || localPart.contains(QStringLiteral("..")))
        return false;
    return isValidDomain(pieces[1]);
}

bool isValidContactWebsite(const QString& text) {
    if (text.isEmpty()) return true;
    if (userPerceivedCharacterCount(text) > kMaximumWebsiteCharacters) return false;
    if (containsWhitespaceOrLineBreak(text)) return false;
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid()) return false;
    const QString scheme = url.scheme();
    if (scheme.compare(QStringLiteral("http"), Qt::CaseInsensitive) != 0 &&
        scheme.compare(QStringLiteral("https"), Qt::CaseInsensitive) != 0) {
        return false;
    }
    if (url.host().isEmpty()) return false;
    const QString host = writtenHost(text);
    return !host.isEmpty() && isValidWebsiteHost(host);
}

}  // namespace vlt

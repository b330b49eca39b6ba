#include "app/help_links.h"

#include <QDesktopServices>

namespace vlt {

namespace {

constexpr auto kDocumentationHost = "docs.veltrano.com";
constexpr auto kWebsiteHost = "www.veltrano.com";

QUrl siteRoot(const char* host) {
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(QString::fromLatin1(host));
    return url;
}

}  // namespace

const QUrl& HelpLinks::documentationURL() {
    static const QUrl url = siteRoot(kDocumentationHost);
    return url;
}

const QUrl& HelpLinks::websiteURL() {
    static const QUrl url = siteRoot(kWebsiteHost);
    return url;
}

QString HelpLinks::supportPathCode(AppLanguage language) {
    switch (language) {
    case AppLanguage::english:
        return QStringLiteral("en");
    case AppLanguage::french:
        return QStringLiteral("fr");
    case AppLanguage::spanish:
        return QStringLiteral("es");
    case AppLanguage::brazilianPortuguese:
        return QStringLiteral("pt-br");
    case AppLanguage::korean:
        return QStringLiteral("ko");
    case AppLanguage::japanese:
        return QStringLiteral("ja");
    case AppLanguage::italian:
        return QStringLiteral("it");
    case AppLanguage::turkish:
        return QStringLiteral("tr");
    case AppLanguage::simplifiedChinese:
        return QStringLiteral("zh-hans");
    }
    return QStringLiteral("en");
}

QUrl HelpLinks::supportPageURL(AppLanguage language) {
    QUrl url = websiteURL();
    url.setPath(QStringLiteral("/") + supportPathCode(language) + QStringLiteral("/support"));
    return url;
}

void HelpLinks::openDocumentation() { QDesktopServices::openUrl(documentationURL()); }

void HelpLinks::openSupportPage(AppLanguage interfaceLanguage) {
    QDesktopServices::openUrl(supportPageURL(interfaceLanguage));
}

}  // namespace vlt

#include "app/help_links.h"

#include <QMessageBox>
#include <QPointer>

#include "foundation/localized_string.h"
#include "platform/desktop/default_application_opener.h"

namespace vlt {

namespace {

constexpr auto kDocumentationHost = "docs.veltrano.com";
constexpr auto kWebsiteHost = "www.veltrano.com";

// Through xdg-open, whose exit status tells whether a browser took the page and whose
// messages stay out of our log.
void openPage(const QUrl& page, const QString& failureText, QWidget* window) {
    QPointer<QWidget> guard(window);
    openWithDefaultApplication(page.toString(), [guard, page, failureText](bool opened) {
        if (opened || !guard) return;
        auto* alert = new QMessageBox(QMessageBox::Warning, QString(), failureText, QMessageBox::Ok, guard);
        alert->setInformativeText(page.toString());
        alert->setTextInteractionFlags(Qt::TextSelectableByMouse);
        alert->setAttribute(Qt::WA_DeleteOnClose);
        alert->setWindowModality(Qt::WindowModal);
        alert->open();
    });
}

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

void HelpLinks::openDocumentation(QWidget* window) {
    openPage(documentationURL(), localizedString("No web browser could open the documentation."), window);
}

void HelpLinks::openSupportPage(AppLanguage interfaceLanguage, QWidget* window) {
    openPage(supportPageURL(interfaceLanguage), localizedString("No web browser could open the support page."), window);
}

}  // namespace vlt

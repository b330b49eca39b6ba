#include "app/about_panel.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "ui/application_accent_color.h"
#include "app/help_links.h"
#include "foundation/localized_string.h"
#include "veltrano_version.h"

namespace vlt {

QString AboutPanel::applicationVersion() {
    const QString version = QString::fromUtf8(version::kShortVersion);
    if (version.isEmpty()) return localizedString("unknown");
    return version;
}

QString AboutPanel::creditsHtml() {
    const QUrl& website = HelpLinks::websiteURL();
    return QStringLiteral("<a href=\"%1\" style=\"color:%2; text-decoration:none;\">%3</a>")
        .arg(website.toString(QUrl::FullyEncoded), applicationAccentColor().name(), website.host().toHtmlEscaped());
}

void AboutPanel::present(QWidget* parent) {
    static QPointer<QMessageBox> panel;
    if (!panel) {
        panel = new QMessageBox(parent);
        panel->setAttribute(Qt::WA_DeleteOnClose);
        panel->setObjectName(QStringLiteral("aboutPanel"));
        panel->setWindowTitle(applicationName());
        panel->setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
        panel->setTextFormat(Qt::RichText);
        panel->setText(
            QStringLiteral("<b>%1</b><br>%2<br><br>%3")
                .arg(applicationName().toHtmlEscaped(), applicationVersion().toHtmlEscaped(), creditsHtml()));
        panel->setTextInteractionFlags(Qt::TextBrowserInteraction);
        panel->setStandardButtons(QMessageBox::Ok);
        panel->setWindowModality(Qt::NonModal);
    }
    panel->show();
    panel->raise();
    panel->activateWindow();
}

}  // namespace vlt

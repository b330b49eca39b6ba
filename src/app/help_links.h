#pragma once

#include <QString>
#include <QUrl>

class QWidget;

#include "foundation/app_language.h"

namespace vlt {

// The web pages the Help menu opens: the documentation site and the product site's
// support page, whose path names the interface language.
class HelpLinks {
public:
    HelpLinks() = delete;

    static const QUrl& documentationURL();
    static const QUrl& websiteURL();
    // "pt-br" and "zh-hans" rather than the languages' own codes: the site's paths.
    static QString supportPathCode(AppLanguage language);
    // The web site with the two path components "<code>/support", no trailing slash.
    static QUrl supportPageURL(AppLanguage language);

    // Open in the user's default browser. When none takes the address, an alert on the
    // window says so and shows the address to copy.
    static void openDocumentation(QWidget* window);
    // The support page in the language the interface is shown in, not the one
    // chosen for the next launch.
    static void openSupportPage(AppLanguage interfaceLanguage, QWidget* window);
};

}  // namespace vlt

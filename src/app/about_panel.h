#pragma once

#include <QString>

class QWidget;

namespace vlt {

// The standard About panel: the product name, the version, and the web site's host
// as a link in the brand colour.
class AboutPanel {
public:
    AboutPanel() = delete;

    static QString applicationName() { return QStringLiteral("Veltrano"); }
    // This build's version, or "unknown" (localized) when the build carries none.
    static QString applicationVersion();
    // Rich text: the web site's host, linked to the site, in the brand colour.
    static QString creditsHtml();

    // Shows the panel (one at a time) and brings it to the front.
    static void present(QWidget* parent);
};

}  // namespace vlt

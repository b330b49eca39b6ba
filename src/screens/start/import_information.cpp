#include "screens/start/import_information.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QVBoxLayout>

#include "screens/start/startup_palette.h"
#include "foundation/localized_string.h"
#include "ui/text_style.h"

namespace vlt {

ImportInformation::ImportInformation(QWidget* parent) : QWidget(parent) {
    const QFont callout = textStyleFont(TextStyle::callout);

    auto* formats = new QLabel(localizedString("Supported images: JPEG · PNG · BMP · TIFF · HEIC/HEIF"), this);
    formats->setObjectName(QStringLiteral("supportedFormats"));
    formats->setFont(callout);
    formats->setWordWrap(true);
    QPalette palette = formats->palette();
    palette.setColor(QPalette::WindowText, StartupPalette::bodyText());
    formats->setPalette(palette);

    auto* lock = new QSvgWidget(QStringLiteral(":/icons/lock.svg"), this);
    lock->setFixedSize(13, 13);
    lock->renderer()->setAspectRatioMode(Qt::KeepAspectRatio);

    const QColor& fadedBody = StartupPalette::bodyText();
    auto* privacy = new QLabel(this);
    privacy->setObjectName(QStringLiteral("privacyPromise"));
    privacy->setFont(callout);
    privacy->setWordWrap(true);
    privacy->setTextFormat(Qt::RichText);
    privacy->setText(
        QStringLiteral("<span style=\"color:%1; font-weight:600\">%2</span><span style=\"color:%3\">%4</span>")
            .arg(
                StartupPalette::bodyText().name(QColor::HexRgb), localizedString("Privacy safe: ").toHtmlEscaped(),
                QStringLiteral("rgba(%1,%2,%3,0.82)").arg(fadedBody.red()).arg(fadedBody.green()).arg(fadedBody.blue()),
                localizedString("Your images are never uploaded or transmitted to us.").toHtmlEscaped()));
    privacy->setAccessibleName(localizedString("Privacy safe: ") +
                               localizedString("Your images are never uploaded or transmitted to us."));

    auto* privacyRow = new QHBoxLayout;
    privacyRow->setSpacing(7);
    privacyRow->addWidget(lock, 0, Qt::AlignVCenter);
    privacyRow->addWidget(privacy, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 15, 22, 15);
    layout->setSpacing(9);
    layout->addWidget(formats);
    layout->addLayout(privacyRow);
}

void ImportInformation::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(StartupPalette::border(), 1.0));
    painter.setBrush(StartupPalette::surface());
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 9.5, 9.5);
}

}  // namespace vlt

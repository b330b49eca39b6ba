#include "screens/start/brand_header.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "screens/start/startup_palette.h"
#include "screens/start/vlt_brand_mark.h"
#include "foundation/localized_string.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

constexpr double kMarkCornerRadius = 20.0;

// The 88-point logo tile: the mark clipped to a rounded square whose inner half of a
// faint accent outline stays visible.
class BrandMarkFrame final : public QWidget {
public:
    explicit BrandMarkFrame(QWidget* parent) : QWidget(parent) {
        setFixedSize(88, 88);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        QPainterPath tile;
        tile.addRoundedRect(QRectF(rect()), kMarkCornerRadius, kMarkCornerRadius);
        painter.setClipPath(tile);
        VLTBrandMark::paint(painter, QRectF(rect()));
        QColor outline = StartupPalette::accent();
        outline.setAlphaF(0.18f);
        painter.setPen(QPen(outline, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.25, 0.25, -0.25, -0.25), kMarkCornerRadius,
                                kMarkCornerRadius);
    }
};

void setTextColour(QLabel& label, const QColor& colour) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

}  // namespace

BrandHeader::BrandHeader(QWidget* parent) : QWidget(parent) {
    markFrame_ = new BrandMarkFrame(this);

    name_ = new QLabel(QStringLiteral("Veltrano"), this);
    name_->setFont(textStyleFont(TextStyle::largeTitle, QFont::DemiBold));
    setTextColour(*name_, StartupPalette::ink());

    auto* bar = new QWidget(this);
    bar->setFixedSize(30, 2);
    QPalette barPalette = bar->palette();
    barPalette.setColor(QPalette::Window, StartupPalette::accentLight());
    bar->setPalette(barPalette);
    bar->setAutoFillBackground(true);

    static const QString taglineText = localizedString("Reshaping previews for patient consultations");
    auto* tagline = new QLabel(taglineText, this);
    tagline->setFont(textStyleFont(TextStyle::body));
    setTextColour(*tagline, StartupPalette::bodyText());

    auto* taglineRow = new QHBoxLayout;
    taglineRow->setSpacing(10);
    taglineRow->addWidget(bar, 0, Qt::AlignVCenter);
    taglineRow->addWidget(tagline, 0, Qt::AlignVCenter);

    auto* text = new QVBoxLayout;
    text->setSpacing(7);
    text->addWidget(name_);
    text->addLayout(taglineRow);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(20);
    layout->addStretch(1);
    layout->addWidget(markFrame_, 0, Qt::AlignVCenter);
    layout->addLayout(text);
    layout->addStretch(1);

    setAccessibleName(QStringLiteral("Veltrano, ") + taglineText);
}

}  // namespace vlt

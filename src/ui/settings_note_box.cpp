#include "ui/settings_note_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSvgRenderer>
#include <QSvgWidget>

#include "ui/settings_section_layout.h"
#include "ui/modal_palette.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

constexpr int kImageSide = 18;
constexpr double kExtraLineSpacing = 2.0;

}  // namespace

SettingsNoteBox::SettingsNoteBox(const QString& text, const QString& imageName, QWidget* parent)
    : SettingsNoticeFrame(parent), plainText_(text) {
    const QFont font = textStyleFont(TextStyle::callout);
    text_ = makeSettingsLabel(QString(), font, ModalPalette::textSecondary(), this, true);
    // The lines stand a little further apart than the font's own spacing.
    const double lineSpacing = QFontMetricsF(font).lineSpacing();
    const int percent = qRound(100.0 * (lineSpacing + kExtraLineSpacing) / lineSpacing);
    text_->setTextFormat(Qt::RichText);
    text_->setText(QStringLiteral("<div style=\"line-height:%1%\">%2</div>").arg(percent).arg(text.toHtmlEscaped()));
    text_->setAccessibleName(text);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(padding, padding, padding, padding);
    row->setSpacing(10);
    if (!imageName.isEmpty()) {
        auto* image = new QSvgWidget(QStringLiteral(":/icons/%1.svg").arg(imageName), this);
        image->renderer()->setAspectRatioMode(Qt::KeepAspectRatio);
        image->setFixedSize(kImageSide, kImageSide);
        image->setAccessibleName(QString());
        row->addWidget(image, 0, Qt::AlignVCenter);
    }
    row->addWidget(text_, 1, Qt::AlignVCenter);
}

}  // namespace vlt

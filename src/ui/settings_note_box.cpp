#include "ui/settings_note_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSvgRenderer>
#include <QSvgWidget>

#include "ui/ink_fitting_label.h"
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
    // Rich text is drawn clipped to its document: the room for marks above capitals
    // (Turkish "İ") and cedillas below is part of it. A document drops the top margin of
    // its first paragraph; a table around it keeps it.
    const int markRoom = InkFittingLabel::markRoom(font, text);
    text_->setTextFormat(Qt::RichText);
    text_->setText(QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\" "
                                  "style=\"margin-top:%1px; margin-bottom:%1px\"><tr><td>"
                                  "<div style=\"line-height:%2%\">%3</div></td></tr></table>")
                       .arg(markRoom)
                       .arg(percent)
                       .arg(text.toHtmlEscaped()));
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

#include "screens/start/shortcut_item.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "screens/start/startup_palette.h"
#include "ui/ink_fitting_label.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

class KeyChip final : public QLabel {
public:
    KeyChip(const QString& text, QWidget* parent) : QLabel(text, parent) {
        setFont(textStyleFont(TextStyle::body, QFont::DemiBold));
        setAlignment(Qt::AlignCenter);
        setWordWrap(true);
        setContentsMargins(11, 5, 11, 5);
        QPalette palette = this->palette();
        palette.setColor(QPalette::WindowText, StartupPalette::accent());
        setPalette(palette);
        // Its height follows its width: a line longer than the item wraps, and the
        // layout must leave room for that.
        QSizePolicy policy(QSizePolicy::Maximum, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

    // As wide as the longest line, so a short chip hugs its text.
    QSize sizeHint() const override {
        int textWidth = 0;
        for (const QString& line : text().split(QLatin1Char('\n')))
            textWidth = std::max(textWidth, fontMetrics().horizontalAdvance(line));
        const int width = textWidth + 22 + 1;
        return {width, heightForWidth(width)};
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        {
            QPainter painter(this);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(StartupPalette::keyBorder(), 1.0));
            painter.setBrush(StartupPalette::keyFill());
            painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5.5, 5.5);
        }
        QLabel::paintEvent(event);
    }
};

}  // namespace

ShortcutItem::ShortcutItem(const QString& title, const QString& shortcut, QWidget* parent) : QWidget(parent) {
    // Capitals with marks (Turkish "GÖRÜNTÜ", French "DÉPLACER") rise above the font's
    // line; the caption is as tall as their ink.
    caption_ = new InkFittingLabel(title, this);
    QFont captionFont = textStyleFont(TextStyle::callout);
    captionFont.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    caption_->setFont(captionFont);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setWordWrap(true);
    QPalette captionPalette = caption_->palette();
    captionPalette.setColor(QPalette::WindowText, StartupPalette::secondaryText());
    caption_->setPalette(captionPalette);

    chip_ = new KeyChip(shortcut, this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addStretch(1);
    // The caption takes the item's whole width, so that the width it wraps at is the one
    // its height was measured for (a longer translation runs onto a second line).
    layout->addWidget(caption_);
    layout->addWidget(chip_, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

}  // namespace vlt

#include "screens/editor/editor_persistent_message.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "editing/session/editor_help_texts.h"
#include "screens/editor/editor_font.h"
#include "screens/editor/editor_label_button.h"
#include "screens/editor/editor_message_close_icon.h"
#include "screens/editor/editor_paragraph_label.h"
#include "screens/editor/editor_plain_button_style.h"
#include "screens/editor/editor_screen_texts.h"

namespace vlt {
namespace {

constexpr double kCornerRadius = 4.0;
constexpr double kTextSize = 14.0;
constexpr int kFillGrey = 32;
constexpr double kFillOpacity = 0.8;
constexpr double kIconSide = 12.0;

}  // namespace

EditorPersistentMessage::EditorPersistentMessage(std::function<void()> dismiss, QWidget* parent)
    : QWidget(parent),
      text_(new EditorParagraphLabel(editorSystemFont(kTextSize), Qt::white, 0.0, this)),
      dismissButton_(new EditorLabelButton(EditorPlainButtonStyle::shared(), QString(), this)) {
    setObjectName(QStringLiteral("editorPersistentMessage"));
    dismissButton_->setFixedSize(kDismissSide, kDismissSide);
    dismissButton_->setForegroundOverride(QColor(Qt::white));
    dismissButton_->setLeadingGlyph(EditorButtonGlyph{[](QPainter& painter, const QRectF& frame, const QColor& color) {
                                                          EditorMessageCloseIcon{}.paint(painter, frame, color);
                                                      },
                                                      QSizeF(kIconSide, kIconSide), std::nullopt});
    dismissButton_->setAccessibleName(EditorScreenTexts::dismissEditorMessage());
    dismissButton_->setToolTip(EditorHelpTexts::dismiss());
    connect(dismissButton_, &QAbstractButton::clicked, this, [dismiss = std::move(dismiss)] {
        if (dismiss) dismiss();
    });
}

void EditorPersistentMessage::setMessage(const QString& message) { text_->setText(message); }

QString EditorPersistentMessage::message() const { return text_->text(); }

int EditorPersistentMessage::textWidthWithin(int availableWidth) const {
    const QFontMetricsF metrics(text_->font());
    double widest = 0.0;
    for (const QString& line : text_->text().split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const int chrome = 2 * kHorizontalPadding + kSpacing + kDismissSide;
    const int limit = std::max(chrome + 1, std::min(availableWidth, kMaximumWidth));
    return std::min(static_cast<int>(std::ceil(widest)), limit - chrome);
}

QSize EditorPersistentMessage::sizeWithin(int availableWidth) const {
    const int textWidth = textWidthWithin(availableWidth);
    const int textHeight = text_->heightForWidth(textWidth);
    return {textWidth + 2 * kHorizontalPadding + kSpacing + kDismissSide,
            std::max(textHeight, kDismissSide) + 2 * kVerticalPadding};
}

void EditorPersistentMessage::resizeEvent(QResizeEvent*) {
    const int textWidth = width() - 2 * kHorizontalPadding - kSpacing - kDismissSide;
    const int textHeight = text_->heightForWidth(textWidth);
    const int rowHeight = height() - 2 * kVerticalPadding;
    text_->setGeometry(kHorizontalPadding, kVerticalPadding + (rowHeight - textHeight) / 2, textWidth, textHeight);
    dismissButton_->move(width() - kHorizontalPadding - kDismissSide,
                         kVerticalPadding + (rowHeight - kDismissSide) / 2);
}

void EditorPersistentMessage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
    QColor fill(kFillGrey, kFillGrey, kFillGrey);
    fill.setAlphaF(kFillOpacity);
    painter.fillPath(shape, fill);
}

}  // namespace vlt

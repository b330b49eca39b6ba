#include "screens/editor/suggestion_hint_box.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "screens/editor/editor_font.h"
#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_paragraph_label.h"

namespace vlt {
namespace {

constexpr double kTextSize = 12.5;
constexpr double kLineSpacing = 6.5;
constexpr int kHorizontalInset = 11;
constexpr int kVerticalInset = 10;
constexpr double kCornerRadius = 6.0;

}  // namespace

SuggestionHintBox::SuggestionHintBox(QWidget* parent)
    : QWidget(parent),
      label_(new EditorParagraphLabel(editorSystemFont(kTextSize), EditorPalette::suggestionHintText(), kLineSpacing,
                                      this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kHorizontalInset, kVerticalInset, kHorizontalInset, kVerticalInset);
    layout->addWidget(label_);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void SuggestionHintBox::setHint(const QString& hint) { label_->setText(hint); }

QString SuggestionHintBox::hint() const { return label_->text(); }

void SuggestionHintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);
    painter.fillPath(shape, EditorPalette::suggestionHintFill());
    painter.setPen(QPen(EditorPalette::suggestionHintBorder(), 1.0));
    painter.drawPath(shape);
}

}  // namespace vlt

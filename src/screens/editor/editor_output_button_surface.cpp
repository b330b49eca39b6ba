#include "screens/editor/editor_output_button_surface.h"

#include <QMenu>
#include <QPainter>
#include <QPainterPath>

#include "screens/editor/editor_icon.h"
#include "screens/editor/editor_output_chevron.h"
#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_plain_button_style.h"
#include "screens/editor/editor_screen_texts.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

constexpr double kCornerRadius = 5.0;
constexpr double kLeadingPadding = 15.0;
constexpr double kIconSide = 20.0;
constexpr double kIconSpacing = 9.0;
constexpr double kChevronSide = 12.0;
constexpr int kRuleAlpha = 71;

}  // namespace

EditorOutputButtonSurface::EditorOutputButtonSurface(QWidget* parent)
    : EditorButton(EditorPlainButtonStyle::shared(), parent) {
    setFixedSize(kWidth, kHeight);
    setFont(textStyleFont(TextStyle::body, QFont::DemiBold));
    setText(EditorScreenTexts::output());
    setToolTip(EditorScreenTexts::output());
    setForegroundOverride(QColor(Qt::white));
    connect(this, &QAbstractButton::clicked, this, &EditorOutputButtonSurface::openMenu);
}

QSizeF EditorOutputButtonSurface::contentSize() const { return {kWidth, kHeight}; }

void EditorOutputButtonSurface::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setOpacity(buttonStyle().opacity(state()));
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
        painter.fillPath(shape, EditorPalette::ink());
    }
    EditorButton::paintEvent(event);
}

void EditorOutputButtonSurface::paintContent(QPainter& painter, const QRectF& contentRect, const QColor& foreground) {
    const double chevronCellLeft = contentRect.right() - kChevronCellWidth;
    const double ruleLeft = chevronCellLeft - 1.0;
    const double midY = contentRect.center().y();

    const QRectF iconFrame(contentRect.left() + kLeadingPadding, midY - kIconSide / 2.0, kIconSide, kIconSide);
    EditorIcon::paint(painter, iconFrame, QStringLiteral("editor-output"));

    const double textLeft = iconFrame.right() + kIconSpacing;
    painter.setFont(font());
    painter.setPen(foreground);
    painter.drawText(QRectF(textLeft, contentRect.top(), ruleLeft - textLeft, contentRect.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());

    painter.fillRect(QRectF(ruleLeft, contentRect.top(), 1.0, contentRect.height()), QColor(255, 255, 255, kRuleAlpha));

    const QRectF chevronFrame(chevronCellLeft + (kChevronCellWidth - kChevronSide) / 2.0, midY - kChevronSide / 2.0,
                              kChevronSide, kChevronSide);
    EditorOutputChevron{}.paint(painter, chevronFrame, foreground);
}

void EditorOutputButtonSurface::openMenu() {
    if (!menu_) return;
    menu_->popup(mapToGlobal(QPoint(0, height())));
}

}  // namespace vlt

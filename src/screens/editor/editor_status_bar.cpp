#include "screens/editor/editor_status_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

#include "editing/session/editor_session.h"
#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_screen_texts.h"
#include "ui/text_style.h"

namespace vlt {

EditorStatusBar::EditorStatusBar(const EditorSession& session, QWidget* parent)
    : QWidget(parent), sizeText_(new QLabel(this)) {
    constexpr int kSidePadding = 12;
    constexpr int kSpacing = 8;
    setObjectName(QStringLiteral("editorStatusBar"));
    setFixedHeight(kHeight);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(kSidePadding, 1, kSidePadding, 0);
    row->setSpacing(kSpacing);
    row->addStretch(1);
    const ImageSize size = session.canvasSize();
    sizeText_->setText(EditorScreenTexts::editingCanvasSize(size.width, size.height));
    sizeText_->setFont(textStyleFont(TextStyle::subheadline));
    QPalette colors = sizeText_->palette();
    colors.setColor(QPalette::WindowText, EditorPalette::mutedText());
    sizeText_->setPalette(colors);
    row->addWidget(sizeText_);
}

void EditorStatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(QRect(0, 0, width(), 1), EditorPalette::divider());
}

}  // namespace vlt

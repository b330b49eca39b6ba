#include "ui/selectable_name_list.h"

#include <cmath>
#include <memory>

#include <QResizeEvent>
#include <QScrollBar>
#include <QTextDocument>

namespace vlt {

SelectableNameList::SelectableNameList(const QFont& font, const QColor& colour, QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setAcceptRichText(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Selecting is done with the mouse; Tab moves on through the dialog.
    setFocusPolicy(Qt::ClickFocus);
    setTabChangesFocus(true);
    document()->setDocumentMargin(0);
    setFont(font);
    viewport()->setAutoFillBackground(false);
    setStyleSheet(QStringLiteral("QTextEdit { background: transparent; }"));
    QPalette colours = palette();
    colours.setColor(QPalette::Text, colour);
    setPalette(colours);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void SelectableNameList::setNames(const QStringList& names) {
    if (names == this->names()) return;
    setPlainText(names.join(QLatin1Char('\n')));
    updateGeometry();
}

QStringList SelectableNameList::names() const {
    const QString text = toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

int SelectableNameList::heightForWidth(int width) const {
    if (document()->isEmpty()) return 0;
    // Measured on a copy, so that asking never lays out the shown text anew.
    const std::unique_ptr<QTextDocument> measured(document()->clone());
    measured->setDefaultFont(font());
    measured->setDocumentMargin(document()->documentMargin());
    measured->setTextWidth(-1);
    const QSizeF lines = measured->size();
    const bool scrolls = std::ceil(lines.width()) > width;
    return static_cast<int>(std::ceil(lines.height())) + (scrolls ? horizontalScrollBar()->sizeHint().height() : 0);
}

QSize SelectableNameList::sizeHint() const {
    const int width = fontMetrics().averageCharWidth() * 20;
    return {width, heightForWidth(width)};
}

QSize SelectableNameList::minimumSizeHint() const { return {fontMetrics().averageCharWidth(), 0}; }

void SelectableNameList::resizeEvent(QResizeEvent* event) {
    QTextEdit::resizeEvent(event);
    // A new width may call for the scroll bar or do without it.
    if (event->size().width() != event->oldSize().width()) updateGeometry();
}

}  // namespace vlt

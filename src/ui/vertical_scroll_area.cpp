#include "ui/vertical_scroll_area.h"

#include <QScrollBar>

namespace vlt {
namespace {

constexpr int kScrollerWidth = 6;

const QString& slimScrollerStyle() {
    static const QString style = QStringLiteral(
        "QScrollBar:vertical { background: transparent; width: 6px; margin: 2px 0 2px 0; }"
        "QScrollBar::handle:vertical { background: rgba(0, 0, 0, 60); border-radius: 3px; min-height: 24px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }");
    return style;
}

}  // namespace

VerticalScrollArea::VerticalScrollArea(QWidget* parent) : QScrollArea(parent) {
    // The area is no stop of its own: Tab goes to the controls in it, which the area
    // scrolls into view, and the wheel scrolls it.
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setStyleSheet(slimScrollerStyle());
}

void VerticalScrollArea::setContent(QWidget* content) {
    setWidget(content);
    // The area gives its content the window colour; the holder's background shows instead.
    content->setAutoFillBackground(false);
}

void VerticalScrollArea::useOverlayScroller() {
    if (overlay_ != nullptr) return;
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    overlay_ = new QScrollBar(Qt::Vertical, this);
    overlay_->setObjectName(QStringLiteral("overlayScroller"));
    overlay_->setStyleSheet(slimScrollerStyle());
    overlay_->setFocusPolicy(Qt::NoFocus);
    // The area's own scroller keeps the range and the position; the floating one mirrors
    // it both ways.
    QScrollBar* inner = verticalScrollBar();
    connect(inner, &QScrollBar::rangeChanged, this, &VerticalScrollArea::followContentRange);
    connect(inner, &QScrollBar::valueChanged, overlay_, &QScrollBar::setValue);
    connect(overlay_, &QScrollBar::valueChanged, inner, &QScrollBar::setValue);
    followContentRange();
    placeOverlayScroller();
}

void VerticalScrollArea::followContentRange() {
    const QScrollBar* inner = verticalScrollBar();
    overlay_->setRange(inner->minimum(), inner->maximum());
    // The visible height, as the area gives it to its own scroller, sizes the handle.
    overlay_->setPageStep(viewport()->height());
    overlay_->setSingleStep(inner->singleStep());
    overlay_->setValue(inner->value());
    overlay_->setVisible(inner->maximum() > inner->minimum());
}

void VerticalScrollArea::placeOverlayScroller() {
    const QRect area = viewport()->geometry();
    overlay_->setGeometry(area.right() + 1 - kScrollerWidth, area.top(), kScrollerWidth, area.height());
    overlay_->raise();
}

void VerticalScrollArea::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    if (overlay_ == nullptr) return;
    placeOverlayScroller();
    followContentRange();
}

}  // namespace vlt

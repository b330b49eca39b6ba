#include "ui/vertical_scroll_area.h"

#include <QLinearGradient>
#include <QPainter>
#include <QScrollBar>

namespace vlt {
namespace {

constexpr int kFadeHeight = 28;

}  // namespace

// Painted over the viewport; it takes no input, so everything beneath stays usable.
class VerticalScrollArea::EdgeFades final : public QWidget {
public:
    EdgeFades(const QColor& background, QScrollArea& area) : QWidget(&area), area_(area), background_(background) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

    bool fadesTop() const {
        const QScrollBar* bar = area_.verticalScrollBar();
        return bar->value() > bar->minimum();
    }

    bool fadesBottom() const {
        const QScrollBar* bar = area_.verticalScrollBar();
        return bar->value() < bar->maximum();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QColor clear = background_;
        clear.setAlpha(0);
        if (fadesTop()) {
            QLinearGradient fade(0, 0, 0, kFadeHeight);
            fade.setColorAt(0.0, background_);
            fade.setColorAt(1.0, clear);
            painter.fillRect(QRect(0, 0, width(), kFadeHeight), fade);
        }
        if (fadesBottom()) {
            QLinearGradient fade(0, height() - kFadeHeight, 0, height());
            fade.setColorAt(0.0, clear);
            fade.setColorAt(1.0, background_);
            painter.fillRect(QRect(0, height() - kFadeHeight, width(), kFadeHeight), fade);
        }
    }

private:
    QScrollArea& area_;
    QColor background_;
};

VerticalScrollArea::VerticalScrollArea(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background: transparent; width: 6px; margin: 2px 0 2px 0; }"
        "QScrollBar::handle:vertical { background: rgba(0, 0, 0, 60); border-radius: 3px; min-height: 24px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }"));
}

void VerticalScrollArea::setContent(QWidget* content) {
    setWidget(content);
    // The area gives its content the window colour; the holder's background shows instead.
    content->setAutoFillBackground(false);
}

void VerticalScrollArea::useEdgeFades(const QColor& background) {
    if (fades_ != nullptr) return;
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fades_ = new EdgeFades(background, *this);
    fades_->setGeometry(viewport()->geometry());
    fades_->raise();
    const auto repaint = [this] { fades_->update(); };
    connect(verticalScrollBar(), &QScrollBar::valueChanged, fades_, repaint);
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, fades_, repaint);
}

bool VerticalScrollArea::fadesTop() const { return fades_ != nullptr && fades_->fadesTop(); }

bool VerticalScrollArea::fadesBottom() const { return fades_ != nullptr && fades_->fadesBottom(); }

void VerticalScrollArea::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    if (fades_ != nullptr) fades_->setGeometry(viewport()->geometry());
}

}  // namespace vlt

#include "ui/modal_host.h"

#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QVBoxLayout>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/focus_chain.h"
#include "ui/keyboard_focus.h"
#include "ui/modal_palette.h"
#include "ui/modal_surface.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

// The platform's standard ease-out curve.
QEasingCurve easeOut() {
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.0, 0.0), QPointF(0.58, 1.0), QPointF(1.0, 1.0));
    return curve;
}

constexpr double kShadowOpacity = 0.18;
constexpr double kShadowRadius = 26.0;
constexpr double kShadowDrop = 9.0;

}  // namespace

ModalHost::ModalHost(std::optional<ModalSurfaceMetrics> metrics, QWidget* parent)
    : ModalHost(metrics, parent, QtScheduler::shared(), MotionPreference::shared()) {}

ModalHost::ModalHost(std::optional<ModalSurfaceMetrics> metrics, QWidget* parent, Scheduler& scheduler,
                     MotionPreference& motion)
    : QWidget(parent),
      metrics_(metrics),
      scheduler_(scheduler),
      motion_(motion),
      surface_(new ModalSurface(this)),
      shadow_(QColor::fromRgbF(0.0f, 0.0f, 0.0f, static_cast<float>(kShadowOpacity)), kShadowRadius,
              QPointF(0.0, kShadowDrop), ModalSurface::cornerRadius) {
    setAttribute(Qt::WA_NoMousePropagation);
    setFocusPolicy(Qt::ClickFocus);
    exitCommand_ = [this] { requestClose(); };
    if (parent != nullptr) {
        parent->installEventFilter(this);
        setGeometry(parent->rect());
    }
    setSurfaceProgress(0.0);
}

ModalHost::~ModalHost() {
    returnFocus();
    if (parentWidget() != nullptr) parentWidget()->removeEventFilter(this);
}

void ModalHost::present() {
    if (presented_) return;
    presented_ = true;
    show();
    raise();
    const bool reduceMotion = motion_.reduceMotion();
    const bool rises = entrance_ == Entrance::dialog;
    animate(veilAnimation_, veilProgress_, 1.0, reduceMotion ? 0.0 : veilFadeInSeconds);
    animate(surfaceAnimation_, surfaceProgress_, 1.0,
            reduceMotion ? 0.0 : (rises ? surfaceFadeInSeconds : veilFadeInSeconds));
    orderFocusChainByLayout(surface_);
    QWidget* focused = window()->focusWidget();
    if (focused != nullptr && focused != this && !isAncestorOf(focused)) focusBefore_ = focused;
    QWidget* focusTarget = initialFocus_ ? initialFocus_.data() : this;
    focusTarget->setFocus(Qt::OtherFocusReason);
}

bool ModalHost::requestClose() {
    if (closing_) return false;
    closing_ = true;
    // The keys typed while the dialog fades out already reach what lies beneath.
    returnFocus();
    emit closingStarted();
    const bool reduceMotion = motion_.reduceMotion();
    const double seconds = reduceMotion ? 0.0 : closeFadeSeconds;
    animate(veilAnimation_, veilProgress_, 0.0, seconds);
    animate(surfaceAnimation_, surfaceProgress_, 0.0, seconds);
    if (reduceMotion) {
        finishClose();
    } else {
        // The action is copied so that it still runs when the dialog is torn down
        // during the pause: the presentation flag must not stay set.
        auto action = dismissAction_;
        scheduler_.schedule(dismissPauseSeconds, [action] {
            if (action) action();
        });
    }
    return true;
}

void ModalHost::finishClose() {
    if (dismissAction_) dismissAction_();
}

void ModalHost::returnFocus() {
    QWidget* previous = focusBefore_.data();
    if (previous == nullptr || !previous->isVisible() || !previous->isEnabled()) return;
    // Only a focus that is still inside the dialog, or nowhere, is taken back; one that
    // moved on (to a dialog opened in its place) stays where it is.
    const QWidget* focused = window()->focusWidget();
    if (focused != nullptr && focused != this && !isAncestorOf(focused)) return;
    previous->setFocus(Qt::OtherFocusReason);
}

void ModalHost::animate(QVariantAnimation*& animation, double& value, double target, double seconds) {
    if (animation != nullptr) {
        animation->stop();
        delete animation;
        animation = nullptr;
    }
    const bool isVeil = &value == &veilProgress_;
    if (seconds <= 0.0 || value == target) {
        isVeil ? setVeilProgress(target) : setSurfaceProgress(target);
        return;
    }
    animation = new QVariantAnimation(this);
    animation->setStartValue(value);
    animation->setEndValue(target);
    animation->setDuration(static_cast<int>(std::lround(seconds * 1000.0)));
    animation->setEasingCurve(easeOut());
    connect(animation, &QVariantAnimation::valueChanged, this, [this, isVeil](const QVariant& current) {
        isVeil ? setVeilProgress(current.toDouble()) : setSurfaceProgress(current.toDouble());
    });
    animation->start();
}

void ModalHost::setVeilProgress(double value) {
    veilProgress_ = value;
    update();
}

void ModalHost::setSurfaceProgress(double value) {
    surfaceProgress_ = value;
    // An opacity effect renders the whole surface offscreen, so it is only kept while
    // the surface is partly transparent.
    if (value < 1.0) {
        if (surfaceOpacityEffect_ == nullptr) {
            surfaceOpacityEffect_ = new QGraphicsOpacityEffect(surface_);
            surface_->setGraphicsEffect(surfaceOpacityEffect_);
        }
        surfaceOpacityEffect_->setOpacity(value);
    } else if (surfaceOpacityEffect_ != nullptr) {
        surface_->setGraphicsEffect(nullptr);
        surfaceOpacityEffect_ = nullptr;
    }
    layoutSurface();
    update();
}

QRect ModalHost::surfaceRect() const {
    const QSize area = size();
    const QSize surfaceSize = surfaceSizeFor(area);
    const int x = (area.width() - surfaceSize.width()) / 2;
    const int y = (area.height() - surfaceSize.height()) / 2;
    return {QPoint(x, y), surfaceSize};
}

QSize ModalHost::surfaceSizeFor(QSize area) const {
    return metrics_ ? metrics_->surfaceSize(area) : surface_->sizeHint();
}

QRect ModalHost::currentSurfaceRect() const {
    const double rise = entrance_ == Entrance::dialog ? surfaceRise * (1.0 - surfaceProgress_) : 0.0;
    return surfaceRect().translated(0, static_cast<int>(std::lround(rise)));
}

void ModalHost::surfaceContentChanged() {
    if (QLayout* layout = surface_->layout()) layout->activate();
    layoutSurface();
    update();
}

void ModalHost::layoutSurface() {
    const QRect target = currentSurfaceRect();
    if (surface_->geometry() != target) surface_->setGeometry(target);
}

bool ModalHost::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void ModalHost::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (exitCommand_) exitCommand_();
        event->accept();
        return;
    }
    // A dialog without a default action of its own: Return presses the button the
    // keyboard is on ("Restart now", "Done", a close button), where it would otherwise
    // do nothing at all.
    if (returnPressesFocusedButton(*event)) return;
    QWidget::keyPressEvent(event);
}

bool ModalHost::returnPressesFocusedButton(QKeyEvent& event) {
    return !closing_ && pressFocusedButtonOnReturn(*this, event);
}

// While the dialog is up, Tab goes round its own controls and never to those behind the
// veil. Qt asks here too when the control that has the keyboard is disabled (an answered
// button): the keyboard stays in the dialog, which gives it back as it closes.
bool ModalHost::focusNextPrevChild(bool next) {
    if (!presented_ || closing_) return QWidget::focusNextPrevChild(next);
    std::vector<QWidget*> stops;
    for (QWidget* widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain()) {
        const bool takesTab = (widget->focusPolicy() & Qt::TabFocus) && widget->focusProxy() == nullptr;
        if (takesTab && isAncestorOf(widget) && widget->isVisible() && widget->isEnabled()) stops.push_back(widget);
    }
    if (stops.empty()) {
        setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    const auto current = std::find(stops.begin(), stops.end(), window()->focusWidget());
    std::size_t index = 0;
    if (current == stops.end()) {
        index = next ? 0 : stops.size() - 1;
    } else {
        const std::size_t at = static_cast<std::size_t>(current - stops.begin());
        index = next ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
    }
    stops[index]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// The veil takes every click, also while it is still transparent; it has no action.
void ModalHost::mousePressEvent(QMouseEvent* event) { event->accept(); }
void ModalHost::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void ModalHost::wheelEvent(QWheelEvent* event) { event->accept(); }

void ModalHost::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor veil = ModalPalette::veil();
    veil.setAlphaF(static_cast<float>(veil.alphaF() * veilProgress_));
    painter.fillRect(rect(), veil);
    shadow_.paint(painter, QRectF(currentSurfaceRect()), surfaceProgress_);
}

void ModalHost::resizeEvent(QResizeEvent* event) {
    layoutSurface();
    QWidget::resizeEvent(event);
}

void ModalHost::hideEvent(QHideEvent* event) {
    returnFocus();
    QWidget::hideEvent(event);
}

}  // namespace vlt

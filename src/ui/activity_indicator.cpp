#include "ui/activity_indicator.h"

#include <algorithm>

#include <QPainter>
#include <QVariantAnimation>

namespace vlt {
namespace {

constexpr int kSpokes = 12;
constexpr int kTurnMilliseconds = 1000;
// Spokes thinner than this vanish in the small frames of 13 to 16 points.
constexpr double kThinnestSpoke = 1.2;

}  // namespace

ActivityIndicator::ActivityIndicator(int diameter, const QColor& tint, QWidget* parent)
    : QWidget(parent), diameter_(diameter), tint_(tint), rotation_(new QVariantAnimation(this)) {
    setFixedSize(diameter_, diameter_);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    rotation_->setStartValue(0);
    rotation_->setEndValue(kSpokes);
    rotation_->setDuration(kTurnMilliseconds);
    rotation_->setLoopCount(-1);
    connect(rotation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        const int phase = value.toInt() % kSpokes;
        if (phase == phase_) return;
        phase_ = phase;
        update();
    });
}

QSize ActivityIndicator::sizeHint() const { return {diameter_, diameter_}; }

void ActivityIndicator::showEvent(QShowEvent* event) {
    rotation_->start();
    QWidget::showEvent(event);
}

void ActivityIndicator::hideEvent(QHideEvent* event) {
    rotation_->stop();
    QWidget::hideEvent(event);
}

void ActivityIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double radius = diameter_ / 2.0;
    const double spokeWidth = std::max(kThinnestSpoke, diameter_ / 10.0);
    painter.translate(radius, radius);
    for (int spoke = 0; spoke < kSpokes; ++spoke) {
        const int age = (phase_ - spoke + kSpokes) % kSpokes;
        QColor colour = tint_;
        colour.setAlphaF(static_cast<float>(1.0 - 0.75 * age / (kSpokes - 1)));
        painter.setPen(QPen(colour, spokeWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0.0, -radius * 0.45), QPointF(0.0, -radius + spokeWidth / 2.0));
        painter.rotate(360.0 / kSpokes);
    }
}

}  // namespace vlt

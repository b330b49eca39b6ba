#include "import/screen/crop_progress_indicator.h"

#include <QPainter>
#include <QVariantAnimation>

namespace vlt {

namespace {
constexpr int kSpokes = 12;
constexpr int kTurnMilliseconds = 1000;
}  // namespace

CropProgressIndicator::CropProgressIndicator(int diameter, QColor tint, QWidget* parent)
    : QWidget(parent), diameter_(diameter), tint_(tint), rotation_(new QVariantAnimation(this)) {
    setFixedSize(diameter_, diameter_);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QString());
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

void CropProgressIndicator::showEvent(QShowEvent* event) {
    rotation_->start();
    QWidget::showEvent(event);
}

void CropProgressIndicator::hideEvent(QHideEvent* event) {
    rotation_->stop();
    QWidget::hideEvent(event);
}

void CropProgressIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double radius = diameter_ / 2.0;
    const double spokeWidth = std::max(1.2, diameter_ / 9.0);
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

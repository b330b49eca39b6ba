#include "screens/editor/editor_continuous_slider.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionSlider>

#include "screens/editor/editor_palette.h"
#include "ui/keyboard_focus.h"

namespace vlt {
namespace {

// The knob's corners as the application style rounds them.
constexpr double kKnobCornerRadius = 2.5;

}  // namespace

EditorContinuousSlider::EditorContinuousSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setRange(0, kSteps);
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QSlider::valueChanged, this, [this] { emit doubleValueChanged(doubleValue()); });
}

void EditorContinuousSlider::setDoubleRange(double lower, double upper) {
    const double current = doubleValue();
    lower_ = lower;
    upper_ = std::max(lower, upper);
    const QSignalBlocker quiet(this);
    setRange(0, upper_ > lower_ ? kSteps : 0);
    setDoubleValue(current);
}

double EditorContinuousSlider::doubleValue() const {
    if (upper_ <= lower_) return lower_;
    return lower_ + (upper_ - lower_) * double(value()) / double(kSteps);
}

void EditorContinuousSlider::setDoubleValue(double value) {
    const QSignalBlocker quiet(this);
    if (upper_ <= lower_) {
        setValue(0);
        return;
    }
    const double fraction = std::clamp((value - lower_) / (upper_ - lower_), 0.0, 1.0);
    setValue(static_cast<int>(std::lround(fraction * kSteps)));
}

void EditorContinuousSlider::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    if (!showsKeyboardFocus(*this)) return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect knob = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    QPainter painter(this);
    paintFocusRing(painter, QRectF(knob), kKnobCornerRadius, EditorPalette::ink());
}

}  // namespace vlt

#include "ui/settings_single_track_slider.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/keyboard_focus.h"
#include "ui/modal_palette.h"

namespace vlt {
namespace {

constexpr float kTrackOpacity = 0.55f;
constexpr double kKnobOutlineWidth = 1.0;
// Page Up and Page Down move by this share of the range.
constexpr double kPageShare = 0.1;

// What screen readers and other assistive tools are given in place of the drawing.
class SliderAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SliderAccessible(SettingsSingleTrackSlider* slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant& value) override {
        bool isNumber = false;
        const double number = value.toDouble(&isNumber);
        if (isNumber) slider()->setValueByUser(number);
    }
    QVariant maximumValue() const override { return slider()->configuration().upper; }
    QVariant minimumValue() const override { return slider()->configuration().lower; }
    QVariant minimumStepSize() const override { return slider()->configuration().step; }

private:
    SettingsSingleTrackSlider* slider() const { return static_cast<SettingsSingleTrackSlider*>(widget()); }
};

QAccessibleInterface* sliderAccessibleFactory(const QString& className, QObject* object) {
    auto* slider = qobject_cast<SettingsSingleTrackSlider*>(object);
    if (slider == nullptr || className != QLatin1String(SettingsSingleTrackSlider::staticMetaObject.className())) {
        return nullptr;
    }
    return new SliderAccessible(slider);
}

void drawCapsule(QPainter& painter, const QRectF& rect, const QColor& colour) {
    const double radius = rect.height() / 2.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(rect, radius, radius);
}

}  // namespace

SettingsSingleTrackSlider::SettingsSingleTrackSlider(const Configuration& configuration, QWidget* parent)
    : QWidget(parent), configuration_(configuration), value_(configuration.lower) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(sliderAccessibleFactory);
        return true;
    }();
    (void)factoryInstalled;
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(minimumHeight);
    // A click moves the knob and takes the keyboard too, so the arrow keys go on from
    // there; Tab reaches it as well.
    setFocusPolicy(Qt::StrongFocus);
}

void SettingsSingleTrackSlider::setValue(double value) {
    if (value == value_) return;
    value_ = value;
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, value_);
        QAccessible::updateAccessibility(&event);
    }
}

double SettingsSingleTrackSlider::usableWidth() const {
    return std::max(0.0, static_cast<double>(width()) - configuration_.knobDiameter);
}

double SettingsSingleTrackSlider::fraction() const {
    const double span = configuration_.upper - configuration_.lower;
    if (!(span > 0.0)) return 0.0;
    const double position = (value_ - configuration_.lower) / span;
    if (!(position > 0.0)) return 0.0;
    return std::min(position, 1.0);
}

double SettingsSingleTrackSlider::snapped(double raw) const {
    const double lower = configuration_.lower;
    const double steps = std::round((raw - lower) / configuration_.step);
    const double value = lower + configuration_.step * steps;
    if (!(value > lower)) return lower;
    return std::min(value, configuration_.upper);
}

std::optional<double> SettingsSingleTrackSlider::valueAt(double x) const {
    const double usable = usableWidth();
    if (!(usable > 0.0)) return std::nullopt;
    const double position = std::clamp((x - configuration_.knobDiameter / 2.0) / usable, 0.0, 1.0);
    const double raw = configuration_.lower + (configuration_.upper - configuration_.lower) * position;
    return snapped(raw);
}

void SettingsSingleTrackSlider::setValueByUser(double value) {
    if (!std::isfinite(value)) return;
    setValue(snapped(value));
    emit valueEdited(value_);
}

void SettingsSingleTrackSlider::dragTo(double x) {
    const std::optional<double> target = valueAt(x);
    if (!target) return;
    setValue(*target);
    emit valueEdited(value_);
}

void SettingsSingleTrackSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    dragTo(event->position().x());
    event->accept();
}

void SettingsSingleTrackSlider::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    dragTo(event->position().x());
    event->accept();
}

std::optional<double> SettingsSingleTrackSlider::keyTarget(int key) const {
    const double step = configuration_.step;
    const double page = std::max(step, kPageShare * (configuration_.upper - configuration_.lower));
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        return snapped(value_ - step);
    case Qt::Key_Right:
    case Qt::Key_Up:
        return snapped(value_ + step);
    case Qt::Key_PageDown:
        return snapped(value_ - page);
    case Qt::Key_PageUp:
        return snapped(value_ + page);
    case Qt::Key_Home:
        return configuration_.lower;
    case Qt::Key_End:
        return snapped(configuration_.upper);
    default:
        return std::nullopt;
    }
}

void SettingsSingleTrackSlider::keyPressEvent(QKeyEvent* event) {
    const std::optional<double> target =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier ? keyTarget(event->key())
                                                                                         : std::nullopt;
    if (!target) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // At an end the key is taken but reports nothing: nothing moved.
    if (*target == value_) return;
    setValue(*target);
    emit valueEdited(value_);
}

QSize SettingsSingleTrackSlider::sizeHint() const {
    const int knob = static_cast<int>(std::ceil(configuration_.knobDiameter));
    return {knob * 8, std::max(minimumHeight, knob)};
}

QSize SettingsSingleTrackSlider::minimumSizeHint() const {
    const int knob = static_cast<int>(std::ceil(configuration_.knobDiameter));
    return {knob, std::max(minimumHeight, knob)};
}

void SettingsSingleTrackSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double knob = configuration_.knobDiameter;
    const double usable = usableWidth();
    const double fill = usable * fraction();
    const double centreY = height() / 2.0;
    const double trackTop = centreY - configuration_.trackHeight / 2.0;

    QColor track = ModalPalette::fieldBorder();
    track.setAlphaF(kTrackOpacity);
    drawCapsule(painter, QRectF(knob / 2.0, trackTop, usable, configuration_.trackHeight), track);
    if (fill > 0.0) {
        drawCapsule(painter, QRectF(knob / 2.0, trackTop, fill, configuration_.trackHeight), ModalPalette::accent());
    }

    const double inset = kKnobOutlineWidth / 2.0;
    painter.setPen(QPen(ModalPalette::cardBorder(), kKnobOutlineWidth));
    painter.setBrush(Qt::white);
    const QRectF knobRect(fill, centreY - knob / 2.0, knob, knob);
    painter.drawEllipse(knobRect.adjusted(inset, inset, -inset, -inset));
    // However it got the keyboard, by Tab or by a click, it shows that the arrows move it.
    if (hasFocus() && isEnabled()) paintFocusRing(painter, knobRect, knob / 2.0, ModalPalette::accent());
}

}  // namespace vlt

#pragma once

#include <QWidget>
#include <optional>

namespace vlt {

// A painted slider of one track: the track runs from the knob's centre at the lower
// bound to its centre at the upper bound, the accent fill ends under the knob's centre.
// A press or a drag anywhere on it sets the value under the pointer, snapped to the
// step (halves away from zero), and takes the keyboard. The keyboard moves it too, once
// Tab or a click brought it there (its knob wears the focus ring): the arrow keys by one
// step, Page Up and Page Down by a tenth of the range, Home and End to the ends.
// Assistive technologies see a standard slider with the same value, range and step.
// Setting the value from outside is silent; only the user's moves are reported, on
// every change.
class SettingsSingleTrackSlider final : public QWidget {
    Q_OBJECT

public:
    struct Configuration {
        double lower = 0.0;
        double upper = 1.0;
        double step = 1.0;  // greater than 0
        double knobDiameter = 16.0;
        double trackHeight = 4.0;
    };

    static constexpr int minimumHeight = 20;

    explicit SettingsSingleTrackSlider(const Configuration& configuration, QWidget* parent = nullptr);

    const Configuration& configuration() const { return configuration_; }
    double value() const { return value_; }
    void setValue(double value);

    // The track's length: the width less one knob, 0 when that is not positive.
    double usableWidth() const;
    // Where the value lies on the track, 0...1; 0 for an empty range.
    double fraction() const;
    // The value a press at x (in the slider's own coordinates) sets; none when the
    // slider has no room for its track.
    std::optional<double> valueAt(double x) const;
    // A value clamped into the range and snapped to the step.
    double snapped(double raw) const;

    // The user's move from an assistive technology: snapped and reported like a drag.
    void setValueByUser(double value);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void valueEdited(double value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void dragTo(double x);
    // The value a key moves to; none for a key that does not move the slider.
    std::optional<double> keyTarget(int key) const;

    Configuration configuration_;
    double value_ = 0.0;
};

}  // namespace vlt

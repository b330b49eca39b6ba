#pragma once

#include <QSlider>

namespace vlt {

// A horizontal slider over a range of real numbers, fine enough to feel continuous.
// Setting its value from the model is silent; only the user's moves are reported.
// Reached by Tab, its knob wears the focus ring of the editor's other controls.
class EditorContinuousSlider final : public QSlider {
    Q_OBJECT

public:
    static constexpr int kSteps = 10000;

    explicit EditorContinuousSlider(QWidget* parent = nullptr);

    // A range of one value holds the slider still.
    void setDoubleRange(double lower, double upper);
    double lower() const { return lower_; }
    double upper() const { return upper_; }
    double doubleValue() const;
    void setDoubleValue(double value);

signals:
    void doubleValueChanged(double value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double lower_ = 0.0;
    double upper_ = 1.0;
};

}  // namespace vlt

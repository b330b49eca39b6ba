#pragma once

#include <QWidget>

namespace vlt {

// The pale box of notes and notices: the notice fill inside a 1-point outline on a
// rounded rectangle of radius 6, content 12 points from every side, full width.
class SettingsNoticeFrame : public QWidget {
    Q_OBJECT

public:
    explicit SettingsNoticeFrame(QWidget* parent = nullptr);

    static constexpr int padding = 12;
    static constexpr double cornerRadius = 6.0;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vlt

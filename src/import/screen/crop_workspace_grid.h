#pragma once

#include <vector>

#include <QWidget>

namespace vlt {

// The faint square grid behind the photograph: 1-point lines every 32 points from the
// top-left corner, none at 0. Decorative: it takes no input.
class CropWorkspaceGrid final : public QWidget {
    Q_OBJECT

public:
    explicit CropWorkspaceGrid(QWidget* parent = nullptr);

    static constexpr double kPitch = 32.0;
    // 32, 64, … below the extent, and the extent itself when it is a multiple of 32.
    static std::vector<double> linePositions(double extent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vlt

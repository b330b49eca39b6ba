#pragma once

#include <vector>

#include <QColor>
#include <QWidget>

namespace vlt {

// The faint backdrop of the start page and the crop workspace, the grid that the
// editor's workspace repeats: 1-point lines every 32 points from the top-left corner,
// none at 0. It takes no clicks or drops and is not seen by accessibility.
class WorkspaceGrid final : public QWidget {
    Q_OBJECT

public:
    explicit WorkspaceGrid(QWidget* parent = nullptr);

    static constexpr double pitch = 32.0;
    // Line positions 32, 64, … up to and including the extent.
    static std::vector<double> linePositions(double extent);
    // sRGB (0.176, 0.302, 0.318) at an opacity of 0.055.
    static const QColor& lineColor();

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vlt

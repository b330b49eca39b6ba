#pragma once

#include <QWidget>
#include <vector>

namespace vlt {

// The start page's backdrop: 1-point lines every 32 points from the top-left corner,
// in the grid colour. It takes no clicks or drops and is not seen by accessibility.
class WorkspaceGrid final : public QWidget {
    Q_OBJECT

public:
    explicit WorkspaceGrid(QWidget* parent = nullptr);

    static constexpr double pitch = 32.0;
    // Line positions 32, 64, … up to and including the extent; none at 0.
    static std::vector<double> linePositions(double extent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vlt

#pragma once

#include <QAbstractButton>
#include <map>

#include "model/still_image_save_view_model.h"

namespace vlt {

// One section's row in the Save images navigation: its title in the title colour,
// 52 points high; the selected row is semibold on the selection fill with an accent
// bar at its leading edge.
class StillImageSaveNavigationRow final : public QAbstractButton {
    Q_OBJECT

public:
    StillImageSaveNavigationRow(StillImageSaveSection section, QWidget* parent = nullptr);

    static constexpr int height = 52;
    static constexpr int horizontalPadding = 14;
    static constexpr double cornerRadius = 7.0;
    static constexpr double barWidth = 4.0;
    static constexpr double barHeight = 46.0;

    void setSelected(bool selected);
    bool isSelected() const { return isChecked(); }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Only the navigation selects: a click never unchecks the selected row.
    void nextCheckState() override {}
};

// The 230-point column of the four sections on the panel colour.
class StillImageSaveNavigation final : public QWidget {
    Q_OBJECT

public:
    explicit StillImageSaveNavigation(QWidget* parent = nullptr);

    static constexpr int width = 230;

    StillImageSaveNavigationRow* row(StillImageSaveSection section) const { return rows_.at(section); }
    void setSelectedSection(StillImageSaveSection section);

signals:
    void sectionClicked(vlt::StillImageSaveSection section);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::map<StillImageSaveSection, StillImageSaveNavigationRow*> rows_;
};

}  // namespace vlt

#pragma once

#include <QAbstractButton>
#include <map>

#include "model/settings_section.h"

namespace vlt {

// One section's entry in the rail: its title in the accent colour, 52 points high; the
// selected one is semibold on the selection fill with an accent bar at its leading edge.
class SettingsRailEntry final : public QAbstractButton {
    Q_OBJECT

public:
    SettingsRailEntry(SettingsSection section, QWidget* parent = nullptr);

    SettingsSection section() const { return section_; }
    void setSelected(bool selected);
    bool isSelected() const { return isChecked(); }

    static constexpr int height = 52;
    static constexpr int horizontalPadding = 14;
    static constexpr double cornerRadius = 7.0;
    static constexpr double barWidth = 4.0;
    static constexpr double barHeight = 46.0;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Only the rail selects: a click never unchecks the selected entry.
    void nextCheckState() override {}

private:
    SettingsSection section_;
};

// The settings dialog's navigation: one entry per section at the top of a 220-point
// column in the header fill.
class SettingsNavigationRail final : public QWidget {
    Q_OBJECT

public:
    explicit SettingsNavigationRail(QWidget* parent = nullptr);

    static constexpr int width = 220;

    SettingsRailEntry* entry(SettingsSection section) const { return entries_.at(section); }
    void setSelectedSection(SettingsSection section);

signals:
    void sectionClicked(SettingsSection section);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::map<SettingsSection, SettingsRailEntry*> entries_;
};

}  // namespace vlt

#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;

namespace vlt {

class SettingsTextField;
class StillImageSaveViewModel;

// "Saved image size": the current image's size, Auto, and the two limits in pixels
// (the longest side of an Original or Simulation, the stacked extent of a
// Comparison), each with its range message while Auto is off.
class StillImageSizeSection final : public QWidget {
    Q_OBJECT

public:
    StillImageSizeSection(StillImageSaveViewModel& viewModel, QWidget* parent = nullptr);

    static constexpr int fieldMaximumWidth = 220;

    QLabel* dimensionsLabel() const { return dimensions_; }
    QCheckBox* autoToggle() const { return auto_; }
    SettingsTextField* individualField() const { return individual_; }
    QLabel* individualMessageLabel() const { return individualMessage_; }
    SettingsTextField* comparisonField() const { return comparison_; }
    QLabel* comparisonHelpLabel() const { return comparisonHelp_; }
    QLabel* comparisonMessageLabel() const { return comparisonMessage_; }

    void refresh();

private:
    StillImageSaveViewModel& viewModel_;
    QLabel* dimensions_ = nullptr;
    QCheckBox* auto_ = nullptr;
    SettingsTextField* individual_ = nullptr;
    QLabel* individualMessage_ = nullptr;
    SettingsTextField* comparison_ = nullptr;
    QLabel* comparisonHelp_ = nullptr;
    QLabel* comparisonMessage_ = nullptr;
};

}  // namespace vlt

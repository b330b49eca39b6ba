#pragma once

#include <QWidget>

namespace vlt {

class SettingsDraftController;
class SettingsTextField;

// The comparison labels section: the two watermark texts of the Comparison tab, each
// written to the settings on every keystroke and cut to 50 characters.
class SettingsComparisonLabelsSection final : public QWidget {
    Q_OBJECT

public:
    SettingsComparisonLabelsSection(SettingsDraftController& controller, QWidget* parent = nullptr);

    void refresh();

    SettingsTextField* originalField() const { return original_; }
    SettingsTextField* simulationField() const { return simulation_; }

private:
    QWidget* makeLabelColumn(const QString& label, const QString& note, SettingsTextField** field);

    SettingsDraftController& controller_;
    SettingsTextField* original_ = nullptr;
    SettingsTextField* simulation_ = nullptr;
};

}  // namespace vlt

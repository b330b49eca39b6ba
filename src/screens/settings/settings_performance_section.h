#pragma once

#include <QWidget>

namespace vlt {

class SettingsDraftController;
class SettingsSingleTrackSlider;
class SettingsTextField;

// The performance section: the largest side of the working canvas, set with a slider
// or typed as a number. A number in range is applied as it is typed; any other waits
// for Return, the focus leaving the field or the section being left, which clamp it.
class SettingsPerformanceSection final : public QWidget {
    Q_OBJECT

public:
    SettingsPerformanceSection(SettingsDraftController& controller, QWidget* parent = nullptr);

    void refresh();

    SettingsTextField* numberField() const { return number_; }
    SettingsSingleTrackSlider* slider() const { return slider_; }

private:
    SettingsDraftController& controller_;
    SettingsTextField* number_ = nullptr;
    SettingsSingleTrackSlider* slider_ = nullptr;
};

}  // namespace vlt

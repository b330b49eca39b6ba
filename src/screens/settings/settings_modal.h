#pragma once

#include <QPointer>
#include <functional>
#include <optional>
#include <vector>

#include "model/app_model.h"
#include "screens/settings/settings_focus_field.h"
#include "ui/modal_host.h"

class QLabel;
class QPushButton;

namespace vlt {

class ModalHeader;
class SettingsComparisonLabelsSection;
class SettingsContactSection;
class SettingsDraftController;
class SettingsLanguageSection;
class SettingsNavigationRail;
class SettingsPerformanceSection;
class VerticalScrollArea;

// The in-window settings dialog: a rail of the four sections beside the selected
// section's controls, "Changes save automatically" (or the model's save error) and
// Done below. Every accepted edit reaches the model at once; there is no Cancel. Done,
// Escape and the close button write the settings file at once and close, unless an
// e-mail address or web site is invalid: then the contact section is shown with that
// field focused. What it decides lives in its SettingsDraftController.
class SettingsModal final : public ModalHost {
    Q_OBJECT

public:
    static ModalSurfaceMetrics surfaceMetrics() { return {720, 940, 360, 650}; }

    // relaunchForLanguageChange starts a new instance in the chosen language once the
    // model has begun the restart.
    SettingsModal(AppModel& model, std::function<void()> relaunchForLanguageChange, QWidget* parent,
                  Scheduler& scheduler, MotionPreference& motion);
    ~SettingsModal() override;

    SettingsDraftController& controller() const { return *controller_; }
    ModalHeader* header() const { return header_; }
    SettingsNavigationRail* rail() const { return rail_; }
    VerticalScrollArea* contentArea() const { return contentArea_; }
    SettingsContactSection* contactSection() const { return contact_; }
    SettingsComparisonLabelsSection* comparisonLabelsSection() const { return comparisonLabels_; }
    SettingsLanguageSection* languageSection() const { return language_; }
    SettingsPerformanceSection* performanceSection() const { return performance_; }
    QWidget* sectionWidget(SettingsSection section) const;
    QPushButton* doneButton() const { return doneButton_; }
    QLabel* persistenceErrorLabel() const { return persistenceError_; }
    QWidget* saveIndicator() const { return saveIndicator_; }

    // The control that takes the keyboard focus for a field.
    QWidget* focusTarget(SettingsFocusField field) const;

private:
    QWidget* buildBody();
    QWidget* buildFooter();
    void collectFocusTargets();
    void connectModel();
    void refresh();
    void moveFocus(SettingsFocusField field);
    void reportFocus(QWidget* focused);

    QPointer<AppModel> model_;
    SettingsDraftController* controller_;
    ModalHeader* header_ = nullptr;
    SettingsNavigationRail* rail_ = nullptr;
    VerticalScrollArea* contentArea_ = nullptr;
    SettingsContactSection* contact_ = nullptr;
    SettingsComparisonLabelsSection* comparisonLabels_ = nullptr;
    SettingsLanguageSection* language_ = nullptr;
    SettingsPerformanceSection* performance_ = nullptr;
    QPushButton* doneButton_ = nullptr;
    QLabel* persistenceError_ = nullptr;
    QWidget* saveIndicator_ = nullptr;
    std::vector<std::pair<SettingsFocusField, QWidget*>> focusTargets_;
    std::optional<SettingsSection> shownSection_;
};

}  // namespace vlt

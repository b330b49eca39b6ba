#pragma once

#include <QWidget>
#include <map>

#include "foundation/app_language.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vlt {

class SettingsDraftController;
class SettingsNoticeFrame;

// The language section: the nine interface languages under their own names. A choice
// is stored for the next launch at once; while it differs from the running language a
// notice offers "Restart now", which writes everything and relaunches.
class SettingsLanguageSection final : public QWidget {
    Q_OBJECT

public:
    SettingsLanguageSection(SettingsDraftController& controller, QWidget* parent = nullptr);

    void refresh();

    QRadioButton* option(AppLanguage language) const { return options_.at(language); }
    QWidget* picker() const { return picker_; }
    SettingsNoticeFrame* restartNotice() const { return restartNotice_; }
    QPushButton* restartButton() const { return restartButton_; }
    QLabel* errorLabel() const { return error_; }

private:
    SettingsDraftController& controller_;
    QWidget* picker_ = nullptr;
    QButtonGroup* group_ = nullptr;
    std::map<AppLanguage, QRadioButton*> options_;
    SettingsNoticeFrame* restartNotice_ = nullptr;
    QPushButton* restartButton_ = nullptr;
    bool restartHadKeyboard_ = false;
    QLabel* error_ = nullptr;
};

}  // namespace vlt

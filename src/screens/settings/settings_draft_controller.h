#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "model/app_model.h"
#include "screens/settings/settings_draft.h"
#include "screens/settings/settings_focus_field.h"

namespace vlt {

// Everything the settings dialog decides, without a widget: the draft and how each
// edit of it reaches the model, the shown section, where the keyboard focus goes and
// whether the dialog may close. Every accepted edit is handed to the model at once
// (which writes the file after its pause); the contact e-mail and website are the only
// values that can be invalid, and an invalid one never reaches the settings.
//
// The view reports the user's edits and focus moves here and follows stateChanged()
// and focusRequested(); closingStarted() asks it to fade out and close.
class SettingsDraftController final : public QObject {
    Q_OBJECT

public:
    enum class ComparisonLabel { original, simulation };

    // relaunchForLanguageChange starts the relaunch once the model has begun it.
    SettingsDraftController(AppModel& model, std::function<void()> relaunchForLanguageChange,
                            QObject* parent = nullptr);

    AppModel& model() const { return *model_; }
    const SettingsDraft& draft() const { return draft_; }
    SettingsSection selectedSection() const { return selectedSection_; }
    std::optional<SettingsFocusField> focusedField() const { return focusedField_; }
    bool isClosing() const { return isClosing_; }
    bool isDraftValid() const;

    // Sections and closing

    void selectSection(SettingsSection section);
    // Done, Escape and the close button: closes after writing everything, or, while an
    // e-mail address or website is invalid, leads the user to it instead.
    void finish();
    void restartNow();

    // Edits

    // Reads the number field's text (an empty or unreadable one means the current
    // setting), clamps it into the allowed range and applies it.
    void commitMaximumImageSideText();
    // A new text of the number field: only its first eight digits stay; a number in
    // range is applied at once, any other waits for the next commit.
    void filterMaximumImageSideText(const QString& text);
    // A slider value: rounded (halves away from zero), clamped and applied.
    void commitMaximumImageSide(double value);
    void commitComparisonLabel(const QString& text, ComparisonLabel label);
    void writeContactField(SettingsContactField field, const QString& text);
    void commitDraft();
    // The language picker; the same language again changes and stores nothing.
    void chooseLanguage(AppLanguage language);

    // The keyboard focus moved (by the user or on request).
    void focusDidChange(std::optional<SettingsFocusField> field);

signals:
    void stateChanged();
    // Puts the keyboard focus on a control; sent after stateChanged() has shown it.
    void focusRequested(SettingsFocusField field);
    void closingStarted();

private:
    void setSelectedSection(SettingsSection section);
    void showSectionInModel(SettingsSection section);
    void requestFocus(SettingsFocusField field);
    void leadToInvalidContactField();
    void writeSettingsNow();
    void applyMaximumImageSide(std::int64_t side);
    void modelSectionDidChange();

    QPointer<AppModel> model_;
    std::function<void()> relaunchForLanguageChange_;
    SettingsDraft draft_;
    SettingsSection selectedSection_;
    std::optional<SettingsFocusField> focusedField_;
    bool isClosing_ = false;
};

}  // namespace vlt

#include "screens/settings/settings_draft_controller.h"

#include <algorithm>
#include <cmath>

#include "foundation/app_language_preference_storing.h"
#include "foundation/contact_validation.h"
#include "foundation/user_perceived_text.h"

namespace vlt {
namespace {

constexpr qsizetype kMaximumSideDigits = 8;

// An optional sign and at least one ASCII digit, nothing else, within 64 bits.
std::optional<std::int64_t> readDecimalInteger(const QString& text) {
    const qsizetype digitsStart = (text.startsWith(u'+') || text.startsWith(u'-')) ? 1 : 0;
    if (text.size() == digitsStart) return std::nullopt;
    for (qsizetype index = digitsStart; index < text.size(); ++index) {
        if (text[index] < u'0' || text[index] > u'9') return std::nullopt;
    }
    bool isInRange = false;
    const qlonglong value = text.toLongLong(&isInRange, 10);
    if (!isInRange) return std::nullopt;
    return static_cast<std::int64_t>(value);
}

std::int64_t clampedSide(std::int64_t side) {
    return std::clamp(side, ApplicationSettings::kMinimumImageSide, ApplicationSettings::kMaximumImageSide);
}

bool isInSideRange(std::int64_t side) { return side == clampedSide(side); }

}  // namespace

SettingsDraftController::SettingsDraftController(AppModel& model, std::function<void()> relaunchForLanguageChange,
                                                 QObject* parent)
    : QObject(parent),
      model_(&model),
      relaunchForLanguageChange_(std::move(relaunchForLanguageChange)),
      draft_(SettingsDraft::fromSettings(model.settingsState().settings)),
      selectedSection_(model.settingsState().activeSettingsSection.value_or(SettingsSection::contactInformation)),
      focusedField_(SettingsFocusField::navigation(selectedSection_)) {
    connect(&model, &AppModel::settingsStateChanged, this, &SettingsDraftController::modelSectionDidChange);
}

bool SettingsDraftController::isDraftValid() const {
    return isValidContactEmail(draft_.contactEmail) && isValidContactWebsite(draft_.contactWebsite);
}

// Sections and closing

void SettingsDraftController::selectSection(SettingsSection section) {
    if (isClosing_) return;
    // Leaving the performance section takes up a number still being typed.
    if (selectedSection_ == SettingsSection::performance) commitMaximumImageSideText();
    setSelectedSection(section);
    requestFocus(SettingsFocusField::navigation(section));
    showSectionInModel(section);
}

void SettingsDraftController::finish() {
    if (isClosing_) return;
    commitMaximumImageSideText();
    if (!isDraftValid()) {
        leadToInvalidContactField();
        return;
    }
    commitDraft();
    writeSettingsNow();
    isClosing_ = true;
    emit stateChanged();
    emit closingStarted();
}

void SettingsDraftController::restartNow() {
    if (isClosing_ || !model_) return;
    commitMaximumImageSideText();
    if (!isDraftValid()) {
        leadToInvalidContactField();
        return;
    }
    commitDraft();
    writeSettingsNow();
    if (!model_->beginLanguageRestart()) return;
    if (relaunchForLanguageChange_) {
        relaunchForLanguageChange_();
    } else {
        // Nothing can start the new instance: say so instead of waiting for ever.
        model_->languageRestartDidFail();
    }
}

void SettingsDraftController::leadToInvalidContactField() {
    setSelectedSection(SettingsSection::contactInformation);
    showSectionInModel(SettingsSection::contactInformation);
    const bool isEmailValid = isValidContactEmail(draft_.contactEmail);
    requestFocus(isEmailValid ? SettingsFocusField::Kind::contactWebsite : SettingsFocusField::Kind::contactEmail);
}

void SettingsDraftController::writeSettingsNow() {
    model_->cancelPendingSettingsSave();
    model_->saveSettingsNow();
}

void SettingsDraftController::setSelectedSection(SettingsSection section) {
    if (selectedSection_ == section) return;
    selectedSection_ = section;
    emit stateChanged();
}

void SettingsDraftController::showSectionInModel(SettingsSection section) {
    if (!model_) return;
    if (model_->settingsState().activeSettingsSection) {
        model_->selectSettingsSection(section);
    } else {
        model_->presentSettings(section);
    }
}

void SettingsDraftController::modelSectionDidChange() {
    // Our own write comes back here too; only a section chosen elsewhere is news.
    const std::optional<SettingsSection> section = model_->settingsState().activeSettingsSection;
    if (!section || *section == selectedSection_) return;
    selectSection(*section);
}

void SettingsDraftController::requestFocus(SettingsFocusField field) {
    focusedField_ = field;
    emit focusRequested(field);
}

void SettingsDraftController::focusDidChange(std::optional<SettingsFocusField> field) {
    const bool leavesNumberField =
        focusedField_ == SettingsFocusField(SettingsFocusField::Kind::maximumImageSide) && field != focusedField_;
    focusedField_ = field;
    if (leavesNumberField) commitMaximumImageSideText();
}

// Edits

void SettingsDraftController::commitMaximumImageSideText() {
    if (!model_) return;
    const std::int64_t read =
        readDecimalInteger(draft_.maximumImageSideText).value_or(model_->settingsState().settings.maximumImageSide);
    applyMaximumImageSide(clampedSide(read));
}

void SettingsDraftController::filterMaximumImageSideText(const QString& text) {
    if (!model_) return;
    QString digits;
    for (const QChar character : text) {
        if (digits.size() == kMaximumSideDigits) break;
        if (character >= u'0' && character <= u'9') digits.append(character);
    }
    const bool textChanged = digits != draft_.maximumImageSideText;
    draft_.maximumImageSideText = digits;
    const std::optional<std::int64_t> side = readDecimalInteger(digits);
    if (side && isInSideRange(*side)) {
        draft_.maximumImageSide = *side;
        model_->updateSettings(model_->settingsState().settings.updatingMaximumImageSide(*side));
    }
    // The field shows the filtered text even when the draft already held it.
    if (textChanged || digits != text) emit stateChanged();
}

void SettingsDraftController::commitMaximumImageSide(double value) {
    if (!std::isfinite(value)) return;
    const double bounded = std::clamp(std::round(value), static_cast<double>(ApplicationSettings::kMinimumImageSide),
                                      static_cast<double>(ApplicationSettings::kMaximumImageSide));
    applyMaximumImageSide(static_cast<std::int64_t>(bounded));
}

void SettingsDraftController::applyMaximumImageSide(std::int64_t side) {
    if (!model_) return;
    const QString text = QString::number(side);
    const bool draftChanged = draft_.maximumImageSide != side || draft_.maximumImageSideText != text;
    draft_.maximumImageSide = side;
    draft_.maximumImageSideText = text;
    model_->updateSettings(model_->settingsState().settings.updatingMaximumImageSide(side));
    if (draftChanged) emit stateChanged();
}

void SettingsDraftController::commitComparisonLabel(const QString& text, ComparisonLabel label) {
    if (!model_) return;
    QString& field =
        label == ComparisonLabel::original ? draft_.originalComparisonLabel : draft_.simulationComparisonLabel;
    field = firstUserPerceivedCharacters(text, ApplicationSettings::kMaximumLabelCharacters);
    model_->updateSettings(model_->settingsState().settings.updatingComparisonLabels(draft_.originalComparisonLabel,
                                                                                     draft_.simulationComparisonLabel));
    emit stateChanged();
}

void SettingsDraftController::writeContactField(SettingsContactField field, const QString& text) {
    const SettingsContactFieldRule rule = settingsContactFieldRule(field);
    const QString lines = rule.isSingleLine ? singleLineText(text) : text;
    draft_.contact(field) = firstUserPerceivedCharacters(lines, rule.limit);
    commitDraft();
    emit stateChanged();
}

void SettingsDraftController::commitDraft() {
    if (!model_) return;
    ApplicationSettings settings = model_->settingsState().settings;
    settings.contactName = draft_.contactName;
    settings.contactPhoneNumber = draft_.contactPhoneNumber;
    settings.contactAddress = draft_.contactAddress;
    settings.contactFreeText = draft_.contactFreeText;
    if (isValidContactEmail(draft_.contactEmail)) settings.contactEmail = draft_.contactEmail;
    if (isValidContactWebsite(draft_.contactWebsite)) settings.contactWebsite = draft_.contactWebsite;
    model_->updateSettings(settings.normalized());
}

void SettingsDraftController::chooseLanguage(AppLanguage language) {
    if (!model_ || language == model_->settingsState().selectedLanguage) return;
    if (model_->languagePreferenceStore()) model_->languagePreferenceStore()->save(language);
    model_->selectLanguage(language);
}

}  // namespace vlt

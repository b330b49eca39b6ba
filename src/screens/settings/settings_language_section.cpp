#include "screens/settings/settings_language_section.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "foundation/localized_string.h"
#include "screens/settings/settings_draft_controller.h"
#include "ui/settings_notice_frame.h"
#include "ui/settings_section_header.h"
#include "ui/settings_section_layout.h"
#include "ui/modal_palette.h"
#include "ui/settings_primary_button_style.h"
#include "ui/settings_section_card.h"
#include "ui/text_style.h"

namespace vlt {

SettingsLanguageSection::SettingsLanguageSection(SettingsDraftController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    setObjectName(QStringLiteral("settingsLanguageSection"));
    static const QString title = localizedString("Language");
    static const QString description = localizedString("Choose the interface language.");
    static const QString notice = localizedString("Restart the app to apply this change.");
    static const QString restart = localizedString("Restart now");
    static const QString restartLabel = localizedString("Restart Veltrano now");

    auto* card = new SettingsSectionCard(this);
    card->column()->setSpacing(16);

    // A radio group; its title names it for assistive technologies only.
    picker_ = new QWidget(card);
    picker_->setAccessibleName(title);
    QVBoxLayout* options = makeSettingsColumn(picker_, 6);
    group_ = new QButtonGroup(picker_);
    for (const AppLanguage language : kAllAppLanguages) {
        auto* option = new QRadioButton(appLanguageDisplayName(language), picker_);
        option->setFont(textStyleFont(TextStyle::body));
        option->setAccessibleName(appLanguageAccessibilityLabel(language));
        group_->addButton(option, static_cast<int>(language));
        options_[language] = option;
        options->addWidget(option);
    }
    connect(group_, &QButtonGroup::idClicked, this,
            [this](int id) { controller_.chooseLanguage(static_cast<AppLanguage>(id)); });
    card->column()->addWidget(picker_);

    restartNotice_ = new SettingsNoticeFrame(card);
    QVBoxLayout* noticeColumn = makeSettingsColumn(restartNotice_, 12);
    noticeColumn->setContentsMargins(SettingsNoticeFrame::padding, SettingsNoticeFrame::padding,
                                     SettingsNoticeFrame::padding, SettingsNoticeFrame::padding);
    noticeColumn->addWidget(
        makeSettingsLabel(notice, textStyleFont(TextStyle::callout), ModalPalette::textSecondary(), restartNotice_));
    restartButton_ = new QPushButton(restart, restartNotice_);
    SettingsPrimaryButtonStyle::apply(*restartButton_);
    restartButton_->setAccessibleName(restartLabel);
    connect(restartButton_, &QPushButton::clicked, this, [this] { controller_.restartNow(); });
    noticeColumn->addWidget(restartButton_, 0, Qt::AlignLeft);
    card->column()->addWidget(restartNotice_);

    error_ = makeSettingsLabel(QString(), textStyleFont(TextStyle::subheadline), ModalPalette::errorText(), card, true);
    card->column()->addWidget(error_);

    QVBoxLayout* column = makeSettingsColumn(this, 12);
    column->addWidget(new SettingsSectionHeader(title, description, this));
    column->addWidget(card);
}

void SettingsLanguageSection::refresh() {
    const AppModel& model = controller_.model();
    const SettingsState& state = model.settingsState();
    const bool isRestarting = state.isLanguageRestartInProgress;
    options_.at(state.selectedLanguage)->setChecked(true);
    picker_->setEnabled(!isRestarting);
    restartNotice_->setVisible(state.selectedLanguage != state.activeLanguage);
    // While the question is up the button is disabled, and Qt moves the keyboard away
    // from it (to the dialog's first control); a cancelled restart gives it back.
    if (isRestarting && restartButton_->isEnabled()) restartHadKeyboard_ = window()->focusWidget() == restartButton_;
    const bool giveKeyboardBack = !isRestarting && !restartButton_->isEnabled() && restartHadKeyboard_;
    restartButton_->setEnabled(!isRestarting);
    if (giveKeyboardBack && restartButton_->isVisible()) restartButton_->setFocus(Qt::OtherFocusReason);
    error_->setVisible(state.languageRestartError.has_value());
    error_->setText(state.languageRestartError.value_or(QString()));
}

}  // namespace vlt

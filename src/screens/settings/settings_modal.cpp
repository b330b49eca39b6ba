#include "screens/settings/settings_modal.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QVBoxLayout>

#include "foundation/localized_string.h"
#include "screens/settings/settings_comparison_labels_section.h"
#include "screens/settings/settings_contact_section.h"
#include "screens/settings/settings_draft_controller.h"
#include "screens/settings/settings_language_section.h"
#include "screens/settings/settings_navigation_rail.h"
#include "screens/settings/settings_performance_section.h"
#include "ui/settings_section_layout.h"
#include "ui/modal_footer.h"
#include "ui/modal_header.h"
#include "ui/modal_palette.h"
#include "ui/modal_surface.h"
#include "ui/settings_primary_button_style.h"
#include "ui/settings_text_editor.h"
#include "ui/settings_text_field.h"
#include "ui/text_style.h"
#include "ui/sectioned_modal_body.h"
#include "ui/vertical_scroll_area.h"

namespace vlt {
namespace {

constexpr int kSavedCheckSide = 16;

}  // namespace

SettingsModal::SettingsModal(AppModel& model, std::function<void()> relaunchForLanguageChange, QWidget* parent,
                             Scheduler& scheduler, MotionPreference& motion)
    : ModalHost(surfaceMetrics(), parent, scheduler, motion),
      model_(&model),
      controller_(new SettingsDraftController(model, std::move(relaunchForLanguageChange), this)) {
    setObjectName(QStringLiteral("settingsModal"));
    static const QString title = localizedString("Settings");
    static const QString subtitle = localizedString("Stored locally on this device.");
    static const QString closeLabel = localizedString("Close Settings");

    header_ = new ModalHeader(title, subtitle, closeLabel, surface());
    connect(header_, &ModalHeader::closeClicked, controller_, &SettingsDraftController::finish);
    surface()->column()->addWidget(header_);
    surface()->column()->addWidget(buildBody(), 1);
    surface()->column()->addWidget(buildFooter());
    collectFocusTargets();

    setInitialFocus(focusTarget(SettingsFocusField::navigation(controller_->selectedSection())));
    setExitCommand([this] { controller_->finish(); });
    QPointer<AppModel> modelGuard = model_;
    setDismissAction([modelGuard] {
        if (modelGuard) modelGuard->closeSettings();
    });
    connectModel();
    refresh();
}

SettingsModal::~SettingsModal() { disconnect(qApp, nullptr, this, nullptr); }

QWidget* SettingsModal::buildBody() {
    rail_ = new SettingsNavigationRail(surface());
    connect(rail_, &SettingsNavigationRail::sectionClicked, controller_, &SettingsDraftController::selectSection);
    SectionedModalBody body(surface(), rail_, QStringLiteral("settingsContentArea"), 12);
    contentArea_ = body.contentArea();
    QWidget* content = body.content();
    contact_ = new SettingsContactSection(*controller_, content);
    comparisonLabels_ = new SettingsComparisonLabelsSection(*controller_, content);
    language_ = new SettingsLanguageSection(*controller_, content);
    performance_ = new SettingsPerformanceSection(*controller_, content);
    for (const SettingsSection section : kAllSettingsSections) body.column()->addWidget(sectionWidget(section));
    body.finish();
    return body.widget();
}

QWidget* SettingsModal::buildFooter() {
    static const QString savesAutomatically = localizedString("Changes save automatically");
    static const QString done = localizedString("Done");
    static const QString doneLabel = localizedString("Done with Settings");

    auto* footer = new ModalFooter(12, surface());
    persistenceError_ =
        makeSettingsLabel(QString(), textStyleFont(TextStyle::subheadline), ModalPalette::warningText(), footer, true);
    persistenceError_->setObjectName(QStringLiteral("settingsPersistenceError"));

    saveIndicator_ = new QWidget(footer);
    auto* indicator = new QHBoxLayout(saveIndicator_);
    indicator->setContentsMargins(0, 0, 0, 0);
    indicator->setSpacing(7);
    auto* check = new QSvgWidget(QStringLiteral(":/icons/settings-saved-check.svg"), saveIndicator_);
    check->renderer()->setAspectRatioMode(Qt::KeepAspectRatio);
    check->setFixedSize(kSavedCheckSide, kSavedCheckSide);
    indicator->addWidget(check);
    indicator->addWidget(makeSettingsLabel(savesAutomatically, textStyleFont(TextStyle::callout),
                                           ModalPalette::textMuted(), saveIndicator_));

    doneButton_ = new QPushButton(done, footer);
    SettingsPrimaryButtonStyle::apply(*doneButton_);
    doneButton_->setAccessibleName(doneLabel);
    connect(doneButton_, &QPushButton::clicked, controller_, &SettingsDraftController::finish);

    footer->row()->addWidget(persistenceError_, 1);
    footer->row()->addWidget(saveIndicator_);
    footer->row()->addStretch(1);
    footer->row()->addWidget(doneButton_);
    return footer;
}

QWidget* SettingsModal::sectionWidget(SettingsSection section) const {
    switch (section) {
    case SettingsSection::contactInformation:
        return contact_;
    case SettingsSection::comparisonLabels:
        return comparisonLabels_;
    case SettingsSection::language:
        return language_;
    case SettingsSection::performance:
        return performance_;
    }
    return contact_;
}

void SettingsModal::collectFocusTargets() {
    using Kind = SettingsFocusField::Kind;
    for (const SettingsSection section : kAllSettingsSections) {
        focusTargets_.emplace_back(SettingsFocusField::navigation(section), rail_->entry(section));
    }
    const auto add = [this](SettingsFocusField field, QWidget* widget) { focusTargets_.emplace_back(field, widget); };
    add(Kind::maximumImageSide, performance_->numberField());
    add(Kind::originalComparisonLabel, comparisonLabels_->originalField());
    add(Kind::simulationComparisonLabel, comparisonLabels_->simulationField());
    for (const SettingsContactField field : kAllSettingsContactFields) {
        add(settingsContactFieldRule(field).focus, contact_->control(field));
    }
}

QWidget* SettingsModal::focusTarget(SettingsFocusField field) const {
    for (const auto& [key, widget] : focusTargets_) {
        if (key == field) return widget;
    }
    return nullptr;
}

void SettingsModal::connectModel() {
    const auto watch = [this](auto signal) { connect(model_.data(), signal, this, &SettingsModal::refresh); };
    watch(&AppModel::settingsStateChanged);
    connect(controller_, &SettingsDraftController::stateChanged, this, &SettingsModal::refresh);
    connect(controller_, &SettingsDraftController::focusRequested, this, &SettingsModal::moveFocus);
    connect(controller_, &SettingsDraftController::closingStarted, this, [this] { requestClose(); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { reportFocus(now); });
}

void SettingsModal::refresh() {
    if (!model_) return;
    const SettingsSection selected = controller_->selectedSection();
    rail_->setSelectedSection(selected);
    for (const SettingsSection section : kAllSettingsSections) sectionWidget(section)->setVisible(section == selected);
    if (shownSection_ != selected) {
        shownSection_ = selected;
        contentArea_->verticalScrollBar()->setValue(0);
    }
    contact_->refresh();
    comparisonLabels_->refresh();
    language_->refresh();
    performance_->refresh();

    const std::optional<QString>& saveError = model_->settingsState().settingsPersistenceError;
    persistenceError_->setVisible(saveError.has_value());
    persistenceError_->setText(saveError.value_or(QString()));
    saveIndicator_->setVisible(!saveError.has_value());
    doneButton_->setEnabled(controller_->isDraftValid() && !controller_->isClosing());
}

void SettingsModal::moveFocus(SettingsFocusField field) {
    refresh();
    QWidget* target = focusTarget(field);
    if (target == nullptr) return;
    target->setFocus(Qt::OtherFocusReason);
    if (contentArea_->widget()->isAncestorOf(target)) contentArea_->ensureWidgetVisible(target);
}

void SettingsModal::reportFocus(QWidget* focused) {
    if (focused != nullptr && !isAncestorOf(focused)) return;
    std::optional<SettingsFocusField> field;
    for (const auto& [key, widget] : focusTargets_) {
        if (focused != nullptr && (widget == focused || widget->isAncestorOf(focused))) field = key;
    }
    controller_->focusDidChange(field);
}

}  // namespace vlt

#include "screens/editor/editor_toolbar.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QMenu>
#include <QPainter>

#include "model/app_model.h"
#include "model/print_command_title.h"
#include "editing/session/editor_help_texts.h"
#include "editing/session/editor_session.h"
#include "screens/editor/editor_font.h"
#include "screens/editor/editor_history_button.h"
#include "screens/editor/editor_history_button_style.h"
#include "screens/editor/editor_icon.h"
#include "screens/editor/editor_image_button.h"
#include "screens/editor/editor_image_view.h"
#include "screens/editor/editor_label_button.h"
#include "screens/editor/editor_outlined_button_style.h"
#include "screens/editor/editor_output_button_surface.h"
#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_rounded_panel.h"
#include "screens/editor/editor_rule.h"
#include "screens/editor/editor_screen_texts.h"
#include "screens/editor/editor_text_button.h"

namespace vlt {
namespace {

constexpr int kSidePadding = 14;
constexpr int kSpacing = 10;
constexpr int kLogoSide = 38;
constexpr double kLogoCornerRadius = 6.0;
constexpr int kDividerHeight = 34;
constexpr int kDividerTrailingPadding = 4;
constexpr int kSettingsSide = 30;

QIcon menuIcon(const char* assetName) {
    QIcon icon;
    const QString name = QString::fromLatin1(assetName);
    for (const double ratio : {1.0, 2.0}) icon.addPixmap(EditorIcon::pixmap(name, QSizeF(16, 16), ratio));
    return icon;
}

void runCommand(const EditorSession::Command& command) {
    if (command) command();
}

}  // namespace

EditorToolbar::EditorToolbar(AppModel& model, EditorSession& session, QWidget* parent)
    : QWidget(parent), model_(&model), session_(session) {
    setObjectName(QStringLiteral("editorToolbar"));
    setFixedHeight(kHeight);
    setAutoFillBackground(false);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(kSidePadding, 0, kSidePadding, 0);
    row->setSpacing(kSpacing);

    row->addWidget(
        new EditorImageView(QStringLiteral("editor-vlt-logo"), QSize(kLogoSide, kLogoSide), kLogoCornerRadius, this));

    // The divider's trailing padding adds to the row's spacing.
    auto* divider = new EditorRule(EditorPalette::divider(), QSize(1, kDividerHeight), this);
    row->addWidget(divider);
    row->addSpacing(kDividerTrailingPadding);

    openButton_ = new EditorTextButton(EditorCommandButtonStyle::shared(), EditorScreenTexts::openAnotherImage(), this);
    openButton_->setToolTip(EditorHelpTexts::chooseAnotherPhotograph());
    connect(openButton_, &QAbstractButton::clicked, this, [this] {
        if (model_) model_->openImagePicker();
    });
    row->addWidget(openButton_);

    row->addWidget(makeHistoryGroup(), 0, Qt::AlignVCenter);
    row->addStretch(1);

    outputButton_ = new EditorOutputButtonSurface(this);
    buildOutputMenu();
    row->addWidget(outputButton_);

    settingsButton_ =
        new EditorImageButton(QStringLiteral("settings-sliders"), QSize(kSettingsSide, kSettingsSide), this);
    settingsButton_->setAccessibleName(EditorHelpTexts::settings());
    settingsButton_->setToolTip(EditorHelpTexts::settings());
    connect(settingsButton_, &QAbstractButton::clicked, this, [this] {
        if (model_) model_->presentSettings(SettingsSection::contactInformation);
    });
    row->addWidget(settingsButton_);

    connectModel();
    refresh();
}

QWidget* EditorToolbar::makeHistoryGroup() {
    constexpr double kGroupCornerRadius = 7.0;
    constexpr int kGroupPadding = 3;
    constexpr int kGroupSpacing = 2;
    constexpr int kSeparatorHeight = 18;
    constexpr int kSeparatorPadding = 3;
    constexpr int kResetHeight = 30;
    constexpr double kResetGlyphSide = 14.0;
    constexpr double kResetSpacing = 7.0;
    constexpr double kResetPadding = 11.0;
    constexpr double kResetFontSize = 13.5;

    auto* group = new EditorRoundedPanel(EditorPalette::historyGroupFill(), kGroupCornerRadius, this);
    group->setObjectName(QStringLiteral("editorHistoryGroup"));
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(kGroupPadding, kGroupPadding, kGroupPadding, kGroupPadding);
    layout->setSpacing(kGroupSpacing);

    undoButton_ = new EditorHistoryButton(
        EditorHistoryGlyph::Kind::undo, EditorScreenTexts::undo(), EditorHelpTexts::undo(),
        [this] { runCommand(session_.undoEditor); }, group);
    redoButton_ = new EditorHistoryButton(
        EditorHistoryGlyph::Kind::redo, EditorScreenTexts::redo(), EditorHelpTexts::redo(),
        [this] { runCommand(session_.redoEditor); }, group);
    layout->addWidget(undoButton_);
    layout->addWidget(redoButton_);

    layout->addSpacing(kSeparatorPadding - kGroupSpacing);
    layout->addWidget(new EditorRule(EditorPalette::historySeparator(), QSize(1, kSeparatorHeight), group));
    layout->addSpacing(kSeparatorPadding - kGroupSpacing);

    resetButton_ = new EditorLabelButton(EditorHistoryResetButtonStyle::shared(), EditorScreenTexts::resetAll(), group);
    resetButton_->setFont(editorSystemFont(kResetFontSize));
    resetButton_->setSpacing(kResetSpacing);
    resetButton_->setLabelPadding(QMarginsF(kResetPadding, 0, kResetPadding, 0));
    resetButton_->setLeadingGlyph(EditorButtonGlyph{[](QPainter& painter, const QRectF& frame, const QColor& color) {
                                                        EditorHistoryGlyph{EditorHistoryGlyph::Kind::reset}.paint(
                                                            painter, frame, color);
                                                    },
                                                    QSizeF(kResetGlyphSide, kResetGlyphSide), std::nullopt});
    resetButton_->setFixedHeight(kResetHeight);
    resetButton_->setToolTip(EditorHelpTexts::reset());
    connect(resetButton_, &QAbstractButton::clicked, this, [this] { runCommand(session_.resetEditor); });
    layout->addWidget(resetButton_);
    group->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return group;
}

void EditorToolbar::buildOutputMenu() {
    outputMenu_ = new QMenu(this);
    outputMenu_->setObjectName(QStringLiteral("editorOutputMenu"));
    outputMenu_->setToolTipsVisible(true);
    auto addItem = [this](const QString& title, const char* icon, const QString& help, void (AppModel::*operation)()) {
        QAction* action = outputMenu_->addAction(menuIcon(icon), title);
        action->setToolTip(help);
        connect(action, &QAction::triggered, this, [this, operation] {
            if (model_) (model_->*operation)();
        });
        return action;
    };
    saveImagesAction_ = addItem(EditorScreenTexts::saveImages(), "editor-output-save", EditorHelpTexts::saveImages(),
                                &AppModel::requestSaveImages);
    saveVideoAction_ = addItem(EditorScreenTexts::saveVideo(), "editor-output-video", EditorHelpTexts::saveVideo(),
                               &AppModel::requestAnimationVideoSave);
    outputMenu_->addSeparator();
    shareAction_ = addItem(EditorScreenTexts::share(), "editor-output-share", EditorHelpTexts::share(),
                           &AppModel::requestShareImage);
    printAction_ =
        addItem(printCommandTitle(), "editor-output-print", EditorHelpTexts::print(), &AppModel::startPrinting);
    outputButton_->setMenu(outputMenu_);
}

void EditorToolbar::connectModel() {
    for (auto signal : {&AppModel::importStateChanged, &AppModel::isInteractionLockedChanged,
                        &AppModel::animationVideoSaveStateChanged, &AppModel::shareStateChanged}) {
        connect(model_.data(), signal, this, &EditorToolbar::refresh);
    }
    connect(&session_, &EditorSession::canUndoChanged, this, &EditorToolbar::refresh);
    connect(&session_, &EditorSession::canRedoChanged, this, &EditorToolbar::refresh);
    connect(&session_, &EditorSession::canResetChanged, this, &EditorToolbar::refresh);
    connect(&session_, &EditorSession::selectedTabChanged, this, &EditorToolbar::refresh);
    connect(&session_, &EditorSession::textEntryRequestChanged, this, &EditorToolbar::refresh);
}

void EditorToolbar::refresh() {
    if (!model_) return;
    const bool locked = model_->isInteractionLocked();
    const bool historyAllowed = session_.selectedTab() != EditorTab::animate && !model_->isAnimationVideoSaving();
    const bool textEntryPending = session_.textEntryRequest().has_value();

    openButton_->setEnabled(!model_->importState().isImporting && !locked);
    undoButton_->setEnabled(session_.canUndo() && historyAllowed);
    redoButton_->setEnabled(session_.canRedo() && historyAllowed);
    resetButton_->setEnabled(session_.canReset() && historyAllowed);

    outputButton_->setEnabled(!locked);
    const bool outputAllowed = !locked && !textEntryPending;
    saveImagesAction_->setEnabled(outputAllowed);
    saveVideoAction_->setEnabled(outputAllowed);
    shareAction_->setEnabled(outputAllowed && !model_->shareState().isNativeShareServiceActive);
    printAction_->setEnabled(outputAllowed);

    settingsButton_->setEnabled(!locked);
}

void EditorToolbar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(QRect(0, height() - 1, width(), 1), EditorPalette::divider());
}

}  // namespace vlt

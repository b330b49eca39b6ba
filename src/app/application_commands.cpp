#include "app/application_commands.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "model/app_model.h"
#include "model/print_command_title.h"
#include "model/zoom_command_targets.h"
#include "editing/session/editor_session.h"
#include "foundation/localized_string.h"

namespace vlt {

ApplicationCommands::ApplicationCommands(AppModel& model, QMenuBar& menuBar, Actions actions, QObject* parent)
    : QObject(parent), model_(model), actions_(std::move(actions)) {
    buildMenus(menuBar);

    auto refreshLater = [this] { refresh(); };
    connect(&model_, &AppModel::isInteractionLockedChanged, this, refreshLater);
    connect(&model_, &AppModel::isPresentingModalChanged, this, refreshLater);
    connect(&model_, &AppModel::importStateChanged, this, refreshLater);
    connect(&model_, &AppModel::closeRequestStateChanged, this, refreshLater);
    connect(&model_, &AppModel::animationVideoSaveStateChanged, this, refreshLater);
    connect(&model_, &AppModel::shareStateChanged, this, refreshLater);
    connect(&model_, &AppModel::editorStateChanged, this, [this] {
        watchEditorSession();
        refresh();
    });
    watchEditorSession();
    refresh();
}

void ApplicationCommands::buildMenus(QMenuBar& menuBar) {
    QMenu* file = menuBar.addMenu(localizedString("File"));
    addItem(*file, MenuCommand::openImage, localizedString("Open Image…"), QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addSeparator();
    addItem(*file, MenuCommand::saveImages, localizedString("Save images…"), QKeySequence(Qt::CTRL | Qt::Key_S));
    addItem(*file, MenuCommand::saveVideo, localizedString("Save video"));
    file->addSeparator();
    addItem(*file, MenuCommand::share, localizedString("Share"));
    addItem(*file, MenuCommand::print, printCommandTitle(), QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    // From any window of the application, a sheet above this one included.
    addItem(*file, MenuCommand::quit, localizedString("Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q))
        ->setShortcutContext(Qt::ApplicationShortcut);

    QMenu* edit = menuBar.addMenu(localizedString("Edit"));
    addItem(*edit, MenuCommand::undo, localizedString("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    addItem(*edit, MenuCommand::redo, localizedString("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    edit->addSeparator();
    addItem(*edit, MenuCommand::settings, localizedString("Settings…"), QKeySequence(Qt::CTRL | Qt::Key_Comma));

    QMenu* view = menuBar.addMenu(localizedString("View"));
    addItem(*view, MenuCommand::fit, localizedString("Fit"), QKeySequence(Qt::Key_F));
    addItem(*view, MenuCommand::actualSize, localizedString("Actual Size"), QKeySequence(Qt::CTRL | Qt::Key_1));
    addItem(*view, MenuCommand::zoomIn, localizedString("Zoom In"), QKeySequence(Qt::CTRL | Qt::Key_Plus));
    addItem(*view, MenuCommand::zoomOut, localizedString("Zoom Out"), QKeySequence(Qt::CTRL | Qt::Key_Minus));
    view->addSeparator();
    addItem(*view, MenuCommand::previousEditorTab, localizedString("Previous Editor Tab"), QKeySequence(Qt::Key_Left));
    addItem(*view, MenuCommand::nextEditorTab, localizedString("Next Editor Tab"), QKeySequence(Qt::Key_Right));
    addItem(*view, MenuCommand::toggleComparisonLabels, localizedString("Toggle Comparison Labels"),
            QKeySequence(Qt::CTRL | Qt::Key_L));
    addItem(*view, MenuCommand::toggleInspector, localizedString("Toggle Inspector"),
            QKeySequence(Qt::CTRL | Qt::Key_I));
    addItem(*view, MenuCommand::toggleToolbar, localizedString("Toggle Toolbar"), QKeySequence(Qt::CTRL | Qt::Key_T));

    QMenu* settings = menuBar.addMenu(localizedString("Settings"));
    addItem(*settings, MenuCommand::settingsContactInformation, localizedString("Contact information"));
    addItem(*settings, MenuCommand::settingsComparisonLabels, localizedString("Comparison labels"));
    addItem(*settings, MenuCommand::settingsLanguage, localizedString("Language"));
    addItem(*settings, MenuCommand::settingsPerformance, localizedString("Performance"));

    QMenu* help = menuBar.addMenu(localizedString("Help"));
    addItem(*help, MenuCommand::shortcuts, localizedString("Shortcuts"));
    addItem(*help, MenuCommand::documentation, localizedString("Documentation"),
            QKeySequence(Qt::CTRL | Qt::Key_Question));
    addItem(*help, MenuCommand::support, localizedString("Support"));
    addItem(*help, MenuCommand::sendFeedback, localizedString("Send Feedback"));
    help->addSeparator();
    // Without an application menu, About is listed once, here.
    addItem(*help, MenuCommand::aboutVeltrano, localizedString("About Veltrano"));

    menus_ = {file, edit, view, settings, help};
}

QAction* ApplicationCommands::addItem(QMenu& menu, MenuCommand command, const QString& title,
                                      const QKeySequence& shortcut) {
    QAction* action = menu.addAction(title);
    action->setShortcut(shortcut);
    action->setMenuRole(QAction::NoRole);
    connect(action, &QAction::triggered, this, [this, command] { perform(command); });
    actionsByCommand_[command] = action;
    return action;
}

QAction* ApplicationCommands::action(MenuCommand command) const {
    const auto found = actionsByCommand_.find(command);
    return found == actionsByCommand_.end() ? nullptr : found->second;
}

MenuCommandAvailability ApplicationCommands::availability() const {
    MenuCommandAvailability availability;
    availability.isInteractionLocked = model_.isInteractionLocked();
    availability.isPresentingModal = model_.isPresentingModal();
    availability.isImporting = model_.importState().isImporting;
    availability.isCloseRequestPending = model_.closeRequestState().isCloseRequestPending;
    availability.isAnimationVideoSaving = model_.isAnimationVideoSaving();
    availability.isNativeShareServiceActive = model_.shareState().isNativeShareServiceActive;
    if (const auto& session = model_.editorState().editorSession) {
        availability.hasEditorSession = true;
        availability.isTextEntryOpen = session->textEntryRequest().has_value();
        availability.isAnimateTabSelected = session->selectedTab() == EditorTab::animate;
        availability.canUndo = session->canUndo();
        availability.canRedo = session->canRedo();
    }
    return availability;
}

void ApplicationCommands::refresh() {
    const MenuCommandAvailability current = availability();
    for (const auto& [command, action] : actionsByCommand_) action->setEnabled(current.isEnabled(command));
}

void ApplicationCommands::watchEditorSession() {
    EditorSession* session = model_.editorState().editorSession.get();
    if (watchedSession_ == session) return;
    for (const auto& connection : std::as_const(sessionConnections_)) disconnect(connection);
    sessionConnections_.clear();
    watchedSession_ = session;
    if (!session) return;
    auto refreshLater = [this] { refresh(); };
    sessionConnections_.append(connect(session, &EditorSession::selectedTabChanged, this, refreshLater));
    sessionConnections_.append(connect(session, &EditorSession::textEntryRequestChanged, this, refreshLater));
    sessionConnections_.append(connect(session, &EditorSession::canUndoChanged, this, refreshLater));
    sessionConnections_.append(connect(session, &EditorSession::canRedoChanged, this, refreshLater));
}

void ApplicationCommands::perform(MenuCommand command) {
    const std::shared_ptr<EditorSession> session = model_.editorState().editorSession;
    switch (command) {
    case MenuCommand::openImage:
        model_.openImagePicker();
        return;
    case MenuCommand::saveImages:
        model_.requestSaveImages();
        return;
    case MenuCommand::saveVideo:
        model_.requestAnimationVideoSave();
        return;
    case MenuCommand::share:
        model_.requestShareImage();
        return;
    case MenuCommand::print:
        model_.startPrinting();
        return;
    case MenuCommand::quit:
        if (actions_.quit) actions_.quit();
        return;
    case MenuCommand::undo:
        performHistoryCommand(true);
        return;
    case MenuCommand::redo:
        performHistoryCommand(false);
        return;
    case MenuCommand::settings:
    case MenuCommand::settingsContactInformation:
        model_.presentSettings(SettingsSection::contactInformation);
        return;
    case MenuCommand::settingsComparisonLabels:
        model_.presentSettings(SettingsSection::comparisonLabels);
        return;
    case MenuCommand::settingsLanguage:
        model_.presentSettings(SettingsSection::language);
        return;
    case MenuCommand::settingsPerformance:
        model_.presentSettings(SettingsSection::performance);
        return;
    case MenuCommand::shortcuts:
        model_.presentShortcuts();
        return;
    case MenuCommand::documentation:
        if (actions_.openDocumentation) actions_.openDocumentation();
        return;
    case MenuCommand::support:
        if (actions_.openSupportPage) actions_.openSupportPage();
        return;
    case MenuCommand::sendFeedback:
        model_.presentFeedback();
        return;
    case MenuCommand::about:
    case MenuCommand::aboutVeltrano:
        if (actions_.showAbout) actions_.showAbout();
        return;
    default:
        break;
    }

    if (!session) return;
    switch (command) {
    case MenuCommand::fit:
        session->fitImage();
        break;
    case MenuCommand::actualSize:
        session->setZoom(ZoomCommandTargets::actualSize(session->fitScale()));
        break;
    case MenuCommand::zoomIn:
        session->setZoom(ZoomCommandTargets::zoomIn(session->zoomFactor()));
        break;
    case MenuCommand::zoomOut: {
        const double target = ZoomCommandTargets::zoomOut(session->zoomFactor());
        if (ZoomCommandTargets::returnsToFit(target)) {
            session->fitImage();
        } else {
            session->setZoom(target);
        }
        break;
    }
    case MenuCommand::previousEditorTab:
        session->selectAdjacentTab(-1);
        break;
    case MenuCommand::nextEditorTab:
        session->selectAdjacentTab(1);
        break;
    case MenuCommand::toggleComparisonLabels:
        session->setShowsComparisonLabels(!session->showsComparisonLabels());
        break;
    case MenuCommand::toggleInspector:
        session->setInspectorExpanded(!session->isInspectorExpanded());
        break;
    case MenuCommand::toggleToolbar:
        session->setToolRailExpanded(!session->isToolRailExpanded());
        break;
    default:
        break;
    }
}

void ApplicationCommands::performHistoryCommand(bool isUndo) {
    const std::shared_ptr<EditorSession> session = model_.editorState().editorSession;
    if (!session) return;
    if (session->textEntryRequest().has_value()) {
        // The text sheet is open: the text being typed undoes its own typing.
        QWidget* focused = QApplication::focusWidget();
        const char* slot = isUndo ? "undo" : "redo";
        if (focused && focused->metaObject()->indexOfMethod(isUndo ? "undo()" : "redo()") >= 0) {
            QMetaObject::invokeMethod(focused, slot);
        }
        return;
    }
    const EditorSession::Command& command = isUndo ? session->undoEditor : session->redoEditor;
    if (command) command();
}

}  // namespace vlt

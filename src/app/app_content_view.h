#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

#include "app/app_overlay_layer.h"

#include <QMessageBox>

#include "model/app_model.h"

namespace vlt {

class CropDocument;
class EditorSession;
class ImageFolderMemory;
class MotionPreference;
class Scheduler;

// The one root view of the window. It picks the base screen from the model alone
// (editor when an editor session exists, else the crop screen of the open document,
// else the start page), stacks the dialogs and cards above it in their fixed order,
// shows the model's two alerts, and runs the window's root tasks.
//
// The crop screen, the editor and most dialogs come from other parts of the program
// and are installed as factories; until one is installed its place stays empty (a
// plain placeholder for the screens).
class AppContentView final : public QWidget {
    Q_OBJECT

public:
    enum class BaseScreen { startPage, cropScreen, editor };
    enum class Alert { replacementImport, editorPreparation };
    // Who hands the model to the application delegate, sweeps stale share files on
    // first appearance, watches for the moment queued files may open and writes the
    // settings when the application ends: this view, or a shell that does it itself.
    enum class RootTasks { run, leftToTheShell };

    using CropScreenFactory =
        std::function<QWidget*(AppModel& model, const std::shared_ptr<CropDocument>& document, QWidget* parent)>;
    using EditorScreenFactory =
        std::function<QWidget*(AppModel& model, const std::shared_ptr<EditorSession>& session, QWidget* parent)>;
    // Builds a layer that covers its parent; the root view shows it, and drops it when
    // the model no longer calls for it.
    using OverlayFactory = std::function<QWidget*(AppModel& model, QWidget* parent)>;

    AppContentView(AppModel& model, Scheduler& scheduler, MotionPreference& motion, QWidget* parent = nullptr,
                   RootTasks rootTasks = RootTasks::run);
    explicit AppContentView(AppModel& model, QWidget* parent = nullptr, RootTasks rootTasks = RootTasks::run);
    ~AppContentView() override;

    void setCropScreenFactory(CropScreenFactory factory);
    void setEditorScreenFactory(EditorScreenFactory factory);
    // The application's own crop screen and editor in place of the placeholders.
    void useApplicationScreens();
    void setOverlayFactory(AppOverlayLayer layer, OverlayFactory factory);

    // Root tasks the application delegate takes part in: the first runs once, when the
    // window content is first shown (before the stale share files are swept); the
    // second each time the model turns free to open files handed over by the system.
    void setOnFirstAppearance(std::function<void()> action) { onFirstAppearance_ = std::move(action); }
    void setOnQueuedFilesMayOpen(std::function<void()> action) { onQueuedFilesMayOpen_ = std::move(action); }
    // Keeps the folder of the last image opened across launches; without one the open
    // panel still starts there within this run.
    void setImageFolderMemory(std::shared_ptr<ImageFolderMemory> memory);
    // The normal termination path, for "Quit Veltrano" on the graphics failure card.
    void setQuitApplication(std::function<void()> action) { quitApplication_ = std::move(action); }
    // Starts the application anew in the language chosen in the settings.
    void setRelaunchForLanguageChange(std::function<void()> action) { relaunchForLanguageChange_ = std::move(action); }

    BaseScreen baseScreen() const { return baseScreen_; }
    QWidget* baseScreenWidget() const { return base_; }
    bool isBaseScreenLocked() const;
    QWidget* overlay(AppOverlayLayer layer) const;
    // The layers on screen, bottom to top as they are stacked.
    std::vector<AppOverlayLayer> stackedOverlays() const;
    QMessageBox* alert(Alert alert) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void connectModel();
    QString openPanelStartFolder() const;
    void refresh();
    void refreshBaseScreen();
    void refreshLock();
    void giveFocusBackToBaseScreen();
    void refreshOverlays();
    void refreshAlerts();
    void refreshQueuedFileGate();
    void restackOverlays();
    QWidget* makeBaseScreen(BaseScreen screen);
    void animateEntrance(QWidget* screen, double rise, double seconds);
    void retire(QWidget* screen, bool fades, bool staysOnTop);
    void showAlert(Alert alert);
    void closeAlert(Alert alert);
    bool alertCondition(Alert alert) const;

    QPointer<AppModel> model_;
    Scheduler& scheduler_;
    MotionPreference& motion_;
    CropScreenFactory cropScreenFactory_;
    EditorScreenFactory editorScreenFactory_;
    std::map<AppOverlayLayer, OverlayFactory> overlayFactories_;
    std::map<AppOverlayLayer, QPointer<QWidget>> overlays_;
    std::map<Alert, QPointer<QMessageBox>> alerts_;
    std::function<void()> onFirstAppearance_;
    std::function<void()> onQueuedFilesMayOpen_;
    std::function<void()> quitApplication_;
    std::function<void()> relaunchForLanguageChange_;
    std::shared_ptr<ImageFolderMemory> imageFolders_;
    RootTasks rootTasks_;

    BaseScreen baseScreen_ = BaseScreen::startPage;
    QPointer<QWidget> base_;
    const void* baseIdentity_ = nullptr;
    bool hasBase_ = false;
    bool isBaseLocked_ = false;
    // The control of the base screen that had the keyboard when the lock began: the lock
    // disables the screen, which takes the focus away, and unlocking gives it back.
    QPointer<QWidget> focusBeforeLock_;
    bool cropScreenIsPlaceholder_ = false;
    bool editorIsPlaceholder_ = false;
    bool hasAppeared_ = false;
    bool queuedFilesMayOpen_ = false;
    bool refreshing_ = false;
    bool refreshAgain_ = false;
};

}  // namespace vlt

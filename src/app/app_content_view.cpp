#include "app/app_content_view.h"

#include <QCoreApplication>
#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>
#include <utility>

#include "screens/video/animation_video_save_overlays.h"
#include "screens/video/animation_video_save_panel.h"
#include "app/app_alert_texts.h"
#include "app/application_print_window.h"
#include "app/graphics_failure_overlay.h"
#include "app/image_folder_memory.h"
#include "model/app_model.h"
#include "app/open_image_panel.h"
#include "app/print_error_overlay.h"
#include "app/replacement_image_loading_overlay.h"
#include "screens/share/share_image_error_overlay.h"
#include "screens/share/share_image_modal.h"
#include "screens/shortcuts/shortcuts_modal.h"
#include "screens/start/startup_view.h"
#include "screens/crop/crop_view.h"
#include "screens/editor/editor_view.h"
#include "screens/editor/editor_view_services.h"
#include "screens/save_images/still_image_folder_picker.h"
#include "screens/save_images/still_image_save_modal.h"
#include "screens/save_images/still_image_save_overlays.h"
#include "ui/keyboard_focus.h"
#include "base/scheduler.h"
#include "screens/feedback/feedback_modal.h"
#include "screens/settings/settings_modal.h"
#include "ui/modal_host.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

constexpr double kCropEntranceSeconds = 0.501;
constexpr double kCropEntranceRise = 30.0;
constexpr double kScreenExitSeconds = 0.249;
constexpr const char* kEntranceAnimationName = "screenEntrance";

QEasingCurve easeOut() {
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.0, 0.0), QPointF(0.58, 1.0), QPointF(1.0, 1.0));
    return curve;
}

QEasingCurve easeIn() {
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.42, 0.0), QPointF(1.0, 1.0), QPointF(1.0, 1.0));
    return curve;
}

QWidget* makePlaceholder(const QString& name, QWidget* parent) {
    auto* placeholder = new QWidget(parent);
    placeholder->setObjectName(name);
    return placeholder;
}

}  // namespace

AppContentView::AppContentView(AppModel& model, QWidget* parent, RootTasks rootTasks)
    : AppContentView(model, QtScheduler::shared(), MotionPreference::shared(), parent, rootTasks) {}

AppContentView::AppContentView(AppModel& model, Scheduler& scheduler, MotionPreference& motion, QWidget* parent,
                               RootTasks rootTasks)
    : QWidget(parent), model_(&model), scheduler_(scheduler), motion_(motion), rootTasks_(rootTasks) {
    setObjectName(QStringLiteral("appContentView"));
    quitApplication_ = [] { QCoreApplication::quit(); };
    if (!model.onOpenImagePanelRequested) {
        QPointer<AppContentView> guard(this);
        model.onOpenImagePanelRequested = [guard](auto finish) {
            const QString startFolder = guard ? guard->openPanelStartFolder() : ImageFolderMemory::startFolder({});
            OpenImagePanel::present(guard ? guard->window() : nullptr, startFolder, std::move(finish));
        };
    }
    if (!model.onAnimationVideoSavePanelRequested) {
        QPointer<AppContentView> guard(this);
        model.onAnimationVideoSavePanelRequested = [guard](const QString& proposedName, auto finish) {
            AnimationVideoSavePanel::present(guard ? guard->window() : nullptr, proposedName, std::move(finish));
        };
    }
    if (!model.findPrintWindow) {
        QPointer<AppContentView> guard(this);
        model.findPrintWindow = [guard]() -> std::shared_ptr<PrintWindow> {
            QWidget* window = ApplicationPrintWindow::hostWindow(guard);
            if (window == nullptr || !guard) return nullptr;
            return std::make_shared<ApplicationPrintWindow>(window, guard->scheduler_);
        };
    }
    if (!model.onStillImageFolderPickerRequested) {
        QPointer<AppContentView> guard(this);
        model.onStillImageFolderPickerRequested = [guard](const QString& startFolder, auto finish) {
            StillImageFolderPicker::present(guard ? guard->window() : nullptr, startFolder, std::move(finish));
        };
    }
    connectModel();
    queuedFilesMayOpen_ = !model.closeRequestState().isCloseRequestPending && !model.isInteractionLocked() &&
                          !model.importState().isImagePickerPresented;
    refresh();
}

AppContentView::~AppContentView() {
    for (auto& [kind, box] : alerts_) {
        if (box) box->disconnect(this);
    }
}

void AppContentView::connectModel() {
    AppModel* model = model_.data();
    const auto watch = [this, model](auto signal) { connect(model, signal, this, &AppContentView::refresh); };
    watch(&AppModel::importStateChanged);
    watch(&AppModel::editorStateChanged);
    watch(&AppModel::isPresentingModalChanged);
    watch(&AppModel::isInteractionLockedChanged);
    watch(&AppModel::closeRequestStateChanged);
    watch(&AppModel::settingsStateChanged);
    watch(&AppModel::shortcutsStateChanged);
    watch(&AppModel::feedbackStateChanged);
    watch(&AppModel::shareStateChanged);
    watch(&AppModel::stillImageSaveStateChanged);
    watch(&AppModel::animationVideoSaveStateChanged);
    watch(&AppModel::printStateChanged);

    connect(model, &AppModel::importStateChanged, this, [this] {
        if (imageFolders_ && model_) imageFolders_->remember(model_->importState().lastImageFolder);
    });

    if (rootTasks_ != RootTasks::run) return;
    // The delayed settings write must not be lost when the application ends.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (model_) model_->applicationWillTerminate();
    });
}

void AppContentView::setImageFolderMemory(std::shared_ptr<ImageFolderMemory> memory) {
    imageFolders_ = std::move(memory);
}

QString AppContentView::openPanelStartFolder() const {
    QString lastImageFolder = model_ ? model_->importState().lastImageFolder : QString();
    if (lastImageFolder.isEmpty() && imageFolders_) lastImageFolder = imageFolders_->recalled();
    return ImageFolderMemory::startFolder(lastImageFolder);
}

void AppContentView::setCropScreenFactory(CropScreenFactory factory) {
    cropScreenFactory_ = std::move(factory);
    refresh();
}

void AppContentView::useApplicationScreens() {
    setCropScreenFactory([](AppModel& model, const std::shared_ptr<CropDocument>& document, QWidget* parent) {
        return new CropView(model, document, parent);
    });
    setEditorScreenFactory([](AppModel& model, const std::shared_ptr<EditorSession>& session, QWidget* parent) {
        return new EditorView(model, session, EditorViewServices::standard(), parent);
    });
}

void AppContentView::setEditorScreenFactory(EditorScreenFactory factory) {
    editorScreenFactory_ = std::move(factory);
    refresh();
}

void AppContentView::setOverlayFactory(AppOverlayLayer layer, OverlayFactory factory) {
    overlayFactories_[layer] = std::move(factory);
    refresh();
}

void AppContentView::refresh() {
    if (!model_) return;
    // A screen or dialog built here may change the model again; that change is taken
    // up once the current pass is done.
    if (refreshing_) {
        refreshAgain_ = true;
        return;
    }
    refreshing_ = true;
    do {
        refreshAgain_ = false;
        refreshBaseScreen();
        refreshLock();
        refreshOverlays();
        refreshAlerts();
        refreshQueuedFileGate();
    } while (refreshAgain_ && model_);
    refreshing_ = false;
}

void AppContentView::refreshBaseScreen() {
    BaseScreen wanted = BaseScreen::startPage;
    const void* identity = nullptr;
    if (const auto& session = model_->editorState().editorSession) {
        wanted = BaseScreen::editor;
        identity = session.get();
    } else if (const auto& document = model_->importState().document) {
        wanted = BaseScreen::cropScreen;
        identity = document.get();
    }
    const bool factoryArrived = (wanted == BaseScreen::cropScreen && cropScreenIsPlaceholder_ && cropScreenFactory_) ||
                                (wanted == BaseScreen::editor && editorIsPlaceholder_ && editorScreenFactory_);
    if (hasBase_ && wanted == baseScreen_ && identity == baseIdentity_ && !factoryArrived) return;

    QWidget* leaving = hasBase_ ? base_.data() : nullptr;
    const BaseScreen leavingScreen = baseScreen_;

    base_ = makeBaseScreen(wanted);
    baseScreen_ = wanted;
    baseIdentity_ = identity;
    hasBase_ = true;
    base_->setGeometry(rect());
    base_->lower();
    base_->show();

    const bool animate = !motion_.reduceMotion();
    if (animate && wanted == BaseScreen::cropScreen) animateEntrance(base_, kCropEntranceRise, kCropEntranceSeconds);
    if (auto* startPage = qobject_cast<StartupView*>(leaving)) startPage->settleEntrance();
    if (leaving != nullptr) {
        // The crop screen is drawn above its neighbours while it leaves; the start page
        // fades out beneath the screen that replaces it.
        const bool fades = animate && leavingScreen != BaseScreen::editor;
        retire(leaving, fades, leavingScreen == BaseScreen::cropScreen);
    }
    restackOverlays();
}

QWidget* AppContentView::makeBaseScreen(BaseScreen screen) {
    switch (screen) {
    case BaseScreen::startPage:
        cropScreenIsPlaceholder_ = false;
        editorIsPlaceholder_ = false;
        return new StartupView(*model_, scheduler_, motion_, this);
    case BaseScreen::cropScreen:
        cropScreenIsPlaceholder_ = !cropScreenFactory_;
        if (cropScreenFactory_) return cropScreenFactory_(*model_, model_->importState().document, this);
        return makePlaceholder(QStringLiteral("cropScreenPlaceholder"), this);
    case BaseScreen::editor:
        editorIsPlaceholder_ = !editorScreenFactory_;
        if (editorScreenFactory_) return editorScreenFactory_(*model_, model_->editorState().editorSession, this);
        return makePlaceholder(QStringLiteral("editorScreenPlaceholder"), this);
    }
    return makePlaceholder(QString(), this);
}

void AppContentView::animateEntrance(QWidget* screen, double rise, double seconds) {
    auto* effect = new QGraphicsOpacityEffect(screen);
    effect->setOpacity(0.0);
    screen->setGraphicsEffect(effect);
    auto* animation = new QVariantAnimation(screen);
    animation->setObjectName(QLatin1String(kEntranceAnimationName));
    animation->setStartValue(0.0);
    animation->setEndValue(1.0);
    animation->setDuration(static_cast<int>(std::lround(seconds * 1000.0)));
    animation->setEasingCurve(easeOut());
    QPointer<QWidget> target(screen);
    QPointer<AppContentView> self(this);
    connect(animation, &QVariantAnimation::valueChanged, screen, [target, self, effect, rise](const QVariant& value) {
        if (!target || !self || target->graphicsEffect() != effect) return;
        const double progress = value.toDouble();
        effect->setOpacity(progress);
        target->setGeometry(self->rect().translated(0, static_cast<int>(std::lround(rise * (1.0 - progress)))));
    });
    connect(animation, &QVariantAnimation::finished, screen, [target, self, effect] {
        if (!target || target->graphicsEffect() != effect) return;
        target->setGraphicsEffect(nullptr);
        if (self) target->setGeometry(self->rect());
    });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void AppContentView::retire(QWidget* screen, bool fades, bool staysOnTop) {
    screen->setEnabled(false);
    screen->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (!fades) {
        screen->hide();
        screen->deleteLater();
        return;
    }
    if (staysOnTop) {
        base_->stackUnder(screen);
    } else {
        screen->lower();
    }
    // A screen that leaves while it still rises stops rising and fades from where it is;
    // its rising effect is replaced below, so nothing of the rise may run any more.
    double opacity = 1.0;
    if (auto* rising = qobject_cast<QGraphicsOpacityEffect*>(screen->graphicsEffect())) opacity = rising->opacity();
    if (auto* entrance =
            screen->findChild<QVariantAnimation*>(QLatin1String(kEntranceAnimationName), Qt::FindDirectChildrenOnly)) {
        entrance->stop();
    }
    auto* effect = new QGraphicsOpacityEffect(screen);
    effect->setOpacity(opacity);
    screen->setGraphicsEffect(effect);
    auto* animation = new QVariantAnimation(screen);
    animation->setStartValue(opacity);
    animation->setEndValue(0.0);
    animation->setDuration(static_cast<int>(std::lround(kScreenExitSeconds * 1000.0)));
    animation->setEasingCurve(easeIn());
    connect(animation, &QVariantAnimation::valueChanged, screen,
            [effect](const QVariant& value) { effect->setOpacity(value.toDouble()); });
    connect(animation, &QVariantAnimation::finished, screen, [screen] {
        screen->hide();
        screen->deleteLater();
    });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

bool AppContentView::isBaseScreenLocked() const {
    if (!model_) return false;
    const ImportState& importState = model_->importState();
    return model_->isPresentingModal() || model_->closeRequestState().isCloseRequestPending ||
           (importState.isImporting && importState.document != nullptr);
}

void AppContentView::refreshLock() {
    if (!base_) return;
    const bool locked = isBaseScreenLocked();
    if (locked && !isBaseLocked_) {
        QWidget* focused = window()->focusWidget();
        focusBeforeLock_ = focused != nullptr && base_->isAncestorOf(focused) ? focused : nullptr;
    }
    isBaseLocked_ = locked;
    base_->setEnabled(!locked);
    if (!locked) giveFocusBackToBaseScreen();
}

// Whichever way the dialog or question went, the keyboard returns to where it was
// before, unless it found a place of its own meanwhile: otherwise the tool letters,
// Delete, Escape and the Spacebar would do nothing until a click.
void AppContentView::giveFocusBackToBaseScreen() {
    QWidget* previous = std::exchange(focusBeforeLock_, nullptr);
    if (previous == nullptr || !base_->isAncestorOf(previous) || !previous->isVisible() || !previous->isEnabled()) {
        return;
    }
    const QWidget* focused = window()->focusWidget();
    const bool isInLeavingLayer = focused != nullptr && isAncestorOf(focused) && !base_->isAncestorOf(focused);
    const bool isLost = focused == nullptr || focused == this || !focused->isVisible() || !focused->isEnabled();
    if (isLost || isInLeavingLayer) previous->setFocus(Qt::OtherFocusReason);
}

// A screen's button that has the keyboard ("Go to editor", "Open another image") answers
// Return as it answers Space; keys the screen took for itself never get here. Only the
// screen's own: a dialog passes Return on while it closes, and its buttons must not answer.
void AppContentView::keyPressEvent(QKeyEvent* event) {
    if (base_ && pressFocusedButtonOnReturn(*base_, *event)) return;
    QWidget::keyPressEvent(event);
}

void AppContentView::refreshOverlays() {
    bool changed = false;
    for (const AppOverlayLayer layer : kAppOverlayLayers) {
        const bool shown = isAppOverlayLayerShown(layer, *model_);
        auto existing = overlays_.find(layer);
        const bool exists = existing != overlays_.end() && existing->second;
        if (shown == exists) continue;
        changed = true;
        if (!shown) {
            QWidget* overlay = existing->second;
            overlays_.erase(existing);
            auto* loadingCard = qobject_cast<ModalHost*>(overlay);
            if (layer == AppOverlayLayer::replacementImageLoading && loadingCard != nullptr &&
                !motion_.reduceMotion()) {
                // The loading card fades out as it came; the screen beneath is usable at once.
                loadingCard->setAttribute(Qt::WA_TransparentForMouseEvents);
                loadingCard->setDismissAction(nullptr);
                loadingCard->requestClose();
                QTimer::singleShot(static_cast<int>(std::lround(ModalHost::closeFadeSeconds * 1000.0)), loadingCard,
                                   &QObject::deleteLater);
                continue;
            }
            // Dropped later: the dialog may still be inside its own close call.
            overlay->hide();
            overlay->deleteLater();
            continue;
        }
        QWidget* overlay = nullptr;
        if (auto factory = overlayFactories_.find(layer); factory != overlayFactories_.end() && factory->second) {
            overlay = factory->second(*model_, this);
        } else if (layer == AppOverlayLayer::replacementImageLoading) {
            overlay = new ReplacementImageLoadingOverlay(this, scheduler_, motion_);
        } else if (layer == AppOverlayLayer::shortcuts) {
            overlay = new ShortcutsModal(*model_, this, scheduler_, motion_);
        } else if (layer == AppOverlayLayer::settings) {
            QPointer<AppContentView> guard(this);
            overlay = new SettingsModal(
                *model_,
                [guard] {
                    if (guard && guard->relaunchForLanguageChange_) guard->relaunchForLanguageChange_();
                },
                this, scheduler_, motion_);
        } else if (layer == AppOverlayLayer::feedback) {
            overlay = new FeedbackModal(*model_, this, scheduler_, motion_);
        } else if (layer == AppOverlayLayer::shareImage) {
            overlay = new ShareImageModal(*model_, this, scheduler_, motion_);
        } else if (layer == AppOverlayLayer::shareImageError) {
            overlay = new ShareImageErrorOverlay(*model_, this, scheduler_, motion_);
        } else if (layer == AppOverlayLayer::stillImageSave) {
            overlay = new StillImageSaveModal(*model_, this, scheduler_, motion_);
        } else if (layer == AppOverlayLayer::stillImageSaving) {
            overlay = new StillImageSavingOverlay(*model_, this, scheduler_, motion_);
        } else if (layer == AppOverlayLayer::stillImageSaved) {
            overlay = new StillImageSavedOverlay(*model_, this, scheduler_, motion_);
        } else if (layer == AppOverlayLayer::stillImageSaveError) {
            overlay = new StillImageSaveErrorOverlay(*model_, this, scheduler_, motion_);
        } else if (layer == AppOverlayLayer::animationVideoSaving) {
            overlay = new AnimationVideoSavingOverlay(*model_, this, scheduler_, motion_);
        } else if (layer == AppOverlayLayer::animationVideoSaved) {
            overlay = new AnimationVideoSavedOverlay(*model_, this, scheduler_, motion_);
        } else if (layer == AppOverlayLayer::animationVideoSaveError) {
            overlay = new AnimationVideoSaveErrorOverlay(*model_, this, scheduler_, motion_);
        } else if (layer == AppOverlayLayer::printError) {
            overlay = new PrintErrorOverlay(*model_, this, scheduler_, motion_);
        } else if (layer == AppOverlayLayer::graphicsFailure) {
            QPointer<AppContentView> guard(this);
            overlay = new GraphicsFailureOverlay(
                *model_,
                [guard] {
                    if (guard && guard->quitApplication_) guard->quitApplication_();
                },
                this, scheduler_, motion_);
        }
        if (overlay == nullptr) continue;
        overlays_[layer] = overlay;
        overlay->setGeometry(rect());
        overlay->show();
        if (auto* host = qobject_cast<ModalHost*>(overlay)) host->present();
    }
    if (changed) restackOverlays();
}

void AppContentView::restackOverlays() {
    for (const AppOverlayLayer layer : kAppOverlayLayers) {
        auto overlay = overlays_.find(layer);
        if (overlay != overlays_.end() && overlay->second) overlay->second->raise();
    }
}

QWidget* AppContentView::overlay(AppOverlayLayer layer) const {
    auto found = overlays_.find(layer);
    return found != overlays_.end() ? found->second.data() : nullptr;
}

std::vector<AppOverlayLayer> AppContentView::stackedOverlays() const {
    std::vector<AppOverlayLayer> stacked;
    for (QObject* child : children()) {
        for (const auto& [layer, widget] : overlays_) {
            if (widget && widget.data() == child) stacked.push_back(layer);
        }
    }
    return stacked;
}

bool AppContentView::alertCondition(Alert alert) const {
    switch (alert) {
    case Alert::replacementImport:
        return model_->importState().showsReplacementImportError;
    case Alert::editorPreparation:
        return model_->editorState().showsEditorPreparationError;
    }
    return false;
}

void AppContentView::refreshAlerts() {
    for (const Alert alert : {Alert::replacementImport, Alert::editorPreparation}) {
        const bool wanted = alertCondition(alert);
        const bool shown = alerts_[alert] != nullptr;
        if (wanted && !shown) showAlert(alert);
        if (!wanted && shown) closeAlert(alert);
    }
}

QMessageBox* AppContentView::alert(Alert alert) const {
    auto found = alerts_.find(alert);
    return found != alerts_.end() ? found->second.data() : nullptr;
}

void AppContentView::showAlert(Alert alert) {
    auto* box = new QMessageBox(window());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->setIcon(QMessageBox::Warning);
    QPushButton* closeButton = box->addButton(AppAlertTexts::closeButton(), QMessageBox::RejectRole);
    box->setEscapeButton(closeButton);
    QPushButton* reopenButton = nullptr;

    switch (alert) {
    case Alert::replacementImport:
        box->setText(AppAlertTexts::replacementImportTitle());
        box->setInformativeText(AppAlertTexts::replacementImportMessage(
            model_->importState().replacementImportError, model_->editorState().editorSession != nullptr));
        reopenButton = box->addButton(AppAlertTexts::reopenImagePickerButton(), QMessageBox::AcceptRole);
        box->setDefaultButton(reopenButton);
        break;
    case Alert::editorPreparation:
        box->setText(AppAlertTexts::editorPreparationTitle());
        box->setInformativeText(AppAlertTexts::editorPreparationMessage(model_->editorState().editorPreparationError));
        box->setDefaultButton(closeButton);
        break;
    }
    box->setWindowTitle(box->text());

    QPointer<AppModel> model = model_;
    connect(box, &QMessageBox::buttonClicked, this, [model, alert, reopenButton](QAbstractButton* clicked) {
        if (!model) return;
        if (alert == Alert::replacementImport && clicked == reopenButton) {
            model->dismissReplacementImportError();
            return;
        }
        switch (alert) {
        case Alert::replacementImport:
            model->closeReplacementImportError();
            break;
        case Alert::editorPreparation:
            model->closeEditorPreparationError();
            break;
        }
    });
    // However the alert goes away, its flag goes with it.
    connect(box, &QDialog::finished, this, [this, model, alert] {
        alerts_.erase(alert);
        if (!model) return;
        if (alert == Alert::replacementImport) model->closeReplacementImportError();
        if (alert == Alert::editorPreparation) model->closeEditorPreparationError();
    });
    alerts_[alert] = box;
    box->open();
}

void AppContentView::closeAlert(Alert alert) {
    QPointer<QMessageBox> box = alerts_[alert];
    alerts_.erase(alert);
    if (!box) return;
    box->disconnect(this);
    box->close();
}

void AppContentView::refreshQueuedFileGate() {
    if (rootTasks_ != RootTasks::run) return;
    const bool mayOpen = !model_->closeRequestState().isCloseRequestPending && !model_->isInteractionLocked() &&
                         !model_->importState().isImagePickerPresented;
    if (mayOpen == queuedFilesMayOpen_) return;
    queuedFilesMayOpen_ = mayOpen;
    if (!mayOpen || !onQueuedFilesMayOpen_) return;
    // An answered question frees the model before its answer has run; the files wait
    // for that answer's own work.
    QPointer<AppContentView> guard(this);
    scheduler_.post([guard] {
        if (guard && guard->queuedFilesMayOpen_ && guard->onQueuedFilesMayOpen_) guard->onQueuedFilesMayOpen_();
    });
}

void AppContentView::resizeEvent(QResizeEvent* event) {
    for (QObject* child : children()) {
        if (auto* widget = qobject_cast<QWidget*>(child); widget != nullptr && !widget->isWindow()) {
            if (widget->graphicsEffect() == nullptr || widget != base_.data()) widget->setGeometry(rect());
        }
    }
    QWidget::resizeEvent(event);
}

void AppContentView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (hasAppeared_ || rootTasks_ != RootTasks::run) return;
    hasAppeared_ = true;
    QPointer<AppContentView> guard(this);
    scheduler_.post([guard] {
        if (!guard || !guard->model_) return;
        if (guard->onFirstAppearance_) guard->onFirstAppearance_();
        if (guard->model_) guard->model_->cleanUpStaleSharePayloads();
    });
}

}  // namespace vlt

#include "model/app_model.h"

#include <utility>

#include "model/feedback_identity_storing.h"
#include "foundation/app_language_preference_storing.h"
#include "foundation/application_settings_storing.h"
#include "foundation/diagnostic_log.h"
#include "foundation/installation_identity_store.h"
#include "base/scheduler.h"
#include "output/share/share_image_payload_store.h"
#include "platform/share/share_picker.h"

namespace vlt {

namespace {

constexpr double kSettingsWriteDelaySeconds = 0.5;

QString makeRandomInstallationID() { return QString::fromStdString(InstallationIdentityStore::makeIdentifier()); }

}  // namespace

AppModel::AppModel(std::shared_ptr<ApplicationSettingsStoring> settingsStore,
                   std::shared_ptr<AppLanguagePreferenceStoring> languagePreferenceStore, AppLanguage activeLanguage,
                   std::shared_ptr<FeedbackSubmitting> feedbackClient,
                   std::shared_ptr<FeedbackIdentityStoring> feedbackIdentityStore,
                   PrepareEditingCanvas prepareEditingCanvas, Scheduler& scheduler, QObject* parent)
    : QObject(parent),
      settingsStore_(std::move(settingsStore)),
      languagePreferenceStore_(std::move(languagePreferenceStore)),
      feedbackClient_(std::move(feedbackClient)),
      prepareEditingCanvas_(std::move(prepareEditingCanvas)),
      scheduler_(scheduler),
      settingsSave_(scheduler, kSettingsWriteDelaySeconds, [this] { saveSettingsNow(); }) {
    shareImagePayloadStore = std::make_shared<const ShareImagePayloadStore>();
    settings_.activeLanguage = activeLanguage;
    settings_.selectedLanguage = activeLanguage;
    if (languagePreferenceStore_) {
        const QStringList stored = languagePreferenceStore_->storedPreferredLanguages();
        if (auto language = appLanguageMatching(stored)) settings_.selectedLanguage = *language;
    }
    loadFeedbackIdentity(feedbackIdentityStore);
    loadSettings();

    const AppModelFlags flags = flagInputs();
    lastIsPresentingModal_ = flags.isPresentingModal();
    lastIsInteractionLocked_ = flags.isInteractionLocked();
    lastCanGoToEditor_ = flags.canGoToEditor();
}

AppModel::~AppModel() = default;

void AppModel::loadFeedbackIdentity(const std::shared_ptr<FeedbackIdentityStoring>& store) {
    if (!store) {
        feedbackInstallationID_ = makeRandomInstallationID();
        return;
    }
    auto identity = store->loadOrCreate();
    if (identity.ok()) {
        feedbackInstallationID_ = identity.value();
        return;
    }
    DiagnosticLog::feedbackIdentityFailed(*identity.error());
    // The file keeps its content; this run sends a throwaway identity instead.
    feedbackInstallationID_ = makeRandomInstallationID();
}

void AppModel::loadSettings() {
    if (!settingsStore_) return;
    auto loaded = settingsStore_->load();
    if (loaded.ok()) {
        settings_.settings = std::move(loaded).value();
        return;
    }
    DiagnosticLog::settingsLoadFailed(*loaded.error());
}

AppModelFlags AppModel::flagInputs() const {
    AppModelFlags flags;
    flags.isShortcutsPresented = shortcuts_.isShortcutsPresented;
    flags.isCrashReportAlertPresented = crashReport_.isAlertPresented;
    flags.hasFeedbackState = feedbackState_.has_value();
    flags.hasActiveSettingsSection = settings_.activeSettingsSection.has_value();
    flags.isSaveImagesPresented = stillImageSave_.isSaveImagesPresented;
    flags.isStillImageSaving = stillImageSave_.isSaving;
    flags.hasSavedStillImages = stillImageSave_.savedImages.has_value();
    flags.hasStillImageSaveErrorTitle = stillImageSave_.errorTitle.has_value();
    flags.isShareImageOpening = share_.isShareImageOpening;
    flags.hasShareImageState = share_.shareImageState.has_value();
    flags.isShareImagePreparing = share_.isShareImagePreparing;
    flags.hasShareImageErrorTitle = share_.shareImageErrorTitle.has_value();
    flags.isAnimationVideoSavePanelPresented = animationVideoSave_.isSavePanelPresented;
    flags.isAnimationVideoSaving = animationVideoSave_.isSaving;
    flags.hasSavedAnimationVideo = animationVideoSave_.savedVideo.has_value();
    flags.hasAnimationVideoSaveErrorTitle = animationVideoSave_.errorTitle.has_value();
    flags.isPrinting = print_.isPrinting;
    flags.showsPrintError = print_.showsPrintError;
    flags.showsReplacementImportError = import_.showsReplacementImportError;
    flags.showsEditorPreparationError = editor_.showsEditorPreparationError;
    flags.showsGraphicsFailure = editor_.showsGraphicsFailure;
    flags.isCloseRequestPending = closeRequest_.isCloseRequestPending;
    flags.isClosePreparationPending = closeRequest_.isClosePreparationPending;
    flags.isImporting = import_.isImporting;
    flags.hasDocument = import_.document != nullptr;
    flags.hasEditorSession = editor_.editorSession != nullptr;
    flags.isPreparingEditor = editor_.isPreparingEditor;
    return flags;
}

template <typename T>
void AppModel::assign(T& field, T value, void (AppModel::*changed)()) {
    if (field == value) return;
    field = std::move(value);
    emit(this->*changed)();
    refreshDerivedFlags();
}

template <typename T>
void AppModel::assignAlways(T& field, T value, void (AppModel::*changed)()) {
    field = std::move(value);
    emit(this->*changed)();
    refreshDerivedFlags();
}

void AppModel::refreshDerivedFlags() {
    const AppModelFlags flags = flagInputs();
    const bool presenting = flags.isPresentingModal();
    const bool locked = flags.isInteractionLocked();
    const bool canGo = flags.canGoToEditor();
    const bool presentingChanged = std::exchange(lastIsPresentingModal_, presenting) != presenting;
    const bool lockedChanged = std::exchange(lastIsInteractionLocked_, locked) != locked;
    const bool canGoChanged = std::exchange(lastCanGoToEditor_, canGo) != canGo;
    if (presentingChanged) emit isPresentingModalChanged();
    if (lockedChanged) emit isInteractionLockedChanged();
    if (canGoChanged) emit canGoToEditorChanged();
}

}  // namespace vlt

#include <algorithm>
#include <optional>
#include <utility>

#include <QFileInfo>
#include <QPointer>
#include <QUuid>

#include "model/app_model.h"
#include "model/import_flow.h"
#include "foundation/diagnostic_log.h"
#include "import/validated_dropped_file_url.h"
#include "base/scheduler.h"

namespace vlt {

namespace {

// A local file that is not a folder; a folder flag that cannot be read counts as not set.
bool isOpenableLocalFile(const QUrl& url) {
    if (!url.isLocalFile()) return false;
    const QString path = url.toLocalFile();
    return !path.isEmpty() && !QFileInfo(path).isDir();
}

}  // namespace

void AppModel::changeImportState(const std::function<void(ImportState&)>& edit) {
    changeArea(import_, edit, &AppModel::importStateChanged);
}

bool AppModel::mayOpenImagePicker() const {
    return !isInteractionLocked() && !import_.isImagePickerPresented && !import_.isImporting;
}

void AppModel::openImagePicker() {
    if (!mayOpenImagePicker()) return;
    askBeforeReplacingEditor(ImageImportOrigin::openPanel, [this] { presentOpenImagePanel(); });
}

void AppModel::presentOpenImagePanel() {
    // Things may have moved on while the question was up.
    if (!mayOpenImagePicker()) return;
    changeImportState([](ImportState& state) { state.isImagePickerPresented = true; });
    const QUuid operationId = QUuid::createUuid();
    DiagnosticLog::openPanelStarted(operationId);

    QPointer<AppModel> guard(this);
    auto finish = [guard, operationId](std::optional<QUrl> chosen) {
        if (!guard) return;
        guard->changeImportState([](ImportState& state) { state.isImagePickerPresented = false; });
        DiagnosticLog::openPanelFinished(operationId, chosen.has_value());
        if (chosen) guard->importImage(*chosen, ImageImportOrigin::openPanel);
    };
    if (!onOpenImagePanelRequested) {
        finish(std::nullopt);
        return;
    }
    onOpenImagePanelRequested(std::move(finish));
}

bool AppModel::openFileURLs(const QList<QUrl>& urls) {
    const auto found = std::find_if(urls.begin(), urls.end(), isOpenableLocalFile);
    if (found == urls.end()) return false;
    const QUrl url = *found;
    auto open = [this, url] { importImage(url, ImageImportOrigin::fileOpen); };
    if (waitingOpen_ && closeRequest_.isCloseRequestPending) {
        DiagnosticLog::openRequestSuperseded(waitingOpen_->origin);
        *waitingOpen_ = WaitingOpen{ImageImportOrigin::fileOpen, std::move(open)};
        return true;
    }
    if (closeRequest_.isCloseRequestPending || isInteractionLocked() || import_.isImagePickerPresented) return false;
    // A running import does not block files handed over by the system: the new import
    // supersedes it.
    askBeforeReplacingEditor(ImageImportOrigin::fileOpen, std::move(open));
    return true;
}

bool AppModel::handleDroppedItems(const QList<QUrl>& urls) {
    if (isInteractionLocked() || import_.isImagePickerPresented || import_.isImporting) return false;
    auto validated = validatedDroppedFileURL(urls);
    if (validated.ok()) {
        askBeforeReplacingEditor(ImageImportOrigin::drop,
                                 [this, url = validated.value()] { importImage(url, ImageImportOrigin::drop); });
    } else {
        refuseDrop(QString::fromStdString(validated.error().userMessage()));
    }
    return true;
}

void AppModel::refuseDrop(const QString& message) {
    changeImportState([&message](ImportState& state) { state.inlineImportError = message; });
}

void AppModel::importImage(const QUrl& url, ImageImportOrigin origin) {
    ImportFlow::start(*this, url, origin, loadImportedImage, runInBackground);
}

void AppModel::dismissReplacementImportError() {
    changeImportState([](ImportState& state) {
        state.showsReplacementImportError = false;
        state.replacementImportError = std::nullopt;
    });
    // Yield once so the alert has closed before the panel opens over the window.
    QPointer<AppModel> guard(this);
    scheduler_.post([guard] {
        if (guard) guard->openImagePicker();
    });
}

void AppModel::closeReplacementImportError() {
    changeImportState([](ImportState& state) { state.showsReplacementImportError = false; });
}

void AppModel::cancelAllOperations() {
    for (const TaskHandlePtr& task : {import_.importTask, editor_.editorPreparationTask, stillImageSaveTask,
                                      share_.shareImagePreparationTask, animationVideoSaveTask}) {
        if (task) task->cancel();
    }
    cancelPrintPreparation();
}

}  // namespace vlt

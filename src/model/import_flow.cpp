#include "model/import_flow.h"

#include <limits>
#include <memory>
#include <optional>

#include <QFileInfo>
#include <QPointer>

#include "model/app_model.h"
#include "model/unexpected_task_error.h"
#include "base/cancellation_error.h"
#include "foundation/diagnostic_log.h"
#include "foundation/localized_string.h"
#include "base/precondition.h"
#include "import/crop_document.h"
#include "base/main_thread.h"

namespace vlt {

namespace {

// The decode's outcome as it crosses back to the GUI thread.
struct DecodeOutcome {
    std::optional<ImportedImage> image;
    ErrorPtr error;
};

DecodeOutcome decode(const LoadImportedImage& load, const QUrl& url, const SharedFileAccess& access,
                     std::stop_token stop) {
    DecodeOutcome outcome;
    try {
        auto loaded = load(url, access, std::move(stop));
        if (loaded.ok()) {
            outcome.image = std::move(loaded).value();
        } else {
            outcome.error = makeError<ImageImportFailure>(loaded.error());
        }
    } catch (const std::exception& exception) {
        outcome.error = makeError<UnexpectedTaskError>(exception.what());
    } catch (...) {
        outcome.error = makeError<UnexpectedTaskError>();
    }
    return outcome;
}

std::int64_t nextGeneration(std::int64_t generation) {
    VLT_PRECONDITION(generation < std::numeric_limits<std::int64_t>::max(), "generation counter overflow");
    return generation + 1;
}

bool isCurrent(const AppModel* model, const ImportFlow::Run& run) {
    return model != nullptr && model->importState().importGeneration == run.generation;
}

// The newest import has ended without a document: the screens may act again.
}  // namespace

void ImportFlow::endImport(AppModel& model) {
    model.changeImportState([](ImportState& state) {
        state.isImporting = false;
        state.isReplacingCropImage = false;
    });
}

void ImportFlow::start(AppModel& model, const QUrl& url, ImageImportOrigin origin, const LoadImportedImage& load,
                       const BackgroundRunner& runInBackground) {
    Run run;
    run.url = url;
    run.origin = origin;
    run.replacesCrop = model.importState().document != nullptr && model.editorState().editorSession == nullptr;

    // A preparation still running can no longer apply its result.
    if (model.editorState().editorPreparationTask) model.editorState().editorPreparationTask->cancel();
    model.changeEditorState([](EditorState& state) {
        state.editorPreparationGeneration = nextGeneration(state.editorPreparationGeneration);
        state.editorPreparationTask = nullptr;
        state.isPreparingEditor = false;
    });

    run.generation = nextGeneration(model.importState().importGeneration);
    run.operationId = QUuid::createUuid();
    if (model.importState().importTask) model.importState().importTask->cancel();
    run.fileAccess = SecurityScopedFileAccess::start(url);
    run.task = TaskHandle::create();

    model.changeImportState([&run](ImportState& state) {
        state.importGeneration = run.generation;
        state.isImporting = true;
        state.isReplacingCropImage = run.replacesCrop;
        if (!state.document) state.inlineImportError = std::nullopt;
        state.importTask = run.task;
        if (run.url.isLocalFile()) state.lastImageFolder = QFileInfo(run.url.toLocalFile()).absolutePath();
    });
    DiagnosticLog::importStarted(run.operationId, origin);

    QPointer<AppModel> guard(&model);
    runInBackground([load, run, guard]() mutable {
        DecodeOutcome outcome = decode(load, run.url, run.fileAccess, run.task->stopToken());
        postToMainThread([guard, run = std::move(run), outcome = std::move(outcome)]() mutable {
            AppModel* model = guard.data();
            if (outcome.image) {
                didFinish(model, run, *outcome.image);
            } else {
                didFail(model, run, *outcome.error);
            }
            run.task->finish();
        });
    });
}

void ImportFlow::didFinish(AppModel* model, const Run& run, const ImportedImage& image) {
    if (run.task->isCancelled()) {
        didFail(model, run, *makeCancellationError());
        return;
    }
    if (model == nullptr) return;
    if (!isCurrent(model, run)) {
        DiagnosticLog::importCancelled(run.operationId, run.origin);
        return;
    }
    model->changeImportState([&run, &image](ImportState& state) {
        if (run.replacesCrop) ++state.cropReplacementMotionGeneration;
        state.document = std::make_shared<CropDocument>(image);
        state.inlineImportError = std::nullopt;
    });
    model->changeEditorState([](EditorState& state) { state.editorSession = nullptr; });
    endImport(*model);
    DiagnosticLog::importSucceeded(run.operationId, run.origin);
}

void ImportFlow::didFail(AppModel* model, const Run& run, const Error& error) {
    if (isCancellation(error) || run.task->isCancelled()) {
        DiagnosticLog::importCancelled(run.operationId, run.origin);
        // A cancelled import that no newer one replaced must not leave the screens locked.
        if (isCurrent(model, run)) endImport(*model);
        return;
    }
    if (model == nullptr) return;
    if (!isCurrent(model, run)) {
        DiagnosticLog::importCancelled(run.operationId, run.origin);
        return;
    }
    DiagnosticLog::importFailed(run.operationId, run.origin, error);
    const QString message = failureMessage(error);
    model->changeImportState([&message](ImportState& state) {
        if (state.document) {
            state.replacementImportError = message;
            state.showsReplacementImportError = true;
        } else {
            state.inlineImportError = message;
        }
        state.isImporting = false;
        state.isReplacingCropImage = false;
    });
}

QString ImportFlow::failureMessage(const Error& error) {
    if (const auto* failure = dynamic_cast<const ImageImportFailure*>(&error)) {
        return QString::fromStdString(failure->userMessage());
    }
    static const QString generic =
        localizedString("This image could not be opened. Please choose another local image.");
    return generic;
}

}  // namespace vlt

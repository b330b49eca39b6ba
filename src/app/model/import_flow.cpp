#include "app/model/import_flow.h"

#include <limits>
#include <memory>
#include <optional>

#include <QPointer>

#include "app/model/app_model.h"
#include "app/model/unexpected_task_error.h"
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

DecodeOutcome decode(const LoadImportedImage& load, const QUrl& url, const SharedFileAccess& access) {
    DecodeOutcome outcome;
    try {
        auto loaded = load(url, access);
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
    return model != nullptr && model->importGeneration() == run.generation;
}

// The newest import has ended without a document: the screens may act again.
void endImport(AppModel& model) {
    model.setIsImporting(false);
    model.setIsReplacingCropImage(false);
}

}  // namespace

void ImportFlow::start(AppModel& model, const QUrl& url, ImageImportOrigin origin, const LoadImportedImage& load,
                       const BackgroundRunner& runInBackground) {
    Run run;
    run.url = url;
    run.origin = origin;
    run.replacesCrop = model.document() != nullptr && model.editorSession() == nullptr;

    // A preparation still running can no longer apply its result.
    model.setEditorPreparationGeneration(nextGeneration(model.editorPreparationGeneration()));
    if (model.editorPreparationTask()) model.editorPreparationTask()->cancel();
    model.setEditorPreparationTask(nullptr);
    model.setIsPreparingEditor(false);

    model.setImportGeneration(nextGeneration(model.importGeneration()));
    run.generation = model.importGeneration();
    run.operationId = QUuid::createUuid();
    if (model.importTask()) model.importTask()->cancel();

    model.setIsImporting(true);
    model.setIsReplacingCropImage(run.replacesCrop);
    if (!model.document()) model.setInlineImportError(std::nullopt);
    DiagnosticLog::importStarted(run.operationId, origin);

    run.fileAccess = SecurityScopedFileAccess::start(url);
    run.task = TaskHandle::create();
    model.setImportTask(run.task);

    QPointer<AppModel> guard(&model);
    runInBackground([load, run, guard]() mutable {
        DecodeOutcome outcome = decode(load, run.url, run.fileAccess);
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
    if (run.replacesCrop) model->setCropReplacementMotionGeneration(model->cropReplacementMotionGeneration() + 1);
    model->setDocument(std::make_shared<CropDocument>(image));
    model->setEditorSession(nullptr);
    model->setInlineImportError(std::nullopt);
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
    if (model->document()) {
        model->setReplacementImportError(message);
        model->setShowsReplacementImportError(true);
    } else {
        model->setInlineImportError(message);
    }
    endImport(*model);
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

#include "model/editor_preparation_flow.h"

#include <limits>
#include <optional>

#include <QPointer>

#include "model/app_model.h"
#include "model/unexpected_task_error.h"
#include "editing/session/editor_session.h"
#include "base/cancellation_error.h"
#include "foundation/diagnostic_log.h"
#include "foundation/localized_string.h"
#include "base/precondition.h"
#include "import/crop_document.h"
#include "base/main_thread.h"

namespace vlt {

namespace {

struct PreparationOutcome {
    SharedEditingCanvas canvas;
    ErrorPtr error;
};

PreparationOutcome prepare(const PrepareEditingCanvas& prepareCanvas, const EditingCanvasDescriptor& descriptor,
                           std::stop_token stop) {
    PreparationOutcome outcome;
    try {
        auto prepared = prepareCanvas ? prepareCanvas(descriptor, stop) : EditingCanvas::prepare(descriptor, stop);
        if (prepared.ok()) {
            outcome.canvas = std::move(prepared).value();
        } else {
            outcome.error = makeError<EditingCanvasPreparationFailure>(prepared.error());
        }
    } catch (const std::exception& exception) {
        outcome.error = makeError<UnexpectedTaskError>(exception.what());
    } catch (...) {
        outcome.error = makeError<UnexpectedTaskError>();
    }
    // A preparation that answers with nothing has failed, not succeeded.
    if (!outcome.canvas && !outcome.error) outcome.error = makeError<UnexpectedTaskError>("no canvas");
    return outcome;
}

bool isCurrent(const AppModel* model, const EditorPreparationFlow::Run& run) {
    return model != nullptr && model->editorState().editorPreparationGeneration == run.generation;
}

}  // namespace

void EditorPreparationFlow::showFailure(AppModel& model, const Error& error) {
    const QString message = failureMessage(error);
    model.changeEditorState([&message](EditorState& state) {
        state.editorPreparationError = message;
        state.showsEditorPreparationError = true;
        state.isPreparingEditor = false;
    });
}

void EditorPreparationFlow::start(AppModel& model, const BackgroundRunner& runInBackground) {
    const std::shared_ptr<CropDocument> document = model.importState().document;
    if (!model.canGoToEditor() || !document) return;

    Run run;
    run.operationId = QUuid::createUuid();
    DiagnosticLog::editorPreparationStarted(run.operationId);

    auto descriptor = EditingCanvasDescriptor::make(*document, model.settingsState().settings.maximumImageSide);
    if (!descriptor.ok()) {
        DiagnosticLog::editorPreparationFailed(run.operationId, descriptor.error());
        showFailure(model, descriptor.error());
        return;
    }

    VLT_PRECONDITION(model.editorState().editorPreparationGeneration < std::numeric_limits<std::int64_t>::max(),
                     "generation counter overflow");
    run.generation = model.editorState().editorPreparationGeneration + 1;
    run.document = document;
    if (model.editorState().editorPreparationTask) model.editorState().editorPreparationTask->cancel();
    run.task = TaskHandle::create();
    model.changeEditorState([&run](EditorState& state) {
        state.editorPreparationGeneration = run.generation;
        state.isPreparingEditor = true;
        state.editorPreparationTask = run.task;
    });

    QPointer<AppModel> guard(&model);
    PrepareEditingCanvas prepareCanvas = model.prepareEditingCanvas();
    runInBackground([prepareCanvas, descriptor = std::move(descriptor).value(), run, guard]() mutable {
        PreparationOutcome outcome = prepare(prepareCanvas, descriptor, run.task->stopToken());
        postToMainThread([guard, run = std::move(run), outcome = std::move(outcome)] {
            AppModel* model = guard.data();
            if (outcome.canvas) {
                didFinish(model, run, outcome.canvas);
            } else {
                didFail(model, run, *outcome.error);
            }
            run.task->finish();
        });
    });
}

void EditorPreparationFlow::didFinish(AppModel* model, const Run& run, const SharedEditingCanvas& canvas) {
    if (run.task->isCancelled()) {
        didFail(model, run, *makeCancellationError());
        return;
    }
    const std::shared_ptr<CropDocument> document = run.document.lock();
    if (!isCurrent(model, run) || !document || document != model->importState().document) {
        DiagnosticLog::editorPreparationCancelled(run.operationId);
        return;
    }
    // The labels are read now: a change made while the canvas was prepared counts.
    const ApplicationSettings& settings = model->settingsState().settings;
    auto session = std::make_shared<EditorSession>(document, canvas, settings.originalComparisonLabel,
                                                   settings.simulationComparisonLabel, model->scheduler());
    model->changeEditorState([&session](EditorState& state) {
        state.editorSession = std::move(session);
        state.isPreparingEditor = false;
    });
    document->releaseDecodeCache();
    DiagnosticLog::editorPreparationSucceeded(run.operationId);
}

void EditorPreparationFlow::didFail(AppModel* model, const Run& run, const Error& error) {
    if (isCancellation(error) || run.task->isCancelled()) {
        DiagnosticLog::editorPreparationCancelled(run.operationId);
        if (isCurrent(model, run))
            model->changeEditorState([](EditorState& state) { state.isPreparingEditor = false; });
        return;
    }
    if (!isCurrent(model, run)) {
        DiagnosticLog::editorPreparationCancelled(run.operationId);
        return;
    }
    DiagnosticLog::editorPreparationFailed(run.operationId, error);
    showFailure(*model, error);
}

QString EditorPreparationFlow::failureMessage(const Error& error) {
    if (const auto* failure = dynamic_cast<const EditingCanvasPreparationFailure*>(&error)) {
        return QString::fromStdString(failure->userMessage());
    }
    static const QString generic =
        localizedString("This image could not be prepared for editing. Please adjust the crop or open it again.");
    return generic;
}

}  // namespace vlt

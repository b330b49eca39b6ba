#include <utility>

#include "model/app_model.h"
#include "model/editor_preparation_flow.h"
#include "editing/session/editor_session.h"

namespace vlt {

void AppModel::changeEditorState(const std::function<void(EditorState&)>& edit) {
    const EditorSession* before = editor_.editorSession.get();
    changeArea(editor_, edit, &AppModel::editorStateChanged);
    if (editor_.editorSession.get() != before) closeSaveImagesOfReplacedEditor();
}

void AppModel::goToEditor() { EditorPreparationFlow::start(*this, runInBackground); }

void AppModel::closeEditorPreparationError() {
    changeEditorState([](EditorState& state) { state.showsEditorPreparationError = false; });
}

void AppModel::reportGraphicsFailure() {
    changeEditorState([](EditorState& state) { state.showsGraphicsFailure = true; });
}

void AppModel::closeGraphicsFailure() {
    changeEditorState([](EditorState& state) { state.showsGraphicsFailure = false; });
}

void AppModel::cancelEditorGesture() {
    const auto& session = editor_.editorSession;
    if (session && session->cancelEditorGesture) session->cancelEditorGesture();
}

bool AppModel::isEditorTextEntryOpen() const {
    return editor_.editorSession && editor_.editorSession->textEntryRequest().has_value();
}

void AppModel::carryComparisonLabelsIntoEditor() {
    const auto& session = editor_.editorSession;
    if (!session) return;
    session->setOriginalComparisonLabel(settings_.settings.originalComparisonLabel);
    session->setSimulationComparisonLabel(settings_.settings.simulationComparisonLabel);
}

void AppModel::prepareEditorStateForClose(EditorSession& session, std::function<void(bool)> completion) {
    if (session.prepareCommittedEditorState) {
        session.prepareCommittedEditorState(EditorStatePreparationIntent::close, std::move(completion));
        return;
    }
    completion(session.canReset());
}

bool AppModel::isAheadOfLastImageSave(const EditorSession& session) {
    return session.historyStateRevision() != session.lastSuccessfulStillImageSaveRevision();
}

}  // namespace vlt

#include <utility>

#include "app/model/app_model.h"
#include "editing/session/editor_session.h"

namespace vlt {

void AppModel::cancelEditorGesture() {
    if (editorSession_ && editorSession_->cancelEditorGesture) editorSession_->cancelEditorGesture();
}

bool AppModel::isEditorTextEntryOpen() const {
    return editorSession_ && editorSession_->textEntryRequest().has_value();
}

void AppModel::carryComparisonLabelsIntoEditor() {
    if (!editorSession_) return;
    editorSession_->setOriginalComparisonLabel(settings_.originalComparisonLabel);
    editorSession_->setSimulationComparisonLabel(settings_.simulationComparisonLabel);
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

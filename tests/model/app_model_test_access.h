#pragma once

#include <functional>
#include <memory>

#include "model/app_model.h"

namespace vlt {

// Puts the model's areas in states that the real roads reach only after many steps
// (an import half-way, an editor on a made-up canvas); tests then drive and observe
// the model and its screens through their public operations.
class AppModelTestAccess {
public:
    static void changeImportState(AppModel& model, const std::function<void(ImportState&)>& edit) {
        model.changeImportState(edit);
    }
    static void changeSettingsState(AppModel& model, const std::function<void(SettingsState&)>& edit) {
        model.changeSettingsState(edit);
    }
    static void changeAnimationVideoSaveState(AppModel& model,
                                              const std::function<void(AnimationVideoSaveState&)>& edit) {
        model.changeAnimationVideoSaveState(edit);
    }
    static void changeShareState(AppModel& model, const std::function<void(ShareState&)>& edit) {
        model.changeShareState(edit);
    }
    static void changePrintState(AppModel& model, const std::function<void(PrintState&)>& edit) {
        model.changePrintState(edit);
    }
    static void changeStillImageSaveState(AppModel& model, const std::function<void(StillImageSaveState&)>& edit) {
        model.changeStillImageSaveState(edit);
    }
    static void setImporting(AppModel& model, bool importing) {
        model.changeImportState([importing](ImportState& state) { state.isImporting = importing; });
    }
    static void setReplacingCropImage(AppModel& model, bool replacing) {
        model.changeImportState([replacing](ImportState& state) { state.isReplacingCropImage = replacing; });
    }
    static void setImagePickerPresented(AppModel& model, bool presented) {
        model.changeImportState([presented](ImportState& state) { state.isImagePickerPresented = presented; });
    }
    static void setPreparingEditor(AppModel& model, bool preparing) {
        model.changeEditorState([preparing](EditorState& state) { state.isPreparingEditor = preparing; });
    }
    static void setDocument(AppModel& model, std::shared_ptr<CropDocument> document) {
        model.changeImportState([&document](ImportState& state) { state.document = std::move(document); });
    }
    static void setEditorSession(AppModel& model, std::shared_ptr<EditorSession> session) {
        model.changeEditorState([&session](EditorState& state) { state.editorSession = std::move(session); });
    }
};

}  // namespace vlt

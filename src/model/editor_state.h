#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include <QString>

#include "model/task_handle.h"

namespace vlt {

class EditorSession;

// The editor area of the application model: the open editor session, the preparation
// that makes one from the crop, and the failures that stop the editor.
struct EditorState {
    std::shared_ptr<EditorSession> editorSession;
    bool isPreparingEditor = false;
    std::optional<QString> editorPreparationError;
    bool showsEditorPreparationError = false;
    TaskHandlePtr editorPreparationTask;
    // Only the newest preparation may open the editor.
    std::int64_t editorPreparationGeneration = 0;
    // The editor's drawing could not start; only quitting is left.
    bool showsGraphicsFailure = false;

    bool operator==(const EditorState&) const = default;
};

}  // namespace vlt

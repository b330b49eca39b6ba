#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace vlt {

struct AnnotationTextRequest;
class EditorSession;

// The canvas as the editor screen hosts it.
struct EditorCanvasHost {
    QWidget* widget = nullptr;
    // Told whenever a dialog, a sheet or an output starts or stops covering the editor.
    std::function<void(bool suspended)> setInteractionSuspended;
};

// What the editor screen takes from the editing canvas's side: the canvas itself, the
// annotation text sheet and the shared font dialog. Tests hand in stand-ins.
struct EditorViewServices {
    // `onGraphicsFailure` is to be called on the GUI thread when the canvas cannot use
    // the GPU.
    std::function<EditorCanvasHost(EditorSession& session, std::function<void()> onGraphicsFailure, QWidget* parent)>
        makeCanvas;
    // Shows the text sheet for a request over `parent` and returns it; the screen
    // deletes it once the request is gone. The sheet answers through the two actions.
    std::function<QWidget*(const AnnotationTextRequest& request, std::function<void()> onCancel,
                           std::function<void(const QString& text)> onCommit, QWidget* parent)>
        makeTextEntrySheet;
    // Opens the shared font dialog on the session's annotation font, beside `window`.
    std::function<void(EditorSession& session, QWidget* window)> presentFontPanel;

    // The application's own: the live canvas, its text sheet and font dialog.
    static EditorViewServices standard();
};

}  // namespace vlt

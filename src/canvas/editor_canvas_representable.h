#pragma once

#include <functional>

#include <QObject>
#include <QPointer>

#include "editing/session/editor_tab.h"
#include "base/scheduler.h"

class QWidget;

namespace vlt {

class EditorCanvasView;
class EditorSession;

// The only link between the editor session and the canvas. The canvas's reports go
// into the session; the session's state goes into the canvas whenever it changes (one
// update per event-loop turn, however many properties changed); and the session's
// command closures reach the canvas while it exists. The closures hold the canvas
// weakly: once it is gone, plain commands do nothing, state preparation answers
// false and the snapshot and video commands fail as renderer-unavailable.
class EditorCanvasRepresentable final : public QObject {
    Q_OBJECT

public:
    EditorCanvasRepresentable(EditorSession& session, Scheduler& scheduler = QtScheduler::shared(),
                              QObject* parent = nullptr);
    ~EditorCanvasRepresentable() override;

    // Called once when the GPU cannot be used.
    std::function<void()> onGraphicsFailure;

    // Makes the canvas view with the default device and clock and binds it.
    EditorCanvasView* makeView(QWidget* parent = nullptr);
    // Binds a view made elsewhere (tests give it their clock, scheduler and device):
    // installs its callbacks and the session's commands, then updates it once.
    void bind(EditorCanvasView* view);
    EditorCanvasView* view() const { return view_; }

    // True while a sheet, dialog or output covers the editor.
    bool isInteractionSuspended() const { return isInteractionSuspended_; }
    void setInteractionSuspended(bool suspended);

    // Pushes the session's state into the canvas now.
    void update();

private:
    void installCallbacks(EditorCanvasView* view);
    void installCommands(EditorCanvasView* view);
    void scheduleUpdate();
    void selectTab(EditorTab tab);

    QPointer<EditorSession> session_;
    Scheduler& scheduler_;
    QPointer<EditorCanvasView> view_;
    bool isInteractionSuspended_ = false;
    ScheduledWork pendingUpdate_;
};

}  // namespace vlt

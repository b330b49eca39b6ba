#pragma once

#include <functional>
#include <memory>

#include <QEvent>
#include <QPointF>
#include <QWidget>

#include "app/app_delegate.h"
#include "app/main_window.h"
#include "model/model_test_support.h"
#include "platform/updater/fake_updater.h"
#include "ui/motion_preference.h"

class QMessageBox;

namespace vlt {

class AppContentView;
class CropView;
class EditorCanvasView;
class EditorView;

namespace testing {

// Motion is off while it lives, so that pictures are complete on their first frame, and
// on again after it, also when a test ends early, for the tests that follow.
class ReducedMotion {
public:
    ReducedMotion() { MotionPreference::shared().setReduceMotion(true); }
    ~ReducedMotion() { MotionPreference::shared().setReduceMotion(false); }
    ReducedMotion(const ReducedMotion&) = delete;
    ReducedMotion& operator=(const ReducedMotion&) = delete;
};

// The shell as the application builds it, on fakes: a model on a manual scheduler, a
// delegate whose relaunch and exit are only counted, and the window.
class ShellFixture {
public:
    ShellFixture();
    ~ShellFixture();

    AppModel& model() { return *models.model; }
    // The open question, if any.
    QMessageBox* alert() const { return delegate->unsavedChangesAlert(); }
    // Answers the open question with one of its buttons.
    void answer(QAbstractButton* button);
    QString alertInformativeText() const;

    ModelFixture models;
    std::shared_ptr<FakeUpdater> updater = std::make_shared<FakeUpdater>();
    int exitCount = 0;
    int relaunchCount = 0;
    QStringList relaunchFiles;
    ErrorPtr relaunchFailure;
    std::unique_ptr<AppDelegate> delegate;
    std::unique_ptr<MainWindow> window;
};

// How long a road waits for a step the event loop takes.
constexpr int kRoadPatience = 20000;

// The window's root view with the application's own screens over a model on the real
// event loop, at the default window size and without motion, as the road tests take it.
class RoadFixture {
public:
    RoadFixture();

    // Opens the picture and waits until the crop screen shows it.
    CropView* open(const QUrl& picture);
    // Leaves the crop screen for the editor and waits until its canvas can draw.
    EditorView* goToEditor();
    EditorSession& session() { return *model->editorState().editorSession; }
    EditorView* editor() const;
    EditorCanvasView* canvas() const;

    // Presses the tool's button on the rail.
    void selectTool(EditorTool tool);
    // A mouse event at a pixel of the editing canvas, on the single pane of the
    // Original or Simulation tab.
    void send(QEvent::Type type, QPointF pixel, Qt::MouseButton button, Qt::MouseButtons held);
    // A left-button drag between two pixels as a hand makes it: press, moves a frame
    // apart, release.
    void drag(QPointF from, QPointF to, int steps = 10);
    // Runs the action and waits until the history has recorded a new step.
    bool recordsAStep(const std::function<void()>& action);

    ReducedMotion reducedMotion;
    std::unique_ptr<AppModel> model = makeEventLoopModel();
    QWidget window;
    AppContentView* root = nullptr;
};

}  // namespace testing
}  // namespace vlt

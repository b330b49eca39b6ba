#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QPointF>

#include "canvas/editor_canvas_representable.h"
#include "canvas/editor_canvas_view.h"
#include "editing/engine/deformation_tile_snapshot.h"
#include "editing/session/editor_session.h"
#include "platform/gpu/gpu_device.h"
#include "base/clock.h"
#include "base/error.h"
#include "base/scheduler.h"

namespace vlt::testing {

// A canvas of its own size with a horizontal and vertical gradient, so that any
// displacement changes pixels.
SharedEditingCanvas makeGradientCanvas(std::int64_t width, std::int64_t height);

// The diagnostic code an error carries, or none.
std::string diagnosticCodeOf(const ErrorPtr& error);

// A shown canvas view bound to an editor session through the bridge, with a fake
// clock and scheduler and a device whose faults the test can inject.
class CanvasHarness {
public:
    // A 256 by 256 canvas, shown on the Simulation tab.
    explicit CanvasHarness(QSize viewSize = QSize(400, 300));
    ~CanvasHarness();

    EditorCanvasView& view() { return *view_; }
    EditorSession& session() { return *session_; }
    EditorCanvasRepresentable& bridge() { return *bridge_; }
    GpuDevice& device() { return *device_; }

    // Runs deferred bridge work and GPU completions until nothing is left, and the
    // frames of a released stroke until it caught up.
    void settle();

    // The view point over a canvas pixel in the given panel (0: the only or left one).
    QPointF viewPointFor(QPointF canvasPixel, int panel = 0);

    // Synthetic pointer input, as the window system sends it; a release also runs
    // the work it starts (the read-back of a finished stroke).
    void press(QPointF point, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void drag(QPointF point, Qt::MouseButtons buttons = Qt::LeftButton);
    void release(QPointF point, Qt::MouseButton button = Qt::LeftButton);
    // The release alone: a stroke that is behind is left catching up.
    void releaseOnly(QPointF point, Qt::MouseButton button = Qt::LeftButton);
    void wheel(QPointF point, QPoint angleDelta, Qt::KeyboardModifiers modifiers, QPoint pixelDelta = QPoint(),
               Qt::ScrollPhase phase = Qt::NoScrollPhase);
    // A drag from one canvas pixel to another in steps, each step followed by a frame.
    void stroke(QPointF fromPixel, QPointF toPixel, int steps = 8);
    // A press at one canvas pixel and a drag to another, each followed by a frame; the
    // stroke stays open.
    void openStroke(QPointF fromPixel, QPointF toPixel);
    // A press and release at a canvas pixel.
    void click(QPointF pixel);

    void selectTool(EditorTool tool);
    void selectTab(EditorTab tab);
    // The session's commands, with their GPU work run.
    void undo();
    void redo();

    // The whole field's bytes, read back through the renderer.
    std::vector<std::uint8_t> field();

    ManualClock clock{100.0};
    ManualScheduler scheduler{&clock};

private:
    std::shared_ptr<GpuDevice> device_;
    std::unique_ptr<EditorSession> session_;
    std::unique_ptr<EditorCanvasView> view_;
    std::unique_ptr<EditorCanvasRepresentable> bridge_;
};

}  // namespace vlt::testing

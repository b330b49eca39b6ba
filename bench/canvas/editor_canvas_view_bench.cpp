// One frame of a Push drag on the live canvas, as the user sees it: the pointer event,
// composing its stamps, drawing the panes, presenting and painting the widget with
// its overlay. A 4096 × 4096 canvas in a 1180 × 820 window, offscreen, on 1, 2 and
// every thread. Reports frames per second and the slowest frame: first with frames
// drawn back to back (what the machine can do), then through the canvas's own frame
// clock and event loop (what the user gets: at most the display rate, and the longest
// gap between two shown frames).

// TBB's headers must come before Qt's, whose keywords they use as names.
#include <tbb/global_control.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <thread>

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include "canvas/editor_canvas_representable.h"
#include "canvas/editor_canvas_view.h"
#include "editing/renderer/metal_deformation_renderer.h"
#include "editing/session/editor_session.h"
#include "platform/gpu/gpu_device.h"
#include "base/clock.h"
#include "base/scheduler.h"
#include "shaders/shader_library.h"

namespace vlt {
namespace {

constexpr int kCanvasSide = 4096;
constexpr int kWindowWidth = 1180;
constexpr int kWindowHeight = 820;
// Pointer travel between two frames, view points: a brisk drag.
constexpr double kDragStepPoints = 9.0;
constexpr double kDragRadiusPoints = 140.0;
constexpr int kWarmUpFrames = 4;

// The application lives until the process ends and is never destroyed: destroying
// it in an exit handler would run after Qt's own globals are gone, and crash.
void ensureApplication() {
    static QApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_canvas_view";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    static_cast<void>(application);
}

SharedEditingCanvas makeCanvas() {
    EditingCanvasDescriptor descriptor;
    descriptor.canvasSize = {kCanvasSide, kCanvasSide};
    QImage image(kCanvasSide, kCanvasSide, QImage::Format_RGBA8888_Premultiplied);
    for (int y = 0; y < kCanvasSide; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < kCanvasSide; ++x) {
            const std::uint32_t r = static_cast<std::uint32_t>(x * 255 / kCanvasSide);
            const std::uint32_t g = static_cast<std::uint32_t>(y * 255 / kCanvasSide);
            const std::uint32_t b = static_cast<std::uint32_t>(((x / 64 + y / 64) % 2) * 160);
            row[x] = r | (g << 8) | (b << 16) | (0xFFu << 24);
        }
    }
    return std::make_shared<const EditingCanvas>(QUuid::createUuid(), descriptor, image);
}

const SharedEditingCanvas& sharedCanvas() {
    static const SharedEditingCanvas canvas = makeCanvas();
    return canvas;
}

int threadsOf(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

// A live canvas with its session and bridge, and a pointer that drags the Push brush
// round a circle in the right-hand panel.
class DragRig {
public:
    DragRig(int threads, EditorTab tab)
        : parallelism_(tbb::global_control::max_allowed_parallelism, static_cast<std::size_t>(threads)),
          session_(nullptr, sharedCanvas(), QStringLiteral("Original"), QStringLiteral("Simulation")),
          view_(GpuDevice::create(GpuDeviceOptions{makeShaderLibrary(), threads}), SystemClock::shared(),
                QtScheduler::shared()),
          bridge_(session_) {
        session_.setSelectedTab(tab);
        view_.resize(kWindowWidth, kWindowHeight);
        view_.show();
        bridge_.bind(&view_);
        QCoreApplication::processEvents();
        centre_ = view_.viewportGeometry().panelRects().back().center();
        sendMouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    }

    ~DragRig() {
        sendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
        view_.renderer()->waitUntilScheduledWorkCompleted();
        QCoreApplication::processEvents();
    }

    void move() {
        angle_ += kDragStepPoints / kDragRadiusPoints;
        sendMouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
    }

    EditorCanvasView& view() { return view_; }
    double stampRadius() const { return session_.toolDiameter() * 0.5; }

private:
    void sendMouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons) {
        const QPointF point =
            centre_ + QPointF(std::cos(angle_) * kDragRadiusPoints, std::sin(angle_) * kDragRadiusPoints);
        QMouseEvent event(type, point, view_.mapToGlobal(point), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&view_, &event);
    }

    tbb::global_control parallelism_;
    EditorSession session_;
    EditorCanvasView view_;
    EditorCanvasRepresentable bridge_;
    QPointF centre_;
    double angle_ = 0.0;
};

// Frames drawn back to back: one move, its frame on the compute queue, then the
// widget's paint.
void runDrag(benchmark::State& state, EditorTab tab) {
    ensureApplication();
    DragRig rig(threadsOf(state), tab);
    EditorCanvasView& view = rig.view();
    const auto drawFrame = [&] {
        rig.move();
        view.renderFrame();
        view.renderer()->waitUntilScheduledWorkCompleted();
    };
    // Posted events only: the view's own frame clock would draw an extra frame.
    const auto paintFrame = [&] {
        QCoreApplication::sendPostedEvents();
        view.repaint();
    };

    // The first frames of a stroke grow the scratch field and fill the drawable ring;
    // a drag pays that once, not per frame.
    for (int frame = 0; frame < kWarmUpFrames; ++frame) {
        drawFrame();
        paintFrame();
    }

    using Milliseconds = std::chrono::duration<double, std::milli>;
    double worstMilliseconds = 0.0;
    double renderMilliseconds = 0.0;
    double paintMilliseconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        drawFrame();
        const auto rendered = std::chrono::steady_clock::now();
        paintFrame();
        const auto end = std::chrono::steady_clock::now();
        renderMilliseconds += Milliseconds(rendered - start).count();
        paintMilliseconds += Milliseconds(end - rendered).count();
        worstMilliseconds = std::max(worstMilliseconds, Milliseconds(end - start).count());
    }

    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["worst_ms"] = worstMilliseconds;
    // Where a frame's time goes: composing and drawing on the compute queue, then
    // handing the frame to the widget and painting it with the overlay.
    const double frames = static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["render_ms"] = renderMilliseconds / frames;
    state.counters["paint_ms"] = paintMilliseconds / frames;
    state.counters["stamp_radius"] = rig.stampRadius();
}

// The drag as the application runs it: the frame clock draws, the present
// notification repaints, all through the event loop. One iteration is one shown frame.
void runPacedDrag(benchmark::State& state, EditorTab tab) {
    ensureApplication();
    DragRig rig(threadsOf(state), tab);
    const GpuView& gpuView = rig.view().gpuView();
    const auto nextShownFrame = [&] {
        rig.move();
        const std::uint64_t shown = gpuView.presentedFrameCount();
        while (gpuView.presentedFrameCount() == shown) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        // The repaint the present asked for.
        QCoreApplication::processEvents();
    };
    for (int frame = 0; frame < kWarmUpFrames; ++frame) nextShownFrame();

    using Milliseconds = std::chrono::duration<double, std::milli>;
    double worstGapMilliseconds = 0.0;
    auto last = std::chrono::steady_clock::now();
    for (auto _ : state) {
        nextShownFrame();
        const auto now = std::chrono::steady_clock::now();
        worstGapMilliseconds = std::max(worstGapMilliseconds, Milliseconds(now - last).count());
        last = now;
    }

    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["worst_ms"] = worstGapMilliseconds;
}

void BM_CanvasPushDragComparison(benchmark::State& state) { runDrag(state, EditorTab::comparison); }

void BM_CanvasPushDragSimulation(benchmark::State& state) { runDrag(state, EditorTab::simulation); }

void threadArguments(benchmark::internal::Benchmark* benchmark) {
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    benchmark->Arg(1)->Arg(2);
    if (cores > 2) benchmark->Arg(cores);
    benchmark->ArgName("threads")->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);
}

void BM_CanvasPushDragComparisonPaced(benchmark::State& state) { runPacedDrag(state, EditorTab::comparison); }

void BM_CanvasPushDragSimulationPaced(benchmark::State& state) { runPacedDrag(state, EditorTab::simulation); }

BENCHMARK(BM_CanvasPushDragComparison)->Apply(threadArguments);
BENCHMARK(BM_CanvasPushDragSimulation)->Apply(threadArguments);
BENCHMARK(BM_CanvasPushDragComparisonPaced)->Apply(threadArguments);
BENCHMARK(BM_CanvasPushDragSimulationPaced)->Apply(threadArguments);

}  // namespace
}  // namespace vlt

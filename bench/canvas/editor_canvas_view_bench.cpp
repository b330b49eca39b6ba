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

#include "editing/canvas/editor_canvas_representable.h"
#include "editing/canvas/editor_canvas_view.h"
#include "editing/renderer/metal_deformation_renderer.h"
#include "editing/session/editor_session.h"
#include "platform/gpu/gpu_device.h"
#include "platform/tasks/clock.h"
#include "platform/tasks/scheduler.h"
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

int threadsOf(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

void sendMouse(QWidget& widget, QEvent::Type type, QPointF point, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, point, widget.mapToGlobal(point), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void runDrag(benchmark::State& state, EditorTab tab) {
    ensureApplication();
    const int threads = threadsOf(state);
    tbb::global_control parallelism(tbb::global_control::max_allowed_parallelism, static_cast<std::size_t>(threads));
    auto device = GpuDevice::create(GpuDeviceOptions{makeShaderLibrary(), threads});

    EditorSession session(nullptr, sharedCanvas(), QStringLiteral("Original"), QStringLiteral("Simulation"));
    session.setSelectedTab(tab);
    EditorCanvasView view(device, SystemClock::shared(), QtScheduler::shared());
    view.resize(kWindowWidth, kWindowHeight);
    view.show();
    EditorCanvasRepresentable bridge(session);
    bridge.bind(&view);
    QCoreApplication::processEvents();

    const QRectF panel = view.viewportGeometry().panelRects().back();
    const QPointF centre = panel.center();
    double angle = 0.0;
    const auto pointAt = [&](double a) {
        return centre + QPointF(std::cos(a) * kDragRadiusPoints, std::sin(a) * kDragRadiusPoints);
    };
    sendMouse(view, QEvent::MouseButtonPress, pointAt(angle), Qt::LeftButton, Qt::LeftButton);

    // The first frames of a stroke grow the scratch field and fill the drawable ring;
    // a drag pays that once, not per frame.
    for (int frame = 0; frame < kWarmUpFrames; ++frame) {
        angle += kDragStepPoints / kDragRadiusPoints;
        sendMouse(view, QEvent::MouseMove, pointAt(angle), Qt::NoButton, Qt::LeftButton);
        view.renderFrame();
        view.renderer()->waitUntilScheduledWorkCompleted();
        QCoreApplication::sendPostedEvents();
        view.repaint();
    }

    using Milliseconds = std::chrono::duration<double, std::milli>;
    double worstMilliseconds = 0.0;
    double renderMilliseconds = 0.0;
    double paintMilliseconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        angle += kDragStepPoints / kDragRadiusPoints;
        sendMouse(view, QEvent::MouseMove, pointAt(angle), Qt::NoButton, Qt::LeftButton);
        view.renderFrame();
        view.renderer()->waitUntilScheduledWorkCompleted();
        const auto rendered = std::chrono::steady_clock::now();
        // Posted events only: the view's own frame clock would draw an extra frame.
        QCoreApplication::sendPostedEvents();
        view.repaint();
        const auto end = std::chrono::steady_clock::now();
        renderMilliseconds += Milliseconds(rendered - start).count();
        paintMilliseconds += Milliseconds(end - rendered).count();
        worstMilliseconds = std::max(worstMilliseconds, Milliseconds(end - start).count());
    }

    sendMouse(view, QEvent::MouseButtonRelease, pointAt(angle), Qt::LeftButton, Qt::NoButton);
    view.renderer()->waitUntilScheduledWorkCompleted();
    QCoreApplication::processEvents();
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["worst_ms"] = worstMilliseconds;
    // Where a frame's time goes: composing and drawing on the compute queue, then
    // handing the frame to the widget and painting it with the overlay.
    const double frames = static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["render_ms"] = renderMilliseconds / frames;
    state.counters["paint_ms"] = paintMilliseconds / frames;
    state.counters["stamp_radius"] = session.toolDiameter() * 0.5;
}

// The drag as the application runs it: the frame clock draws, the present
// notification repaints, all through the event loop. One iteration is one shown frame.
void runPacedDrag(benchmark::State& state, EditorTab tab) {
    ensureApplication();
    const int threads = threadsOf(state);
    tbb::global_control parallelism(tbb::global_control::max_allowed_parallelism, static_cast<std::size_t>(threads));
    auto device = GpuDevice::create(GpuDeviceOptions{makeShaderLibrary(), threads});

    EditorSession session(nullptr, sharedCanvas(), QStringLiteral("Original"), QStringLiteral("Simulation"));
    session.setSelectedTab(tab);
    EditorCanvasView view(device, SystemClock::shared(), QtScheduler::shared());
    view.resize(kWindowWidth, kWindowHeight);
    view.show();
    EditorCanvasRepresentable bridge(session);
    bridge.bind(&view);
    QCoreApplication::processEvents();

    const QRectF panel = view.viewportGeometry().panelRects().back();
    const QPointF centre = panel.center();
    double angle = 0.0;
    const auto pointAt = [&](double a) {
        return centre + QPointF(std::cos(a) * kDragRadiusPoints, std::sin(a) * kDragRadiusPoints);
    };
    sendMouse(view, QEvent::MouseButtonPress, pointAt(angle), Qt::LeftButton, Qt::LeftButton);
    const auto nextShownFrame = [&] {
        angle += kDragStepPoints / kDragRadiusPoints;
        sendMouse(view, QEvent::MouseMove, pointAt(angle), Qt::NoButton, Qt::LeftButton);
        const std::uint64_t shown = view.gpuView().presentedFrameCount();
        while (view.gpuView().presentedFrameCount() == shown) {
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

    sendMouse(view, QEvent::MouseButtonRelease, pointAt(angle), Qt::LeftButton, Qt::NoButton);
    view.renderer()->waitUntilScheduledWorkCompleted();
    QCoreApplication::processEvents();
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["worst_ms"] = worstGapMilliseconds;
}

void BM_CanvasPushDragComparison(benchmark::State& state) {
    runDrag(state, EditorTab::comparison);
}

void BM_CanvasPushDragSimulation(benchmark::State& state) {
    runDrag(state, EditorTab::simulation);
}

void threadArguments(benchmark::internal::Benchmark* benchmark) {
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    benchmark->Arg(1)->Arg(2);
    if (cores > 2) benchmark->Arg(cores);
    benchmark->ArgName("threads")->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);
}

void BM_CanvasPushDragComparisonPaced(benchmark::State& state) {
    runPacedDrag(state, EditorTab::comparison);
}

void BM_CanvasPushDragSimulationPaced(benchmark::State& state) {
    runPacedDrag(state, EditorTab::simulation);
}

BENCHMARK(BM_CanvasPushDragComparison)->Apply(threadArguments);
BENCHMARK(BM_CanvasPushDragSimulation)->Apply(threadArguments);
BENCHMARK(BM_CanvasPushDragComparisonPaced)->Apply(threadArguments);
BENCHMARK(BM_CanvasPushDragSimulationPaced)->Apply(threadArguments);

}  // namespace
}  // namespace vlt

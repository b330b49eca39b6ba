// One frame of a Push drag on the live canvas, as the user sees it: the pointer event,
// composing its stamps, drawing the panes, presenting and painting the widget with
// its overlay. A 4096 × 4096 canvas in a 1180 × 820 window, offscreen, on 1, 2 and
// every thread the process may use.
//
//   bench_canvas_view [--device_pixel_ratio=R] [benchmark flags]
//
// The device pixel ratio (1 by default; 2 makes a 2360 × 1640 drawable) is the
// offscreen platform's scale factor, so it holds for the whole run. Reported:
// - back to back (frames drawn as fast as the machine can): frames per second, the
//   compute side (render_ms) and the widget's paint on the GUI thread (paint_ms),
//   beside the paint of one bare blit of an image of the window's size and format
//   (blit_ms, the floor of painting) and their ratio;
// - paced (through the canvas's own frame clock and event loop, a 10 s drag with the
//   pointer moving every 8 ms, as a common mouse reports): the gaps between shown
//   frames, the longest and the count over 17.5 ms beside the goal (none over it), and
//   the hand-over of a frame to the window (its paint and flush, handover_ms); how far
//   the stroke fell behind the pointer (lag_stamps_worst, lag_stamps_end), the stamps
//   composed per second and the time from the release to the commit (catch_up_ms). How
//   loaded the machine was shows in how long the process's threads ran and how long
//   they were ready to run but waited for a processor, per shown frame (run_ms,
//   wait_ms, from the kernel's scheduler statistics);
// - the floor of pacing (BareWindowPaced): the same clock and event loop for as many
//   frames, each repainting a bare window of the same size with one blit, with the
//   same gap counters. Frames late there are late for the machine and the display,
//   whatever is drawn; run it beside the paced drags (--benchmark_filter=
//   'BareWindow|Paced') to tell the canvas's late frames from theirs.
//
// Frames are shown on the platform that QT_QPA_PLATFORM names, offscreen when unset;
// `QT_QPA_PLATFORM=xcb xvfb-run -a bench_canvas_view` times the hand-over to a real X
// display.

// TBB's headers must come before Qt's, whose keywords they use as names.
#include <tbb/global_control.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#include "base/clock.h"
#include "base/scheduler.h"
#include "canvas/canvas_frame_clock.h"
#include "canvas/editor_canvas_representable.h"
#include "canvas/editor_canvas_view.h"
#include "editing/renderer/metal_deformation_renderer.h"
#include "editing/session/editor_session.h"
#include "base/usable_cpu_count.h"
#include "platform/gpu/gpu_device.h"
#include "shaders/shader_library.h"

namespace vlt {
namespace {

constexpr int kCanvasSide = 4096;
constexpr int kWindowWidth = 1180;
constexpr int kWindowHeight = 820;
// Pointer travel between two frames at 60 Hz, view points: a brisk drag.
constexpr double kDragStepPoints = 9.0;
constexpr double kDragRadiusPoints = 140.0;
constexpr int kWarmUpFrames = 4;
// Ten seconds of frames at the display rate.
constexpr int kPacedFrames = 600;
constexpr double kPacedGapGoalMilliseconds = 17.5;
constexpr int kPointerIntervalMilliseconds = 8;
// The same drag at the same speed, reported by the pointer every 8 ms.
constexpr double kPointerStepPoints = kDragStepPoints * kPointerIntervalMilliseconds * 60.0 / 1000.0;
constexpr int kExposurePatienceMilliseconds = 5000;
constexpr int kStalledFrameSeconds = 10;

using Milliseconds = std::chrono::duration<double, std::milli>;

double devicePixelRatio = 1.0;

// Times the paints of one window: each update request it handles paints the window's
// dirty widgets (the canvas and its overlay) into the backing store and flushes it.
// With a view to watch, a paint that puts a newly presented frame on the window is a
// shown frame; its end is when it was shown.
class PaintTimingApplication final : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        if (receiver != timedWindow || event->type() != QEvent::UpdateRequest) {
            return QApplication::notify(receiver, event);
        }
        const auto start = std::chrono::steady_clock::now();
        const bool handled = QApplication::notify(receiver, event);
        const auto end = std::chrono::steady_clock::now();
        const double milliseconds = Milliseconds(end - start).count();
        paintMilliseconds += milliseconds;
        ++paints;
        if (everyPaintShown || (watchedView != nullptr && watchedView->presentedFrameCount() != shownFrameCount)) {
            if (watchedView != nullptr) shownFrameCount = watchedView->presentedFrameCount();
            shownAt.push_back(end);

            handOverMilliseconds.push_back(milliseconds);
        }
        return handled;
    }

    // Without a view, every paint is a shown frame when `everyPaint` says so.
    void startTiming(QObject* window, const GpuView* view, bool everyPaint = false) {
        timedWindow = window;
        watchedView = view;
        everyPaintShown = everyPaint;
        shownFrameCount = view == nullptr ? 0 : view->presentedFrameCount();
        paintMilliseconds = 0.0;
        paints = 0;
        shownAt.clear();
        handOverMilliseconds.clear();
    }

    void stopTiming() {
        timedWindow = nullptr;
        watchedView = nullptr;
        everyPaintShown = false;
    }

    QObject* timedWindow = nullptr;
    const GpuView* watchedView = nullptr;
    bool everyPaintShown = false;
    std::uint64_t shownFrameCount = 0;
    double paintMilliseconds = 0.0;
    int paints = 0;
    std::vector<std::chrono::steady_clock::time_point> shownAt;
    std::vector<double> handOverMilliseconds;
};

// The application lives until the process ends and is never destroyed: destroying
// it in an exit handler would run after Qt's own globals are gone, and crash.
PaintTimingApplication& application() {
    static PaintTimingApplication* application = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QT_SCALE_FACTOR", QByteArray::number(devicePixelRatio));
        static int argc = 1;
        static char name[] = "bench_canvas_view";
        static char* argv[] = {name, nullptr};
        return new PaintTimingApplication(argc, argv);
    }();
    return *application;
}

void ensureApplication() { application(); }

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

// What the scheduler says about every thread of the process: time on a processor and
// time ready to run but waiting for one, in milliseconds.
struct SchedulerTimes {
    double runMilliseconds = 0.0;
    double waitMilliseconds = 0.0;
};

SchedulerTimes schedulerTimes() {
    SchedulerTimes times;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile file(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QList<QByteArray> fields = file.readAll().simplified().split(' ');
        if (fields.size() < 2) continue;
        times.runMilliseconds += fields[0].toDouble() / 1e6;
        times.waitMilliseconds += fields[1].toDouble() / 1e6;
    }
    return times;
}

// A window on a real display paints only once the display has mapped it.
void waitUntilExposed(QWidget& widget) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kExposurePatienceMilliseconds);
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    } while ((widget.windowHandle() == nullptr || !widget.windowHandle()->isExposed()) &&
             std::chrono::steady_clock::now() < deadline);
    QCoreApplication::processEvents();
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
        waitUntilExposed(view_);
        centre_ = view_.viewportGeometry().panelRects().back().center();
        sendMouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    }

    ~DragRig() {
        release();
        view_.renderer()->waitUntilScheduledWorkCompleted();
        QCoreApplication::processEvents();
    }

    void release() {
        if (released_) return;
        released_ = true;
        sendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
    }

    void move(double stepPoints = kDragStepPoints) {
        angle_ += stepPoints / kDragRadiusPoints;
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
    bool released_ = false;
};

// The floor of painting: a window of the canvas's size whose paint is one blit of an
// image already in the window's format and device pixel ratio.
class BareBlitWidget final : public QWidget {
public:
    BareBlitWidget() {
        setAttribute(Qt::WA_OpaquePaintEvent, true);
        resize(kWindowWidth, kWindowHeight);
        show();
        waitUntilExposed(*this);
        const double ratio = devicePixelRatioF();
        frame_ = QImage(static_cast<int>(std::lround(width() * ratio)), static_cast<int>(std::lround(height() * ratio)),
                        QImage::Format_RGB32);
        frame_.fill(QColor(120, 140, 160));
        frame_.setDevicePixelRatio(ratio);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPointF(0.0, 0.0), frame_);
    }

private:
    QImage frame_;
};

double bareBlitMilliseconds() {
    static const double milliseconds = [] {
        BareBlitWidget widget;
        PaintTimingApplication& timing = application();
        timing.startTiming(&widget, nullptr);
        constexpr int kRepaints = 200;
        for (int repaint = 0; repaint < kRepaints; ++repaint) {
            widget.update();
            QCoreApplication::sendPostedEvents();
        }
        timing.stopTiming();
        return timing.paintMilliseconds / std::max(timing.paints, 1);
    }();
    return milliseconds;
}

// Frames drawn back to back: one move, its frame on the compute queue, then the
// widget's paint.
void runDrag(benchmark::State& state, EditorTab tab) {
    ensureApplication();
    const double blitMilliseconds = bareBlitMilliseconds();
    DragRig rig(threadsOf(state), tab);
    EditorCanvasView& view = rig.view();
    const auto drawFrame = [&] {
        rig.move();
        view.renderFrame();
        view.renderer()->waitUntilScheduledWorkCompleted();
    };
    // The present notification (posted to the application) asks for the repaint (an
    // update request to the window), which follows at once; nothing else runs, so the
    // view's own frame clock, whose ticks wait in the queue, draws no extra frame.
    const auto paintFrame = [&] {
        QCoreApplication::sendPostedEvents(QCoreApplication::instance(), QEvent::MetaCall);
        QCoreApplication::sendPostedEvents(&view, QEvent::UpdateRequest);
    };

    // The first frames of a stroke grow the scratch field and fill the drawable ring;
    // a drag pays that once, not per frame.
    for (int frame = 0; frame < kWarmUpFrames; ++frame) {
        drawFrame();
        paintFrame();
    }

    PaintTimingApplication& timing = application();
    timing.startTiming(&view, nullptr);
    double worstMilliseconds = 0.0;
    double renderMilliseconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        drawFrame();
        const auto rendered = std::chrono::steady_clock::now();
        paintFrame();
        const auto end = std::chrono::steady_clock::now();
        renderMilliseconds += Milliseconds(rendered - start).count();
        worstMilliseconds = std::max(worstMilliseconds, Milliseconds(end - start).count());
    }

    timing.stopTiming();
    const double frames = static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    const double paintMilliseconds = timing.paintMilliseconds / std::max(timing.paints, 1);
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["worst_ms"] = worstMilliseconds;
    state.counters["render_ms"] = renderMilliseconds / frames;
    state.counters["paint_ms"] = paintMilliseconds;
    state.counters["paints_per_frame"] = timing.paints / frames;
    state.counters["blit_ms"] = blitMilliseconds;
    state.counters["paint_per_blit"] = paintMilliseconds / blitMilliseconds;
    state.counters["drawable_width"] = static_cast<double>(view.gpuView().drawableWidth());
    state.counters["stamp_radius"] = rig.stampRadius();
}

// Runs the event loop until the next shown frame; false when none came for a long
// time, so that a canvas that stops showing frames fails the run instead of hanging it.
bool waitForShownFrame(const PaintTimingApplication& timing) {
    const std::size_t shown = timing.shownAt.size();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kStalledFrameSeconds);
    while (timing.shownAt.size() == shown) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// The gaps between successive times from `first` on, sorted, with their counters
// beside the goal.
std::vector<double> reportGaps(benchmark::State& state, const std::vector<std::chrono::steady_clock::time_point>& times,
                               std::size_t first) {
    std::vector<double> gaps;
    for (std::size_t index = first + 1; index < times.size(); ++index) {
        gaps.push_back(Milliseconds(times[index] - times[index - 1]).count());
    }
    std::sort(gaps.begin(), gaps.end());
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["worst_gap_ms"] = gaps.empty() ? 0.0 : gaps.back();
    state.counters["goal_worst_gap_ms"] = kPacedGapGoalMilliseconds;
    state.counters["gaps_over_goal"] =
        static_cast<double>(gaps.end() - std::upper_bound(gaps.begin(), gaps.end(), kPacedGapGoalMilliseconds));
    state.counters["goal_gaps_over"] = 0.0;
    state.counters["median_gap_ms"] = gaps.empty() ? 0.0 : gaps[gaps.size() / 2];
    return gaps;
}

// The floor of a paced drag on this machine and display: the same frame clock for as
// long, each tick repainting a bare window of the canvas's size with one blit. A frame
// shown late here would be as late under any canvas, so the drag's late frames are the
// canvas's own only beyond these.
void BM_BareWindowPaced(benchmark::State& state) {
    ensureApplication();
    BareBlitWidget widget;
    CanvasFrameClock clock([&widget] { widget.update(); });
    if (const QScreen* screen = widget.screen()) clock.setFramesPerSecond(screen->refreshRate());
    PaintTimingApplication& timing = application();
    timing.startTiming(&widget, nullptr, true);
    clock.start();
    bool stalled = false;
    for (int frame = 0; frame < kWarmUpFrames && !stalled; ++frame) stalled = !waitForShownFrame(timing);
    const std::size_t firstShown = timing.shownAt.empty() ? 0 : timing.shownAt.size() - 1;
    for (auto _ : state) {
        if (stalled || !waitForShownFrame(timing)) {
            stalled = true;
            state.SkipWithError("no frame was shown for a long time");
            break;
        }
    }
    clock.stop();
    timing.stopTiming();
    if (!stalled) reportGaps(state, timing.shownAt, firstShown);
}

// The drag as the application runs it: the pointer moves on its own timer, the frame
// clock draws and hands frames over, all through the event loop. One iteration is one
// shown frame.
void runPacedDrag(benchmark::State& state, EditorTab tab) {
    ensureApplication();
    DragRig rig(threadsOf(state), tab);
    QTimer pointer;
    pointer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&pointer, &QTimer::timeout, [&rig] { rig.move(kPointerStepPoints); });
    pointer.start(kPointerIntervalMilliseconds);

    PaintTimingApplication& timing = application();
    timing.startTiming(rig.view().window(), &rig.view().gpuView());
    bool stalled = false;
    for (int frame = 0; frame < kWarmUpFrames && !stalled; ++frame) stalled = !waitForShownFrame(timing);
    const std::size_t firstShown = timing.shownAt.empty() ? 0 : timing.shownAt.size() - 1;
    const BrushStrokeController& stroke = rig.view().strokes();
    const std::size_t appliedBefore = stroke.appliedStampCount();
    std::size_t worstLag = 0;
    const SchedulerTimes before = schedulerTimes();
    for (auto _ : state) {
        if (stalled || !waitForShownFrame(timing)) {
            stalled = true;
            state.SkipWithError("no frame was shown for a long time");
            break;
        }
        worstLag = std::max(worstLag, stroke.waitingStampCount());
    }
    const SchedulerTimes after = schedulerTimes();
    const std::size_t appliedAfter = stroke.appliedStampCount();
    const std::size_t endLag = stroke.waitingStampCount();
    pointer.stop();
    timing.stopTiming();

    // The pointer lets go: how long the stroke takes to catch up and be committed.
    const auto released = std::chrono::steady_clock::now();
    rig.release();
    const auto deadline = released + std::chrono::seconds(kStalledFrameSeconds);
    while ((stroke.needsFrames() || rig.view().isHistoryBusy()) && std::chrono::steady_clock::now() < deadline) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    const double catchUpMilliseconds = Milliseconds(std::chrono::steady_clock::now() - released).count();

    if (stalled) return;
    std::vector<double> gaps = reportGaps(state, timing.shownAt, firstShown);
    std::vector<double> handOvers(timing.handOverMilliseconds.begin() + static_cast<std::ptrdiff_t>(firstShown) + 1,
                                  timing.handOverMilliseconds.end());
    // The clock runs at the display's rate, kept within its limits.
    CanvasFrameClock rate([] {});
    if (const QScreen* screen = rig.view().screen()) rate.setFramesPerSecond(screen->refreshRate());
    const double period = 1e3 / rate.framesPerSecond();
    std::sort(handOvers.begin(), handOvers.end());
    double handOverTotal = 0.0;
    for (const double milliseconds : handOvers) handOverTotal += milliseconds;
    state.counters["period_ms"] = period;
    state.counters["handover_ms"] = handOverTotal / static_cast<double>(std::max<std::size_t>(handOvers.size(), 1));
    state.counters["handover_worst_ms"] = handOvers.empty() ? 0.0 : handOvers.back();
    state.counters["paint_ms"] = timing.paintMilliseconds / std::max(timing.paints, 1);
    const double shownFrames = static_cast<double>(std::max<std::size_t>(gaps.size(), 1));
    state.counters["paints_per_shown_frame"] = static_cast<double>(timing.paints) / shownFrames;
    state.counters["run_ms"] = (after.runMilliseconds - before.runMilliseconds) / shownFrames;
    state.counters["wait_ms"] = (after.waitMilliseconds - before.waitMilliseconds) / shownFrames;
    // How far the stroke fell behind the pointer (stamps planned but not yet
    // composed), the stamps composed per second while dragging, and the time from the
    // release to the commit.
    const double dragSeconds =
        gaps.empty() ? 1.0 : Milliseconds(timing.shownAt.back() - timing.shownAt[firstShown]).count() / 1e3;
    state.counters["lag_stamps_worst"] = static_cast<double>(worstLag);
    state.counters["lag_stamps_end"] = static_cast<double>(endLag);
    state.counters["stamps_per_s"] = static_cast<double>(appliedAfter - appliedBefore) / dragSeconds;
    state.counters["catch_up_ms"] = catchUpMilliseconds;
}

void BM_CanvasPushDragComparison(benchmark::State& state) { runDrag(state, EditorTab::comparison); }

void BM_CanvasPushDragSimulation(benchmark::State& state) { runDrag(state, EditorTab::simulation); }

void BM_CanvasPushDragComparisonPaced(benchmark::State& state) { runPacedDrag(state, EditorTab::comparison); }

void BM_CanvasPushDragSimulationPaced(benchmark::State& state) { runPacedDrag(state, EditorTab::simulation); }

void threadArguments(benchmark::internal::Benchmark* benchmark) {
    const int cores = usableCpuCount();
    benchmark->Arg(1);
    if (cores > 1) benchmark->Arg(2);
    if (cores > 2) benchmark->Arg(cores);
    benchmark->ArgName("threads")->UseRealTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_CanvasPushDragComparison)->Apply(threadArguments)->MinTime(3.0);
BENCHMARK(BM_CanvasPushDragSimulation)->Apply(threadArguments)->MinTime(3.0);
BENCHMARK(BM_BareWindowPaced)->Iterations(kPacedFrames)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasPushDragComparisonPaced)->Apply(threadArguments)->Iterations(kPacedFrames);
BENCHMARK(BM_CanvasPushDragSimulationPaced)->Apply(threadArguments)->Iterations(kPacedFrames);

// Takes --device_pixel_ratio=R out of the arguments before the benchmark library
// reads them.
void takeDevicePixelRatio(int& argc, char** argv) {
    constexpr const char* kFlag = "--device_pixel_ratio=";
    int kept = 1;
    for (int index = 1; index < argc; ++index) {
        if (std::strncmp(argv[index], kFlag, std::strlen(kFlag)) == 0) {
            devicePixelRatio = std::max(1.0, std::atof(argv[index] + std::strlen(kFlag)));
        } else {
            argv[kept++] = argv[index];
        }
    }
    argc = kept;
}

}  // namespace
}  // namespace vlt

int main(int argc, char** argv) {
    vlt::takeDevicePixelRatio(argc, argv);
    benchmark::Initialize(&argc, argv);
    vlt::ensureApplication();
    benchmark::AddCustomContext("device_pixel_ratio", std::to_string(vlt::devicePixelRatio));
    benchmark::AddCustomContext("platform", QGuiApplication::platformName().toStdString());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

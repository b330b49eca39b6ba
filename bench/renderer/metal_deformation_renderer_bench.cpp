// Figures for the deformation renderer on a 4096 × 4096 canvas, each for 1 and 2
// threads and for every core: composing one drag frame of Push stamps, drawing a
// whole Comparison frame and a whole 1:1 Simulation frame (as after a zoom, a pan or
// on Animate), one brush frame (compose and Comparison draw; the goal is 16 ms on 2
// cores) as the editor draws it, redrawing only what the stamps changed, and the
// same with every pixel redrawn, a full-size output image, and the tile read-back of
// a whole stroke. Times are wall-clock per operation.

#include <algorithm>
#include <cmath>
#include <atomic>
#include <cstdlib>
#include <new>
#include <thread>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QPainter>

#include "editing/engine/deformation_history.h"
#include "editing/engine/queued_stroke_processor.h"
#include "editing/renderer/metal_deformation_renderer.h"
#include "shaders/shader_library.h"

namespace {

// Every allocation of the process, to show that steady frames allocate nothing.
std::atomic<std::int64_t> gAllocations{0};

}  // namespace

void* operator new(std::size_t size) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace vlt {
namespace {

constexpr int kCanvasSide = 4096;
constexpr float kBrushRadius = 150.0f;
constexpr int kStampsPerDragFrame = 10;
constexpr double kViewWidth = 1180.0;
constexpr double kViewHeight = 820.0;
// The editor's layout: 24-point side margins, 20-point top and bottom, a 24-point gap
// between the two Comparison panels.
constexpr double kMarginX = 24.0;
constexpr double kMarginY = 20.0;
constexpr double kComparisonGap = 24.0;

// Completion handlers and the renderer's thread checks need the GUI thread's
// application object.
int gArgumentCount = 1;
char gProgramName[] = "bench_renderer";
char* gArguments[] = {gProgramName, nullptr};
QCoreApplication gApplication(gArgumentCount, gArguments);

const QImage& canvasImage() {
    static const QImage image = [] {
        QImage canvas(kCanvasSide, kCanvasSide, QImage::Format_RGBA8888_Premultiplied);
        canvas.fill(QColor(214, 190, 170));
        QPainter painter(&canvas);
        painter.setPen(QPen(QColor(60, 50, 45), 3));
        for (int i = 0; i < kCanvasSide; i += 64) {
            painter.drawLine(i, 0, i, kCanvasSide);
            painter.drawLine(0, i, kCanvasSide, i);
        }
        return canvas;
    }();
    return image;
}

std::unique_ptr<MetalDeformationRenderer> makeRenderer(int threads) {
    auto device = GpuDevice::create({makeShaderLibrary(), threads});
    auto made = MetalDeformationRenderer::create(device, canvasImage(), GpuPixelFormat::bgra8UnormSrgb);
    if (!made) std::abort();
    return std::move(made).value();
}

std::vector<BrushStamp> strokeStamps(DeformationTool tool, const std::vector<Float2>& points, float radius) {
    QueuedStrokeProcessor processor;
    processor.append(StrokeSample::begin(tool, points.front(), radius));
    for (std::size_t i = 1; i < points.size(); ++i) processor.append(StrokeSample::move(tool, points[i], radius));
    processor.append(StrokeSample::end());
    std::vector<BrushStamp> stamps;
    processor.drain(stamps);
    return stamps;
}

// One display frame of a Push drag: the pointer moved ten brush spacings (ten
// stamps, each moving 30 pixels). Successive frames walk along a long diagonal.
std::vector<BrushStamp> dragFrame(int frame) {
    const float spacing = std::max(kBrushRadius * 0.2f, 1.0f);
    const float travel = spacing * kStampsPerDragFrame;
    const float start = 600.0f + std::fmod(frame * travel * 0.5f, 2800.0f);
    std::vector<BrushStamp> stamps;
    for (int i = 0; i < kStampsPerDragFrame; ++i) {
        const float x = start + spacing * (static_cast<float>(i) + 0.5f) * 0.5f;
        stamps.push_back({DeformationTool::push, {x, x}, {spacing * 0.5f, spacing * 0.5f}, kBrushRadius, 1.0f});
    }
    return stamps;
}

// The same drag, circling the canvas centre so that every stamp is in view at 1:1.
std::vector<BrushStamp> dragFrameInView(int frame) {
    constexpr float kCircleRadius = 250.0f;
    const float spacing = std::max(kBrushRadius * 0.2f, 1.0f);
    const float centre = kCanvasSide * 0.5f;
    std::vector<BrushStamp> stamps;
    for (int i = 0; i < kStampsPerDragFrame; ++i) {
        const float angle = static_cast<float>(frame * kStampsPerDragFrame + i) * spacing / kCircleRadius;
        const Float2 direction{-std::sin(angle), std::cos(angle)};
        stamps.push_back({DeformationTool::push,
                          {centre + kCircleRadius * std::cos(angle), centre + kCircleRadius * std::sin(angle)},
                          {direction.x * spacing * 0.5f, direction.y * spacing * 0.5f},
                          kBrushRadius,
                          1.0f});
    }
    return stamps;
}

std::int64_t stampPixels(const std::vector<BrushStamp>& stamps) {
    std::int64_t pixels = 0;
    for (const BrushStamp& stamp : stamps) pixels += stamp.affectedRegion(kCanvasSide, kCanvasSide).pixelCount();
    return pixels;
}

// Panels of the view, the same way the editor lays them out.
std::vector<QRectF> panels(bool comparison) {
    const QRectF content(kMarginX, kMarginY, kViewWidth - 2 * kMarginX, kViewHeight - 2 * kMarginY);
    if (!comparison) return {content};
    const double width = (content.width() - kComparisonGap) * 0.5;
    return {QRectF(content.x(), content.y(), width, content.height()),
            QRectF(content.x() + width + kComparisonGap, content.y(), width, content.height())};
}

std::vector<MetalRenderPane> comparisonPanes() {
    const std::vector<QRectF> rects = panels(true);
    const double fit = std::min(rects[0].width() / kCanvasSide, rects[0].height() / kCanvasSide);
    const double side = kCanvasSide * fit;
    std::vector<MetalRenderPane> panes;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const QRectF& panel = rects[i];
        panes.push_back({QRectF(panel.center().x() - side * 0.5, panel.center().y() - side * 0.5, side, side), panel,
                         i == 0 ? 0.0f : 1.0f});
    }
    return panes;
}

std::vector<MetalRenderPane> simulationPaneAtOneToOne() {
    const QRectF panel = panels(false).front();
    const double side = kCanvasSide;
    return {{QRectF(panel.center().x() - side * 0.5, panel.center().y() - side * 0.5, side, side), panel, 1.0f}};
}

void mustApply(MetalDeformationRenderer& renderer, const std::vector<BrushStamp>& stamps) {
    if (!renderer.apply(stamps)) std::abort();
}

// A field edited where the panes look, so drawing takes its displaced path there.
void editField(MetalDeformationRenderer& renderer) {
    for (int frame = 0; frame < 8; ++frame) mustApply(renderer, dragFrame(frame));
    mustApply(renderer, strokeStamps(DeformationTool::grow, {{2048, 2048}, {2100, 2080}, {2200, 2000}}, 400));
    renderer.waitUntilScheduledWorkCompleted();
}

int threadsOf(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

void reportFrames(benchmark::State& state, std::int64_t pixelsPerFrame) {
    state.SetItemsProcessed(state.iterations() * pixelsPerFrame);
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_ComposeDragFrame(benchmark::State& state) {
    auto renderer = makeRenderer(threadsOf(state));
    int frame = 0;
    std::int64_t pixels = 0;
    for (auto _ : state) {
        const std::vector<BrushStamp> stamps = dragFrame(frame++);
        pixels += stampPixels(stamps);
        mustApply(*renderer, stamps);
        renderer->waitUntilScheduledWorkCompleted();
    }
    state.SetItemsProcessed(pixels);
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// The panes moved by a distinct thousandth of a point in each of 1000 frames: the
// same work as the panes themselves, but no frame can reuse an earlier one.
const std::vector<MetalRenderPane>& nudged(const std::vector<MetalRenderPane>& panes, std::int64_t frame,
                                           std::vector<MetalRenderPane>& storage) {
    constexpr double kNudgePoints = 0.001;
    storage = panes;
    for (MetalRenderPane& pane : storage)
        pane.imageRect.translate(static_cast<double>(frame % 1000) * kNudgePoints, 0.0);
    return storage;
}

void drawBenchmark(benchmark::State& state, const std::vector<MetalRenderPane>& panes) {
    auto device = GpuDevice::create({makeShaderLibrary(), threadsOf(state)});
    auto renderer =
        std::move(MetalDeformationRenderer::create(device, canvasImage(), GpuPixelFormat::bgra8UnormSrgb)).value();
    editField(*renderer);
    GpuView view(device);
    view.setBoundsSize(kViewWidth, kViewHeight);
    view.setDrawableSize(static_cast<std::int64_t>(kViewWidth), static_cast<std::int64_t>(kViewHeight));
    std::vector<MetalRenderPane> storage;
    std::int64_t frame = 0;
    for (auto _ : state) {
        renderer->draw(view, nudged(panes, frame++, storage), 1.0);
        renderer->waitUntilScheduledWorkCompleted();
    }
    reportFrames(state, static_cast<std::int64_t>(kViewWidth * kViewHeight));
}

void BM_DrawComparisonFrame(benchmark::State& state) { drawBenchmark(state, comparisonPanes()); }

void BM_DrawSimulationFrameAtOneToOne(benchmark::State& state) { drawBenchmark(state, simulationPaneAtOneToOne()); }

void brushFrames(benchmark::State& state, bool redrawsEverything, bool atOneToOne = false) {
    auto device = GpuDevice::create({makeShaderLibrary(), threadsOf(state)});
    auto renderer =
        std::move(MetalDeformationRenderer::create(device, canvasImage(), GpuPixelFormat::bgra8UnormSrgb)).value();
    GpuView view(device);
    view.setBoundsSize(kViewWidth, kViewHeight);
    view.setDrawableSize(static_cast<std::int64_t>(kViewWidth), static_cast<std::int64_t>(kViewHeight));
    const std::vector<MetalRenderPane> panes = atOneToOne ? simulationPaneAtOneToOne() : comparisonPanes();
    std::vector<std::vector<BrushStamp>> frames;
    for (int frame = 0; frame < 64; ++frame) frames.push_back(atOneToOne ? dragFrameInView(frame) : dragFrame(frame));
    // Warm up so that recycled command buffers, the view's drawables and the scratch
    // texture exist: a drag pays for those once, not per frame.
    constexpr int kWarmUpFrames = 8;
    for (int frame = 0; frame < kWarmUpFrames; ++frame) {
        mustApply(*renderer, frames[static_cast<std::size_t>(frame)]);
        renderer->draw(view, panes, 1.0);
        renderer->waitUntilScheduledWorkCompleted();
    }

    std::vector<MetalRenderPane> storage = panes;
    std::size_t frame = 0;
    const std::int64_t allocationsBefore = gAllocations.load();
    for (auto _ : state) {
        mustApply(*renderer, frames[frame % frames.size()]);
        renderer->draw(view, redrawsEverything ? nudged(panes, static_cast<std::int64_t>(frame), storage) : panes, 1.0);
        renderer->waitUntilScheduledWorkCompleted();
        ++frame;
    }
    const std::int64_t allocations = gAllocations.load() - allocationsBefore;
    reportFrames(state, static_cast<std::int64_t>(kViewWidth * kViewHeight));
    state.counters["allocations/frame"] =
        static_cast<double>(allocations) / static_cast<double>(std::max<std::int64_t>(state.iterations(), 1));
}

void BM_BrushFrame(benchmark::State& state) { brushFrames(state, false); }

void BM_BrushFrameRedrawingEverything(benchmark::State& state) { brushFrames(state, true); }

// Brushing zoomed in to 1:1 on the Simulation tab: the stamps' neighbourhood is a
// large part of the view.
void BM_BrushFrameAtOneToOne(benchmark::State& state) { brushFrames(state, false, true); }

void BM_MakeOutputImage(benchmark::State& state) {
    auto renderer = makeRenderer(threadsOf(state));
    editField(*renderer);
    for (auto _ : state) {
        bool done = false;
        renderer->makeOutputImage(1.0f, kCanvasSide, kCanvasSide, [&](Result<QImage, MetalDeformationFailure> image) {
            done = image.ok();
            benchmark::DoNotOptimize(image);
        });
        while (!done) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    state.SetItemsProcessed(state.iterations() * kCanvasSide * kCanvasSide);
}

void BM_TileReadbackOfStroke(benchmark::State& state) {
    auto renderer = makeRenderer(threadsOf(state));
    // A stroke across most of the canvas.
    const std::vector<BrushStamp> stroke =
        strokeStamps(DeformationTool::push, {{400, 600}, {1800, 1500}, {3600, 2400}}, kBrushRadius);
    mustApply(*renderer, stroke);
    renderer->waitUntilScheduledWorkCompleted();
    const DeformationHistory history(kCanvasSide, kCanvasSide);
    const std::vector<PixelRegion> regions = history.tileRegions(stroke);
    std::int64_t bytes = 0;
    for (const PixelRegion& region : regions) bytes += region.pixelCount() * kDeformationTexelBytes;
    for (auto _ : state) {
        bool done = false;
        auto started = renderer->readTiles(
            regions, [&](Result<std::vector<DeformationTileSnapshot>, MetalDeformationFailure> snapshots) {
                done = snapshots.ok();
                benchmark::DoNotOptimize(snapshots);
            });
        if (!started) std::abort();
        while (!done) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["tiles"] = static_cast<double>(regions.size());
}

void threadCounts(benchmark::internal::Benchmark* benchmark) {
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    benchmark->Arg(1)->Arg(2);
    if (cores > 2) benchmark->Arg(cores);
    benchmark->ArgName("threads")->UseRealTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ComposeDragFrame)->Apply(threadCounts);
BENCHMARK(BM_DrawComparisonFrame)->Apply(threadCounts);
BENCHMARK(BM_DrawSimulationFrameAtOneToOne)->Apply(threadCounts);
BENCHMARK(BM_BrushFrame)->Apply(threadCounts);
BENCHMARK(BM_BrushFrameRedrawingEverything)->Apply(threadCounts);
BENCHMARK(BM_BrushFrameAtOneToOne)->Apply(threadCounts);
BENCHMARK(BM_MakeOutputImage)->Apply(threadCounts);
BENCHMARK(BM_TileReadbackOfStroke)->Apply(threadCounts);

}  // namespace
}  // namespace vlt

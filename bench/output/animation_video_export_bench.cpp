// The whole animation video export (270 frames rendered from the canvas, annotations
// drawn, encoded, validated and published) of a 4096-pixel-wide canvas, against the
// ffmpeg command-line tool encoding the same 270 raw frames with the same encoder
// settings in the same run. Reported: both times, their ratio (goal: at most 1.2) and
// the GUI thread during the export: its longest single event handled (goal: at most
// 16 ms), as wall time and as the time the thread itself ran, and the longest gap
// between two turns of its event loop; on a busy machine the wall times also count
// time the system gave to other threads. A 4096 × 2304 canvas makes a 1920 × 1080
// video, 4096 × 2731 (a 6000 × 4000 photograph's canvas) a 1620 × 1080 one and
// 4096 × 4096 a 1080 × 1080 one. Memory: how much the export adds to the resident size
// of the process it runs in (its high-water mark during the export less the resident
// size before), beside the ffmpeg process's own peak. The figures are for the cores
// the process may use: run it under `taskset -c 0,1` for two cores.

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <stop_token>
#include <thread>

#include <time.h>

#include <cstring>

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include "editing/annotations/annotation_drawing.h"
#include "editing/renderer/default_gpu_device.h"
#include "editing/renderer/metal_deformation_renderer.h"
#include "output/video/animation_video_export.h"
#include "output/video/animation_video_format.h"
#include "output/video/animation_video_frame_composer.h"
#include "output/video/animation_video_frame_plan.h"
#include "output/video/animation_video_frame_writer.h"
#include "output/video/animation_video_size.h"

namespace vlt {
namespace {

constexpr int kCanvasWidth = 4096;

// Annotations and fonts need a GUI application; no screen is needed. It times every
// event it delivers, so the longest stretch of work on the GUI thread can be told apart
// from time the system gave to other threads.
class TimingApplication final : public QGuiApplication {
public:
    using QGuiApplication::QGuiApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        QElapsedTimer clock;
        clock.start();
        const double startCpu = threadCpuMilliseconds();
        const bool handled = QGuiApplication::notify(receiver, event);
        longestEventMilliseconds = std::max(longestEventMilliseconds, static_cast<double>(clock.nsecsElapsed()) / 1e6);
        longestEventCpuMilliseconds = std::max(longestEventCpuMilliseconds, threadCpuMilliseconds() - startCpu);
        return handled;
    }

    // Time this thread ran, without the time the system gave to others.
    static double threadCpuMilliseconds() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
    }

    double longestEventMilliseconds = 0.0;
    double longestEventCpuMilliseconds = 0.0;
};

TimingApplication& application() {
    static int argumentCount = 1;
    static char name[] = "bench_video_export";
    static char* arguments[] = {name, nullptr};
    static TimingApplication* instance = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new TimingApplication(argumentCount, arguments);
    }();
    return *instance;
}

QImage canvasImage(int height) {
    QImage canvas(kCanvasWidth, height, QImage::Format_RGBA8888_Premultiplied);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(canvas.scanLine(y));
        for (int x = 0; x < kCanvasWidth; ++x) row[x] = qRgba(120 + x % 97, 80 + y % 131, 160 + (x + y) % 61, 255);
    }
    return canvas;
}

std::shared_ptr<MetalDeformationRenderer> makeRenderer(int height) {
    auto made =
        MetalDeformationRenderer::create(defaultGpuDevice(), canvasImage(height), GpuPixelFormat::bgra8UnormSrgb);
    if (!made.ok()) std::abort();
    std::shared_ptr<MetalDeformationRenderer> renderer = std::move(made).value();
    std::vector<BrushStamp> stamps;
    for (int i = 0; i < 40; ++i) {
        const float x = 600.0f + 70.0f * static_cast<float>(i);
        stamps.push_back({DeformationTool::push, {x, static_cast<float>(height) / 2}, {20, 12}, 260, 1.0f});
    }
    if (!renderer->apply(stamps).ok()) std::abort();
    renderer->waitUntilScheduledWorkCompleted();
    return renderer;
}

std::vector<AnnotationObject> annotations() {
    AnnotationShape circle{EditorTool::circle, {900, 700}, {1500, 1300}, 14.0f, AnnotationColor{230, 40, 40}};
    AnnotationText label;
    label.text = QStringLiteral("Softer jaw line");
    label.origin = {1700, 600};
    label.color = AnnotationColor{255, 255, 255};
    label.font.size = 120;
    return {AnnotationObject{QUuid::createUuid(), circle, {}}, AnnotationObject{QUuid::createUuid(), label, {}}};
}

// This process's resident memory now and its high-water mark, in MiB; the mark can be
// set back to the resident size now, so that it measures what follows.
double residentMebibytes(const char* field) {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) return -1.0;
    char line[256];
    long kilobytes = -1;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, field, length) == 0 && std::sscanf(line + length, "%ld", &kilobytes) == 1) break;
    }
    std::fclose(status);
    return double(kilobytes) / 1024.0;
}

void resetHighWaterMark() {
    FILE* refs = std::fopen("/proc/self/clear_refs", "w");
    if (refs == nullptr) return;
    std::fputs("5", refs);
    std::fclose(refs);
}

// The export as the application runs it; returns its seconds and the longest gap
// between two turns of the GUI thread's event loop.
std::pair<double, double> timeExport(const std::shared_ptr<MetalDeformationRenderer>& renderer, int height,
                                     const QString& destination) {
    AnimationVideoExportSteps steps;
    steps.writeFrames = [&](const QString& path, std::function<void(Result<AnimationVideoDescriptor>)> done) {
        writeAnimationVideoFrames(
            path, renderer, kCanvasWidth, height, annotations(), {}, [](double) {}, std::move(done));
    };
    std::optional<bool> succeeded;
    QElapsedTimer sinceTick;
    double longestGap = 0.0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
        sinceTick.restart();
    });
    QElapsedTimer clock;
    clock.start();
    sinceTick.start();
    tick.start(1);
    exportAnimationVideo(destination, std::move(steps), {},
                         [&](Result<AnimationVideoSaveResult> result) { succeeded = result.ok(); });
    application().longestEventMilliseconds = 0.0;
    application().longestEventCpuMilliseconds = 0.0;
    while (!succeeded) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    tick.stop();
    if (!*succeeded) std::abort();
    return {seconds, longestGap};
}

// The same pictures the export encodes, for the command-line tool.
std::map<std::uint32_t, QImage> rawFrames(const std::shared_ptr<MetalDeformationRenderer>& renderer, int height,
                                          const AnimationVideoSize& size) {
    std::map<std::uint32_t, QImage> frames;
    for (const AnimationVideoFrame& frame : planAnimationVideoFrames()) {
        if (!frame.rendersPicture) continue;
        std::optional<QImage> image;
        renderer->makeOutputImage(frame.scale, size.width, size.height,
                                  [&](Result<QImage, MetalDeformationFailure> made) { image = made.value().copy(); });
        while (!image) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        drawAnimationVideoAnnotations(*image, kCanvasWidth, height, annotations(), frame.scale);
        frames[std::bit_cast<std::uint32_t>(frame.scale)] = *image;
    }
    return frames;
}

// Its seconds and, through its own -benchmark report, its peak resident size in MiB.
// The shell runs ffmpeg as a child of its own (the command does not end with it), so
// that the peak is ffmpeg's alone, not this large process's that forked the shell.
std::pair<double, double> timeCommandLine(const std::map<std::uint32_t, QImage>& frames, const AnimationVideoSize& size,
                                          const QString& destination) {
    const QString report = destination + QStringLiteral(".report");
    const QString command =
        QStringLiteral(
            "ffmpeg -benchmark -hide_banner -nostats -v info -y -f rawvideo -pix_fmt bgra -s %1x%2 -r 30 -i - -vf "
            "scale=out_color_matrix=bt709:out_range=tv -c:v libx264 -profile:v high -b:v 12M -g 60 -pix_fmt yuv420p "
            "-color_primaries bt709 -color_trc bt709 -colorspace bt709 -movflags +faststart '%3' 2>'%4'; exit $?")
            .arg(size.width)
            .arg(size.height)
            .arg(destination, report);
    QElapsedTimer clock;
    clock.start();
    FILE* pipe = ::popen(command.toLocal8Bit().constData(), "w");
    if (pipe == nullptr) std::abort();
    for (const AnimationVideoFrame& frame : planAnimationVideoFrames()) {
        const QImage& image = frames.at(std::bit_cast<std::uint32_t>(frame.scale));
        for (int y = 0; y < image.height(); ++y) {
            std::fwrite(image.constScanLine(y), 4, static_cast<std::size_t>(image.width()), pipe);
        }
    }
    if (::pclose(pipe) != 0) std::abort();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    QFile reportFile(report);
    long kilobytes = -1;
    if (reportFile.open(QIODevice::ReadOnly)) {
        const QByteArray text = reportFile.readAll();
        const qsizetype at = text.indexOf("maxrss=");
        if (at >= 0) std::sscanf(text.constData() + at, "maxrss=%ldkB", &kilobytes);
    }
    return {seconds, double(kilobytes) / 1024.0};
}

void BM_ExportAgainstCommandLine(benchmark::State& state) {
    application();
    const int height = static_cast<int>(state.range(0));
    const auto renderer = makeRenderer(height);
    const AnimationVideoSize size = AnimationVideoSize::forCanvas(kCanvasWidth, height).value();
    QTemporaryDir folder;
    const auto frames = rawFrames(renderer, height, size);
    double exportSeconds = 0.0;
    double commandLineSeconds = 0.0;
    double longestGap = 0.0;
    double longestEvent = 0.0;
    double longestEventCpu = 0.0;
    double exportAddedMebibytes = 0.0;
    double commandLinePeakMebibytes = 0.0;
    for (auto _ : state) {
        const double residentBefore = residentMebibytes("VmRSS:");
        resetHighWaterMark();
        const auto [seconds, gap] = timeExport(renderer, height, folder.filePath(QStringLiteral("export.mp4")));
        exportAddedMebibytes = std::max(exportAddedMebibytes, residentMebibytes("VmHWM:") - residentBefore);
        exportSeconds += seconds;
        longestGap = std::max(longestGap, gap);
        longestEvent = std::max(longestEvent, application().longestEventMilliseconds);
        longestEventCpu = std::max(longestEventCpu, application().longestEventCpuMilliseconds);
        const auto [commandSeconds, commandPeak] =
            timeCommandLine(frames, size, folder.filePath(QStringLiteral("command-line.mp4")));
        commandLineSeconds += commandSeconds;
        commandLinePeakMebibytes = std::max(commandLinePeakMebibytes, commandPeak);
        state.SetIterationTime(seconds);
    }
    const double ratio = exportSeconds / commandLineSeconds;
    state.counters["export_added_MiB"] = exportAddedMebibytes;
    state.counters["ffmpeg_peak_MiB"] = commandLinePeakMebibytes;
    state.counters["export_s"] = exportSeconds / static_cast<double>(state.iterations());
    state.counters["ffmpeg_s"] = commandLineSeconds / static_cast<double>(state.iterations());
    state.counters["ratio"] = ratio;
    state.counters["gui_gap_ms"] = longestGap;
    state.counters["gui_event_ms"] = longestEvent;
    state.counters["gui_event_cpu_ms"] = longestEventCpu;
    state.counters["frames_per_s"] = benchmark::Counter(
        static_cast<double>(AnimationVideoFormat::kFrameCount * state.iterations()), benchmark::Counter::kIsRate);
    std::printf(
        "%lldx%lld video from a %dx%d canvas: export %.2f s, ffmpeg %.2f s, ratio %.2f; GUI thread: longest event "
        "%.1f ms of which it ran %.1f ms, longest gap between turns %.1f ms; memory: the export added %.0f MiB to "
        "the resident size, the ffmpeg process peaked at %.0f MiB\n",
        static_cast<long long>(size.width), static_cast<long long>(size.height), kCanvasWidth, height,
        state.counters["export_s"].value, state.counters["ffmpeg_s"].value, ratio, longestEvent, longestEventCpu,
        longestGap, exportAddedMebibytes, commandLinePeakMebibytes);
}

BENCHMARK(BM_ExportAgainstCommandLine)
    ->Arg(2304)
    ->Arg(2731)
    ->Arg(4096)
    ->ArgName("canvas_height")
    ->Iterations(2)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace
}  // namespace vlt

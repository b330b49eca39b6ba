// The whole animation video export (270 frames rendered from the canvas, annotations
// drawn, encoded, validated and published) of a 4096-pixel-wide canvas, against the
// ffmpeg command-line tool encoding the same 270 raw frames with the encoder's defaults
// at the same bit rate, key frame interval and profile.
//
//   bench_video_output [--runs=N] [benchmark flags, e.g. --benchmark_filter=2731]
//
// Each case runs N times (3 by default), each time in a fresh process of its own, so
// that memory an earlier export kept cannot hide what this one adds; the command line
// runs in the same process right after. A 4096 × 2304 canvas makes a 1920 × 1080
// video, 4096 × 2731 (a 6000 × 4000 photograph's canvas) a 1618 × 1080 one and
// 4096 × 4096 a 1080 × 1080 one. Printed per run and as medians per case:
// - time: the export's and the command line's, and their ratio (goal: at most 1.2);
// - memory: how much the export adds to the resident size of the process it runs in
//   (its high-water mark during the export less the resident size before, with the
//   renderer and its canvas made as in the editor), beside the ffmpeg process's own
//   peak;
// - quality: the PSNR (all planes, in dB) of both videos against the same frames as
//   the command line's own conversion makes them, and the difference;
// - the GUI thread during the export: its longest single event handled, as wall time
//   and as the time the thread itself ran, and the longest gap between two turns of
//   its event loop; on a busy machine the wall times also count time the system gave
//   to other threads.
// The figures are for the processors the process may use: run it under
// `taskset -c 0,1` for two cores.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <string>
#include <vector>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <stop_token>
#include <thread>

#include <time.h>

#include <cstring>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include "support/bench_process.h"
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

// Sets this process's high-water mark back to its resident size now, so that the mark
// measures what follows.
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

// The 270 frames in order, as raw B, G, R, A rows.
void writeFrames(const std::map<std::uint32_t, QImage>& frames, FILE* pipe) {
    for (const AnimationVideoFrame& frame : planAnimationVideoFrames()) {
        const QImage& image = frames.at(std::bit_cast<std::uint32_t>(frame.scale));
        for (int y = 0; y < image.height(); ++y) {
            std::fwrite(image.constScanLine(y), 4, static_cast<std::size_t>(image.width()), pipe);
        }
    }
}

// Runs an ffmpeg command that reads the 270 frames on its standard input and writes
// its log to `report`; the log, or none when the command failed.
std::optional<QByteArray> runWithFrames(const QString& command, const std::map<std::uint32_t, QImage>& frames,
                                        const QString& report) {
    FILE* pipe = ::popen(command.toLocal8Bit().constData(), "w");
    if (pipe == nullptr) return std::nullopt;
    writeFrames(frames, pipe);
    if (::pclose(pipe) != 0) return std::nullopt;
    QFile reportFile(report);
    if (!reportFile.open(QIODevice::ReadOnly)) return QByteArray();
    return reportFile.readAll();
}

// The number after `key` in an ffmpeg log; `fallback` when it is not there.
template <typename Number>
Number numberAfter(const QByteArray& log, const char* key, const char* format, Number fallback) {
    const qsizetype at = log.indexOf(key);
    if (at >= 0) std::sscanf(log.constData() + at, format, &fallback);
    return fallback;
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
    const std::optional<QByteArray> log = runWithFrames(command, frames, report);
    if (!log) std::abort();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    return {seconds, double(numberAfter(*log, "maxrss=", "maxrss=%ldkB", -1L)) / 1024.0};
}

// The PSNR of a video against the frames, converted as the command line converts them
// for its own encode; negative when it cannot be measured.
double psnrAgainstFrames(const QString& video, const std::map<std::uint32_t, QImage>& frames,
                         const AnimationVideoSize& size) {
    const QString report = video + QStringLiteral(".psnr");
    const QString command =
        QStringLiteral(
            "ffmpeg -hide_banner -nostats -v info -i '%1' -f rawvideo -pix_fmt bgra -s %2x%3 -r 30 -i - -lavfi "
            "\"[1:v]scale=out_color_matrix=bt709:out_range=tv,format=yuv420p[reference];[0:v][reference]psnr\" "
            "-f null - 2>'%4'; exit $?")
            .arg(video)
            .arg(size.width)
            .arg(size.height)
            .arg(report);
    const std::optional<QByteArray> log = runWithFrames(command, frames, report);
    return log ? numberAfter(*log, "average:", "average:%lf", -1.0) : -1.0;
}

// One run of a case in this fresh process: the export first, then the command line.
int runCase(int height) {
    application();
    const auto renderer = makeRenderer(height);
    const AnimationVideoSize size = AnimationVideoSize::forCanvas(kCanvasWidth, height).value();
    QTemporaryDir folder;
    const QString exported = folder.filePath(QStringLiteral("export.mp4"));
    const QString commandLine = folder.filePath(QStringLiteral("command-line.mp4"));

    const double residentBefore = double(bench::processKilobytes("VmRSS:")) / 1024.0;
    resetHighWaterMark();
    const auto [seconds, gap] = timeExport(renderer, height, exported);
    const double added = double(bench::processKilobytes("VmHWM:")) / 1024.0 - residentBefore;

    const auto frames = rawFrames(renderer, height, size);
    const auto [commandSeconds, commandPeak] = timeCommandLine(frames, size, commandLine);
    const double psnr = psnrAgainstFrames(exported, frames, size);
    const double commandPsnr = psnrAgainstFrames(commandLine, frames, size);
    std::printf("case %lld %lld export %.3f ffmpeg %.3f added %.1f peak %.1f psnr %.3f %.3f gui %.1f %.1f %.1f\n",
                static_cast<long long>(size.width), static_cast<long long>(size.height), seconds, commandSeconds, added,
                commandPeak, psnr, commandPsnr, application().longestEventMilliseconds,
                application().longestEventCpuMilliseconds, gap);
    std::fflush(stdout);
    std::_Exit(0);
}

double median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : 0.5 * (values[middle - 1] + values[middle]);
}

int runs = 3;

// One case, run `runs` times, each in a fresh process of its own.
void BM_ExportAgainstCommandLine(benchmark::State& state) {
    const int height = static_cast<int>(state.range(0));
    for (auto _ : state) {
        std::vector<double> exports, commands, ratios, added, peaks, psnrs, commandPsnrs, events, eventCpus, gaps;
        long long width = 0;
        long long videoHeight = 0;
        for (int run = 0; run < runs; ++run) {
            const std::string command =
                "/proc/" + std::to_string(::getpid()) + "/exe --video_case=" + std::to_string(height);
            FILE* child = ::popen(command.c_str(), "r");
            if (child == nullptr) return state.SkipWithError("no process");
            double values[10] = {-1};
            char line[512];
            while (std::fgets(line, sizeof line, child) != nullptr) {
                std::sscanf(line,
                            "case %lld %lld export %lf ffmpeg %lf added %lf peak %lf psnr %lf %lf gui %lf %lf %lf",
                            &width, &videoHeight, &values[0], &values[1], &values[2], &values[3], &values[4],
                            &values[5], &values[6], &values[7], &values[8]);
            }
            if (::pclose(child) != 0 || values[0] <= 0) return state.SkipWithError("a run failed");
            exports.push_back(values[0]);
            commands.push_back(values[1]);
            ratios.push_back(values[0] / values[1]);
            added.push_back(values[2]);
            peaks.push_back(values[3]);
            psnrs.push_back(values[4]);
            commandPsnrs.push_back(values[5]);
            events.push_back(values[6]);
            eventCpus.push_back(values[7]);
            gaps.push_back(values[8]);
            std::printf(
                "%lldx%lld run %d: export %.2f s, ffmpeg %.2f s, ratio %.2f; added %.0f MiB, ffmpeg peak %.0f MiB; "
                "PSNR %.2f dB, ffmpeg %.2f dB\n",
                width, videoHeight, run, values[0], values[1], values[0] / values[1], values[2], values[3], values[4],
                values[5]);
            std::fflush(stdout);
        }
        std::printf(
            "%lldx%lld video from a %dx%d canvas, medians of %d fresh processes: export %.2f s, ffmpeg %.2f s, ratio "
            "%.2f (median of the pairs' ratios %.2f; goal at most 1.2); memory: the export added %.0f MiB "
            "(largest %.0f; goal at most 250), the ffmpeg process peaked at %.0f MiB, ratio %.2f; PSNR %.2f dB, "
            "ffmpeg's defaults %.2f dB, difference %+.2f dB (goal at least -0.1); GUI thread: longest event %.1f ms of "
            "which it ran %.1f ms, longest gap between turns %.1f ms\n",
            width, videoHeight, kCanvasWidth, height, runs, median(exports), median(commands),
            median(exports) / median(commands), median(ratios), median(added),
            *std::max_element(added.begin(), added.end()), median(peaks), median(added) / median(peaks), median(psnrs),
            median(commandPsnrs), median(psnrs) - median(commandPsnrs), median(events), median(eventCpus),
            median(gaps));
        std::fflush(stdout);
        state.SetIterationTime(median(exports));
        state.counters["export_s"] = median(exports);
        state.counters["ffmpeg_s"] = median(commands);
        state.counters["ratio"] = median(exports) / median(commands);
        state.counters["export_added_MiB"] = median(added);
        state.counters["ffmpeg_peak_MiB"] = median(peaks);
        state.counters["psnr_dB"] = median(psnrs);
        state.counters["ffmpeg_psnr_dB"] = median(commandPsnrs);
    }
}

BENCHMARK(BM_ExportAgainstCommandLine)
    ->Arg(2304)
    ->Arg(2731)
    ->Arg(4096)
    ->ArgName("canvas_height")
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace
}  // namespace vlt

int main(int argc, char** argv) {
    if (const auto height = vlt::bench::takeFlag(argc, argv, "video_case")) return vlt::runCase(std::stoi(*height));
    if (const auto runs = vlt::bench::takeFlag(argc, argv, "runs")) vlt::runs = std::stoi(*runs);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

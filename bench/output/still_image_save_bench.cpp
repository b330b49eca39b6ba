// Still-image saves of all three kinds, as JPEG 90 and as PNG.
//
//   bench_still_output [benchmark flags]
//       The steps of a save from a 4096 × 4096 canvas one by one (compose, encode,
//       validate, publish) beside libvips's own jpegsave/pngsave of the same three
//       bitmaps, and WarmRoad: the whole save as a person waits for it in the
//       application (see still_image_save_road.h), each paired with its peer.
//   bench_still_output --first_saves=N [--dialog_seconds=S]
//       The first save of a session, in N fresh processes one after the other: each
//       opens and edits the photograph, shows the dialog for S seconds (1 by default)
//       as a person reads it, saves once and then times its peer. Prints every run
//       and the medians.
//
// Run it under `taskset -c 0,1` for two cores.
#include <vips/vips.h>

#include <benchmark/benchmark.h>
#include <fcntl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <cstring>
#include <random>
#include <string>

#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QUuid>

#include "support/bench_process.h"
#include "output/still/still_image_composer.h"
#include "output/still/still_image_save_job.h"
#include "output/still/still_image_save_transaction.h"
#include "platform/image_io/image_io_runtime.h"
#include "still_image_save_road.h"

namespace vlt {
namespace {

constexpr int kCanvasSide = 4096;
constexpr int kRoadRuns = 7;
using Clock = std::chrono::steady_clock;

// The application lives until the process ends and is never destroyed.
void ensureApplication() {
    static QApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_still_output";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    (void)application;
    ensureImageIORuntime();
}

// Saves and their peers, run after run.
struct RoadRecord {
    std::vector<double> ours;
    std::vector<double> peers;
    std::vector<double> ratios;
    std::vector<double> ourProcessor;
    std::vector<double> peerProcessor;
    std::vector<double> renders;
    std::vector<double> bares;

    void add(const RoadTiming& saved, const RoadTiming& render, const RoadTiming& bare) {
        const RoadTiming peer = render + bare;
        ours.push_back(saved.wall);
        peers.push_back(peer.wall);
        ratios.push_back(saved.wall / peer.wall);
        ourProcessor.push_back(saved.processor);
        peerProcessor.push_back(peer.processor);
        renders.push_back(render.wall);
        bares.push_back(bare.wall);
    }
    double ratio() const { return median(ours) / median(peers); }
    std::string summary() const {
        char text[512];
        std::snprintf(text, sizeof text,
                      "ours %.0f ms, peer %.0f ms (render %.0f + bare encodes %.0f), ratio %.2f (median of the "
                      "pairs' ratios %.2f); processor time ours %.0f ms, peer %.0f ms",
                      median(ours), median(peers), median(renders), median(bares), ratio(), median(ratios),
                      median(ourProcessor), median(peerProcessor));
        return text;
    }
};

// How long the dialog stands before Save is pressed, as a person reads it.
double dialogSeconds = 1.0;

// Built once, on first use, with a save done so that later ones are warm.
StillImageSaveRoad& sharedRoad() {
    static StillImageSaveRoad* road = [] {
        auto* made = new StillImageSaveRoad();
        made->openDialog(dialogSeconds);
        if (!made->save()) std::abort();
        return made;
    }();
    return *road;
}

// A smooth gradient with grain: compresses like a photograph, not like flat colour.
QImage photograph(int side, int seed) {
    QImage image(side, side, QImage::Format_RGBA8888_Premultiplied);
    std::mt19937 random(seed);
    std::normal_distribution<float> grain(0.0f, 6.0f);
    for (int y = 0; y < side; ++y) {
        auto* row = reinterpret_cast<uchar*>(image.scanLine(y));
        for (int x = 0; x < side; ++x) {
            const float base[3] = {255.0f * x / side, 255.0f * y / side, 200.0f - 127.0f * x / side};
            for (int channel = 0; channel < 3; ++channel) {
                row[4 * x + channel] = uchar(std::clamp(base[channel] + grain(random), 0.0f, 255.0f));
            }
            row[4 * x + 3] = 255;
        }
    }
    return image;
}

const StillImageRenderSnapshot& snapshot() {
    static const StillImageRenderSnapshot shared = [] {
        StillImageRenderSnapshot made{photograph(kCanvasSide, 1), photograph(kCanvasSide, 2), {}};
        made.simulation = made.simulation.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const AnnotationColor red{230, 40, 40};
        for (int index = 0; index < 12; ++index) {
            const float x = 300.0f + 280.0f * float(index);
            made.annotations.push_back(AnnotationObject{
                QUuid::createUuid(), AnnotationStroke{{{x, 400}, {x + 120, 900}, {x, 1400}}, 12, red}, {}});
        }
        return made;
    }();
    return shared;
}

StillImageExportOptions options(StillImageFileFormat format) {
    StillImageExportOptions made;
    made.individualMaximumDimension = kCanvasSide;
    made.comparisonMaximumStackedDimension = 2 * kCanvasSide;
    made.fileFormat = format;
    made.jpegQuality = 90;
    made.selection = StillImageSaveSelection::allThreeTabs;
    made.includeLabels = true;
    made.includeContactInformation = true;
    made.watermarkSettings.contactName = QStringLiteral("Dr. Ana Example");
    made.watermarkSettings.contactEmail = QStringLiteral("ana@example.org");
    made.watermarkSettings.contactAddress = QStringLiteral("Main Street 1\n1000 Town");
    return made;
}

std::filesystem::path freshFolder() {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "veltrano-still-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

// The three composed bitmaps as libvips memory images in the encoders' own layout,
// rows packed tight: RGB for JPEG, straight RGBA for PNG; made once, outside every
// timing.
struct BareBitmaps {
    std::vector<std::vector<uchar>> bytes;
    std::vector<VipsImage*> images;
};

const BareBitmaps& bareBitmaps(StillImageFileFormat format) {
    static std::map<StillImageFileFormat, BareBitmaps> cache;
    if (auto found = cache.find(format); found != cache.end()) return found->second;
    BareBitmaps& bitmaps = cache[format];
    const bool jpeg = format == StillImageFileFormat::jpeg;
    const int bands = jpeg ? 3 : 4;
    for (StillImageKind kind : kAllStillImageKinds) {
        const QImage converted = StillImageComposer::render(kind, snapshot(), options(format))
                                     .value()
                                     .convertToFormat(jpeg ? QImage::Format_RGB888 : QImage::Format_RGBA8888);
        const std::size_t rowBytes = std::size_t(converted.width()) * bands;
        std::vector<uchar>& bytes = bitmaps.bytes.emplace_back(rowBytes * converted.height());
        for (int y = 0; y < converted.height(); ++y) {
            std::memcpy(bytes.data() + rowBytes * y, converted.constScanLine(y), rowBytes);
        }
        VipsImage* image = vips_image_new_from_memory(bytes.data(), bytes.size(), converted.width(), converted.height(),
                                                      bands, VIPS_FORMAT_UCHAR);
        image->Type = VIPS_INTERPRETATION_sRGB;
        bitmaps.images.push_back(image);
    }
    return bitmaps;
}

double bareSaveSeconds(StillImageFileFormat format, const std::filesystem::path& folder) {
    const auto start = Clock::now();
    int index = 0;
    for (VipsImage* image : bareBitmaps(format).images) {
        const std::string path = (folder / ("bare-" + std::to_string(index++))).string() +
                                 (format == StillImageFileFormat::jpeg ? ".jpg" : ".png");
        const int status = format == StillImageFileFormat::jpeg
                               ? vips_jpegsave(image, path.c_str(), "Q", 90, "strip", TRUE, nullptr)
                               : vips_pngsave(image, path.c_str(), "strip", TRUE, nullptr);
        if (status != 0) return -1;
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_BareVipsSave(benchmark::State& state, StillImageFileFormat format) {
    ensureApplication();
    bareBitmaps(format);
    for (auto _ : state) {
        state.PauseTiming();
        const std::filesystem::path folder = freshFolder();
        state.ResumeTiming();
        if (bareSaveSeconds(format, folder) < 0) return state.SkipWithError("libvips could not save");
    }
}

std::vector<StillImageKind> allKinds() { return {kAllStillImageKinds.begin(), kAllStillImageKinds.end()}; }

const std::vector<StillImageRenderedImage>& composed(StillImageFileFormat format) {
    static std::map<StillImageFileFormat, std::vector<StillImageRenderedImage>> cache;
    if (auto found = cache.find(format); found != cache.end()) return found->second;
    return cache[format] = composeStillImages(snapshot(), allKinds(), options(format)).value();
}

std::filesystem::path filePath(const std::filesystem::path& folder, std::size_t index, StillImageFileFormat format) {
    return folder / ("image-" + std::to_string(index) + (format == StillImageFileFormat::jpeg ? ".jpg" : ".png"));
}

// Writes the three images without syncing; the paths in output order.
std::vector<std::filesystem::path> encodeAll(StillImageFileFormat format, const std::filesystem::path& folder,
                                             std::vector<FileDescriptor>* keptOpen = nullptr) {
    std::vector<std::filesystem::path> paths;
    const std::vector<StillImageRenderedImage>& images = composed(format);
    for (std::size_t index = 0; index < images.size(); ++index) {
        paths.push_back(filePath(folder, index, format));
        FileDescriptor file(::open(paths.back().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
        if (!StillImageSaveTransaction::encode(images[index].image, file.get(), options(format)).ok()) return {};
        if (keptOpen) keptOpen->push_back(std::move(file));
    }
    return paths;
}

// The steps one by one, each over the three images in turn: what each costs. The
// save itself overlaps them across the images.
void BM_Compose(benchmark::State& state, StillImageFileFormat format) {
    ensureApplication();
    for (auto _ : state) {
        if (!composeStillImages(snapshot(), allKinds(), options(format)).ok()) return state.SkipWithError("failed");
    }
}

void BM_Encode(benchmark::State& state, StillImageFileFormat format) {
    ensureApplication();
    composed(format);
    for (auto _ : state) {
        state.PauseTiming();
        const std::filesystem::path folder = freshFolder();
        state.ResumeTiming();
        if (encodeAll(format, folder).empty()) return state.SkipWithError("failed");
    }
}

void BM_Validate(benchmark::State& state, StillImageFileFormat format) {
    ensureApplication();
    const std::vector<std::filesystem::path> paths = encodeAll(format, freshFolder());
    const std::vector<StillImageRenderedImage>& images = composed(format);
    for (auto _ : state) {
        for (std::size_t index = 0; index < paths.size(); ++index) {
            const QImage& image = images[index].image;
            if (!StillImageSaveTransaction::validateWrittenImage(paths[index], image.width(), image.height()).ok()) {
                return state.SkipWithError("failed");
            }
        }
    }
}

// Syncing each file, the exclusive renames and the folder sync.
void BM_Publish(benchmark::State& state, StillImageFileFormat format) {
    ensureApplication();
    StillImageFileSystem& fileSystem = systemStillImageFileSystem();
    for (auto _ : state) {
        state.PauseTiming();
        const std::filesystem::path folder = freshFolder();
        std::vector<FileDescriptor> files;
        const std::vector<std::filesystem::path> paths = encodeAll(format, folder, &files);
        state.ResumeTiming();
        for (std::size_t index = 0; index < paths.size(); ++index) {
            std::filesystem::path published = paths[index];
            published.replace_filename("published-" + paths[index].filename().string());
            if (!fileSystem.syncAndClose(std::move(files[index]), paths[index]).ok() ||
                !fileSystem.renameWithoutReplacing(paths[index], published).ok()) {
                return state.SkipWithError("failed");
            }
        }
        if (!fileSystem.syncFolder(folder).ok()) return state.SkipWithError("failed");
    }
}

// The whole road as the application runs it (see StillImageSaveRoad), warm: the
// process has saved once before. Each save is paired with its peer under the same
// load: one full-size render and libvips's bare encodes of the three bitmaps.
// Printed: the medians of ours and of the peer, the ratio of the medians and the
// median of the pairs' ratios.
void BM_WarmRoad(benchmark::State& state) {
    ensureApplication();
    StillImageSaveRoad& road = sharedRoad();
    RoadRecord record;
    for (auto _ : state) {
        road.openDialog(dialogSeconds);
        const std::optional<RoadTiming> saved = road.save();
        if (!saved) return state.SkipWithError("the save failed");
        const RoadTiming render = road.render();
        record.add(*saved, render, road.bareEncodes());
        state.SetIterationTime(saved->wall / 1e3);
    }
    state.counters["save_ms"] = median(record.ours);
    state.counters["peer_ms"] = median(record.peers);
    state.counters["ratio"] = record.ratio();
    std::printf("warm saves, median of %zu: %s\n", record.ours.size(), record.summary().c_str());
}

void registerFormat(const char* name, StillImageFileFormat format) {
    auto add = [&](const char* step, void (*function)(benchmark::State&, StillImageFileFormat)) {
        benchmark::RegisterBenchmark((std::string(step) + "/" + name).c_str(), function, format)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    };
    add("BareVipsSave", BM_BareVipsSave);
    add("Compose", BM_Compose);
    add("Encode", BM_Encode);
    add("Validate", BM_Validate);
    add("Publish", BM_Publish);
}

const bool registered = [] {
    registerFormat("jpeg90", StillImageFileFormat::jpeg);
    registerFormat("png", StillImageFileFormat::png);
    benchmark::RegisterBenchmark("WarmRoad/jpeg90", BM_WarmRoad)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(kRoadRuns);
    return true;
}();

}  // namespace
}  // namespace vlt

namespace vlt {
namespace {

// One first save in this fresh process, and its peer after it.
int runFirstSave() {
    ensureApplication();
    auto* road = new StillImageSaveRoad();
    road->openDialog(dialogSeconds);
    const std::optional<RoadTiming> saved = road->save();
    if (!saved) std::_Exit(1);
    const RoadTiming render = road->render();
    const RoadTiming bare = road->bareEncodes();
    std::printf("first_save %.1f %.1f render %.1f %.1f bare %.1f %.1f\n", saved->wall, saved->processor, render.wall,
                render.processor, bare.wall, bare.processor);
    std::fflush(stdout);
    // Nothing to tidy: the process ends here, without Qt's teardown.
    std::_Exit(0);
}

int runFirstSaves(int runs) {
    RoadRecord record;
    const std::string command = "/proc/" + std::to_string(::getpid()) +
                                "/exe --first_save_child --dialog_seconds=" + std::to_string(dialogSeconds);
    for (int run = 0; run < runs; ++run) {
        FILE* child = ::popen(command.c_str(), "r");
        if (child == nullptr) return 1;
        RoadTiming saved{-1.0, 0.0};
        RoadTiming render;
        RoadTiming bare;
        char line[256];
        while (std::fgets(line, sizeof line, child) != nullptr) {
            std::sscanf(line, "first_save %lf %lf render %lf %lf bare %lf %lf", &saved.wall, &saved.processor,
                        &render.wall, &render.processor, &bare.wall, &bare.processor);
        }
        if (::pclose(child) != 0 || saved.wall < 0) {
            std::fprintf(stderr, "run %d failed\n", run);
            return 1;
        }
        record.add(saved, render, bare);
        std::printf("run %d: first save %.0f ms, peer %.0f ms (render %.0f + bare encodes %.0f), ratio %.2f\n", run,
                    saved.wall, (render + bare).wall, render.wall, bare.wall, saved.wall / (render + bare).wall);
        std::fflush(stdout);
    }
    std::printf("first save of a session, median of %d fresh processes: %s\n", runs, record.summary().c_str());
    return 0;
}

}  // namespace
}  // namespace vlt

int main(int argc, char** argv) {
    const std::optional<std::string> dialog = vlt::bench::takeFlag(argc, argv, "dialog_seconds");
    if (dialog) vlt::dialogSeconds = std::stod(*dialog);
    if (vlt::bench::takeFlag(argc, argv, "first_save_child")) return vlt::runFirstSave();
    if (const auto runs = vlt::bench::takeFlag(argc, argv, "first_saves")) return vlt::runFirstSaves(std::stoi(*runs));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

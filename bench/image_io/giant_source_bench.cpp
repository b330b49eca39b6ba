// Opening a giant photograph and going on to the editor, against one vips_thumbnail of
// the same file to the canvas size on one libvips worker, as the application decodes
// (and, beside it, on libvips's own choice of workers). Each measurement runs in a
// fresh copy of this program, so that neither a warm library nor memory kept from an
// earlier run can hide a cost, and the runs of ours and of the thumbnailers take turns
// on the same machine.
//
// The sources are 30,000 × 30,000 pixels (900 MP) of a grained colour gradient, written
// once into a folder under the temporary folder: a JPEG (quality 90), a PNG (libvips's
// default compression), an uncompressed TIFF and an LZW TIFF with the horizontal
// predictor. "whole" is the road the crop screen takes without a crop; "trim" cuts a
// tenth off every side, which needs more detail than the preview holds; "detail" is a
// 4096 × 4096 crop, which needs every source pixel in it.
//
// Run it pinned for two cores: taskset -c 0,1 build/bench/image_io/bench_giant_sources
#include <vips/vips.h>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <QUrl>

#include "support/bench_process.h"
#include "support/photograph_like_picture.h"
#include "editing/preparation/editing_canvas.h"
#include "import/crop_document.h"
#include "import/imported_image.h"

namespace {

constexpr int kSide = 30'000;
constexpr std::int64_t kCanvasMaximum = 4096;
constexpr int kRuns = 5;

enum class Encoding { jpeg, png, tiff, tiffLzw };

struct Source {
    const char* name;
    const char* fileName;
    Encoding encoding;
};

constexpr Source kSources[] = {
    {"jpeg", "giant.jpg", Encoding::jpeg},
    {"png", "giant.png", Encoding::png},
    {"tiff", "giant.tif", Encoding::tiff},
    {"tiff_lzw", "giant-lzw.tif", Encoding::tiffLzw},
};

constexpr const char* kScenarios[] = {"whole", "trim", "detail"};

std::filesystem::path sourceFolder() { return std::filesystem::temp_directory_path() / "veltrano-giant-source-bench"; }

// A photograph-like picture in the source's encoding.
bool writeSource(const Source& source, const std::string& path) {
    VipsImage* picture = vlt::bench::makePhotographLikePicture(kSide, kSide);
    bool ok = picture != nullptr;
    // Written beside its final name and renamed, so that an interrupted set-up never
    // leaves half a source behind.
    const std::string partial = path + ".partial";
    if (ok) {
        switch (source.encoding) {
        case Encoding::jpeg:
            ok = vips_jpegsave(picture, partial.c_str(), "Q", 90, nullptr) == 0;
            break;
        case Encoding::png:
            ok = vips_pngsave(picture, partial.c_str(), nullptr) == 0;
            break;
        case Encoding::tiff:
            ok = vips_tiffsave(picture, partial.c_str(), nullptr) == 0;
            break;
        case Encoding::tiffLzw:
            ok = vips_tiffsave(picture, partial.c_str(), "compression", VIPS_FOREIGN_TIFF_COMPRESSION_LZW, "predictor",
                               VIPS_FOREIGN_TIFF_PREDICTOR_HORIZONTAL, nullptr) == 0;
            break;
        }
    }
    if (picture) g_object_unref(picture);
    std::error_code error;
    if (ok) std::filesystem::rename(partial, path, error);
    if (!ok || error) {
        std::fprintf(stderr, "could not write %s: %s\n", path.c_str(), vips_error_buffer());
        std::filesystem::remove(partial, error);
        return false;
    }
    return true;
}

std::string sourcePath(const Source& source) {
    std::filesystem::create_directories(sourceFolder());
    const std::string path = (sourceFolder() / source.fileName).string();
    if (!std::filesystem::exists(path)) {
        std::fprintf(stderr, "writing %s once ...\n", path.c_str());
        if (!writeSource(source, path)) return {};
    }
    return path;
}

// ---- What one fresh process measures ----

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The crop the scenario asks of the crop screen, in the displayed image.
void chooseCrop(vlt::CropDocument& document, const std::string& scenario) {
    vlt::CropSelection selection = document.selection();
    const double side = double(kSide);
    if (scenario == "trim") selection.crop = {side * 0.1, side * 0.1, side * 0.8, side * 0.8};
    if (scenario == "detail") selection.crop = {side * 0.4, side * 0.4, 4096, 4096};
    document.setSelection(selection);
}

// Import, then "Go to editor", as the application runs them one after the other.
int measureOurs(const std::string& path, const std::string& scenario) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = cpuSeconds();
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(path));
    auto imported = vlt::ImportedImage::load(url, vlt::SecurityScopedFileAccess::start(url));
    if (!imported.ok()) return 1;
    const double importSeconds = secondsSince(start);
    vlt::CropDocument document(imported.value());
    chooseCrop(document, scenario);
    const auto prepareStart = std::chrono::steady_clock::now();
    auto descriptor = vlt::EditingCanvasDescriptor::make(document, kCanvasMaximum);
    if (!descriptor.ok()) return 1;
    auto canvas = vlt::EditingCanvas::prepare(descriptor.value());
    if (!canvas.ok()) return 1;
    std::printf("wall_ms=%.1f cpu_ms=%.1f peak_kB=%ld import_ms=%.1f prepare_ms=%.1f\n", 1e3 * secondsSince(start),
                1e3 * (cpuSeconds() - cpuStart), vlt::bench::processKilobytes("VmHWM:"), 1e3 * importSeconds,
                1e3 * secondsSince(prepareStart));
    return 0;
}

// `workers` 0 leaves libvips its own choice, one worker per usable processor.
int measureThumbnail(const std::string& path, int workers) {
    if (workers > 0) vips_concurrency_set(workers);
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = cpuSeconds();
    VipsImage* thumbnail = nullptr;
    if (vips_thumbnail(path.c_str(), &thumbnail, int(kCanvasMaximum), nullptr) != 0) return 1;
    VipsImage* decoded = vips_image_copy_memory(thumbnail);
    g_object_unref(thumbnail);
    if (decoded == nullptr) return 1;
    g_object_unref(decoded);
    std::printf("wall_ms=%.1f cpu_ms=%.1f peak_kB=%ld\n", 1e3 * secondsSince(start), 1e3 * (cpuSeconds() - cpuStart),
                vlt::bench::processKilobytes("VmHWM:"));
    return 0;
}

// ---- The parent: runs the children in turn and reports ----

struct Sample {
    double wallMs = -1;
    double cpuMs = -1;
    double peakMB = -1;
};

std::optional<Sample> runChild(const std::string& arguments) {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string command = "'" + self + "' --child " + arguments + " 2>/dev/null";
    FILE* child = popen(command.c_str(), "r");
    if (child == nullptr) return std::nullopt;
    Sample sample;
    long kilobytes = -1;
    const int read =
        std::fscanf(child, "wall_ms=%lf cpu_ms=%lf peak_kB=%ld", &sample.wallMs, &sample.cpuMs, &kilobytes);
    const int status = pclose(child);
    if (read != 3 || status != 0) return std::nullopt;
    sample.peakMB = double(kilobytes) / 1024.0;
    return sample;
}

double median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Series {
    std::vector<double> wall;
    std::vector<double> cpu;
    std::vector<double> peak;
    void add(const Sample& sample) {
        wall.push_back(sample.wallMs);
        cpu.push_back(sample.cpuMs);
        peak.push_back(sample.peakMB);
    }
};

void giantSource(benchmark::State& state, const Source* source) {
    const std::string path = sourcePath(*source);
    if (path.empty()) return state.SkipWithError("the source could not be written");
    const auto baseline = runChild("none '" + path + "' whole");
    if (!baseline) return state.SkipWithError("the empty child failed");

    // The application decodes on one libvips worker, so the fair peer does too; the
    // thumbnailer with libvips's own choice of workers is shown beside it.
    Series peer;
    Series peerDefault;
    Series ours[std::size(kScenarios)];
    for (auto _ : state) {
        // One round: the thumbnailers, then each road of ours, each in a fresh process.
        const auto thumbnail = runChild("thumbnail '" + path + "' whole");
        if (!thumbnail) return state.SkipWithError("vips_thumbnail failed");
        peer.add(*thumbnail);
        const auto thumbnailDefault = runChild("thumbnail_default '" + path + "' whole");
        if (!thumbnailDefault) return state.SkipWithError("vips_thumbnail failed");
        peerDefault.add(*thumbnailDefault);
        for (std::size_t i = 0; i < std::size(kScenarios); ++i) {
            const auto sample = runChild(std::string("ours '") + path + "' " + kScenarios[i]);
            if (!sample) return state.SkipWithError("import or preparation failed");
            ours[i].add(*sample);
        }
    }

    const double peerWall = median(peer.wall);
    std::printf("%s 30000x30000, canvas %lld, medians of %zu runs, each in a fresh process (baseline %.0f MB):\n",
                source->name, static_cast<long long>(kCanvasMaximum), peer.wall.size(), baseline->peakMB);
    const double peerDefaultWall = median(peerDefault.wall);
    std::printf("  vips_thumbnail, 1 worker   %8.0f ms  cpu %8.0f ms  peak %6.0f MB\n", peerWall, median(peer.cpu),
                median(peer.peak));
    std::printf("  vips_thumbnail, %d workers  %8.0f ms  cpu %8.0f ms  peak %6.0f MB\n", vips_concurrency_get(),
                peerDefaultWall, median(peerDefault.cpu), median(peerDefault.peak));
    for (std::size_t i = 0; i < std::size(kScenarios); ++i) {
        const double wall = median(ours[i].wall);
        std::printf("  ours %-10s            %8.0f ms  cpu %8.0f ms  peak %6.0f MB  ratio %.2f (%.2f to %d workers)\n",
                    kScenarios[i], wall, median(ours[i].cpu), median(ours[i].peak), wall / peerWall,
                    wall / peerDefaultWall, vips_concurrency_get());
        const std::string prefix = kScenarios[i];
        state.counters[prefix + "_ms"] = wall;
        state.counters[prefix + "_ratio"] = wall / peerWall;
        state.counters[prefix + "_peak_MB"] = median(ours[i].peak);
    }
    state.counters["thumbnail_ms"] = peerWall;
    state.counters["thumbnail_peak_MB"] = median(peer.peak);
    state.counters["thumbnail_default_ms"] = peerDefaultWall;
    state.counters["thumbnail_default_peak_MB"] = median(peerDefault.peak);
    std::fflush(stdout);
}

int runChildMode(const std::string& operation, const std::string& path, const std::string& scenario) {
    if (operation == "ours") return measureOurs(path, scenario);
    if (operation == "thumbnail") return measureThumbnail(path, 1);
    if (operation == "thumbnail_default") return measureThumbnail(path, 0);
    std::printf("wall_ms=0 cpu_ms=0 peak_kB=%ld\n", vlt::bench::processKilobytes("VmHWM:"));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (VIPS_INIT(argv[0]) != 0) return 1;
    if (argc == 5 && std::strcmp(argv[1], "--child") == 0) return runChildMode(argv[2], argv[3], argv[4]);
    for (const Source& source : kSources) {
        benchmark::RegisterBenchmark((std::string("GiantSource/") + source.name).c_str(), giantSource, &source)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(kRuns);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

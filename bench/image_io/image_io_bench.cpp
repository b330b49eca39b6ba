// Import (header + preview) and canvas preparation of large photographs, with the
// peak memory of each operation measured in a child process of its own. The
// reference is libvips's own thumbnailer (the core of vipsthumbnail) on the same
// file and size; for the JPEG sources (16, 24 and 64 MP) ...VsThumbnail runs the two
// in turn and prints both and their ratio. Run it under `taskset -c 0,1` for two cores.
#include <vips/vips.h>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
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

constexpr std::int64_t kCanvasMaximum = 4096;

struct Fixture {
    const char* name;
    int width;
    int height;
    const char* suffix;
    // One flat grey level: the largest source the limits allow, in a small file.
    bool flatGrey = false;
};

constexpr Fixture kFixtures[] = {
    {"jpeg_4896x3264", 4896, 3264, ".jpg"},  {"jpeg_6000x4000", 6000, 4000, ".jpg"},
    {"jpeg_9248x6936", 9248, 6936, ".jpg"},  {"tiff_12000x8000", 12000, 8000, ".tif"},
    {"heic_4032x3024", 4032, 3024, ".heic"}, {"png_40000x25000_grey", 40000, 25000, ".png", true},
};

bool writeFlatGreyFixture(const Fixture& fixture, const std::string& path) {
    VipsImage* black = nullptr;
    VipsImage* grey = nullptr;
    const bool ok = vips_black(&black, fixture.width, fixture.height, nullptr) == 0 &&
                    vips_linear1(black, &grey, 1.0, 128.0, "uchar", TRUE, nullptr) == 0 &&
                    vips_pngsave(grey, path.c_str(), "compression", 1, nullptr) == 0;
    if (black) g_object_unref(black);
    if (grey) g_object_unref(grey);
    return ok;
}

std::filesystem::path fixtureFolder() { return std::filesystem::temp_directory_path() / "veltrano-image-io-bench"; }

// A photograph-like picture (or flat grey) in the fixture's format.
bool writeFixture(const Fixture& fixture, const std::string& path) {
    if (fixture.flatGrey) return writeFlatGreyFixture(fixture, path);
    VipsImage* picture = vlt::bench::makePhotographLikePicture(fixture.width, fixture.height);
    bool ok = picture != nullptr;
    if (ok) {
        const std::string suffix = fixture.suffix;
        if (suffix == ".jpg") ok = vips_jpegsave(picture, path.c_str(), "Q", 90, nullptr) == 0;
        if (suffix == ".tif") ok = vips_tiffsave(picture, path.c_str(), nullptr) == 0;
        if (suffix == ".heic") ok = vips_heifsave(picture, path.c_str(), "Q", 80, nullptr) == 0;
    }
    if (picture) g_object_unref(picture);
    if (!ok) std::fprintf(stderr, "could not write %s: %s\n", path.c_str(), vips_error_buffer());
    return ok;
}

std::string fixturePath(const Fixture& fixture) {
    std::filesystem::create_directories(fixtureFolder());
    const std::string path = (fixtureFolder() / (std::string(fixture.name) + fixture.suffix)).string();
    if (!std::filesystem::exists(path) && !writeFixture(fixture, path)) return {};
    return path;
}

bool runImport(const std::string& path) {
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(path));
    return vlt::ImportedImage::load(url, vlt::SecurityScopedFileAccess::start(url)).ok();
}

// The descriptor is made the way the crop screen makes it: whole image, no turns.
bool runCanvasPreparation(const std::string& path) {
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(path));
    auto imported = vlt::ImportedImage::load(url, vlt::SecurityScopedFileAccess::start(url));
    if (!imported.ok()) return false;
    const vlt::CropDocument document(imported.value());
    auto descriptor = vlt::EditingCanvasDescriptor::make(document, kCanvasMaximum);
    return descriptor.ok() && vlt::EditingCanvas::prepare(descriptor.value()).ok();
}

bool runCanvasPreparationOnly(const vlt::EditingCanvasDescriptor& descriptor) {
    return vlt::EditingCanvas::prepare(descriptor).ok();
}

bool runVipsThumbnail(const std::string& path) {
    VipsImage* thumbnail = nullptr;
    if (vips_thumbnail(path.c_str(), &thumbnail, int(kCanvasMaximum), nullptr) != 0) return false;
    VipsImage* decoded = vips_image_copy_memory(thumbnail);
    g_object_unref(thumbnail);
    if (decoded) g_object_unref(decoded);
    return decoded != nullptr;
}

// The peak resident size of one operation, run alone in a fresh copy of this program
// that reports its own high-water mark (the parent's would leak into a child's
// rusage across exec).
double peakMegabytes(const std::string& operation, const std::string& path) {
    static std::map<std::string, double> cache;
    const std::string key = operation + " " + path;
    if (const auto found = cache.find(key); found != cache.end()) return found->second;

    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string command = "'" + self + "' --measure-peak " + operation + " '" + path + "' 2>/dev/null";
    FILE* child = popen(command.c_str(), "r");
    if (child == nullptr) return -1;
    long kilobytes = -1;
    if (std::fscanf(child, "peak_kB=%ld", &kilobytes) != 1) kilobytes = -1;
    const int status = pclose(child);
    const double megabytes = status == 0 && kilobytes >= 0 ? double(kilobytes) / 1024.0 : -1;
    cache[key] = megabytes;
    return megabytes;
}

void report(benchmark::State& state, const Fixture& fixture, const std::string& operation, const std::string& path) {
    const double pixels = double(fixture.width) * double(fixture.height);
    state.counters["source_pixels_per_s"] = benchmark::Counter(pixels, benchmark::Counter::kIsIterationInvariantRate);
    // The baseline is the same program after loading its libraries and doing nothing.
    const double baseline = peakMegabytes("none", path);
    state.counters["peak_MB"] = peakMegabytes(operation, path);
    state.counters["peak_above_baseline_MB"] = peakMegabytes(operation, path) - baseline;
    state.counters["decoded_MB"] = pixels * (fixture.flatGrey ? 1 : 3) / 1e6;
}

void importBenchmark(benchmark::State& state, const Fixture* fixture) {
    const std::string path = fixturePath(*fixture);
    if (path.empty()) return state.SkipWithError("fixture could not be written");
    for (auto _ : state) {
        if (!runImport(path)) return state.SkipWithError("import failed");
    }
    report(state, *fixture, "import", path);
}

// The descriptor of the whole image, made the way the crop screen makes it, without
// what the import's decode kept, so that preparing it decodes the file (the road from
// the crop screen, preview and all, is bench_giant_sources's); none when the fixture
// cannot be imported.
std::optional<vlt::EditingCanvasDescriptor> wholeImageDescriptor(const std::string& path) {
    if (path.empty()) return std::nullopt;
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(path));
    auto imported = vlt::ImportedImage::load(url, vlt::SecurityScopedFileAccess::start(url));
    if (!imported.ok()) return std::nullopt;
    const vlt::CropDocument document(imported.value());
    auto descriptor = vlt::EditingCanvasDescriptor::make(document, kCanvasMaximum);
    if (!descriptor.ok()) return std::nullopt;
    vlt::EditingCanvasDescriptor decodingDescriptor = descriptor.value();
    decodingDescriptor.decodeCache = nullptr;
    return decodingDescriptor;
}

void canvasBenchmark(benchmark::State& state, const Fixture* fixture) {
    const std::string path = fixturePath(*fixture);
    const auto descriptor = wholeImageDescriptor(path);
    if (!descriptor) return state.SkipWithError("the fixture could not be written or imported");
    for (auto _ : state) {
        if (!runCanvasPreparationOnly(*descriptor)) return state.SkipWithError("preparation failed");
    }
    report(state, *fixture, "canvas", path);
}

void vipsThumbnailBenchmark(benchmark::State& state, const Fixture* fixture) {
    const std::string path = fixturePath(*fixture);
    if (path.empty()) return state.SkipWithError("fixture could not be written");
    for (auto _ : state) {
        if (!runVipsThumbnail(path)) return state.SkipWithError("vips_thumbnail failed");
    }
    report(state, *fixture, "vips-thumbnail", path);
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Ours and the thumbnailer in turn, each iteration one of each on the same file, so
// both see the same machine; prints both medians, wall and processor time, and the
// ratios.
template <typename Ours>
void againstThumbnail(benchmark::State& state, const Fixture& fixture, const char* what, Ours ours) {
    const std::string path = fixturePath(fixture);
    if (path.empty()) return state.SkipWithError("fixture could not be written");
    std::vector<double> oursWall, oursCpu, peerWall, peerCpu;
    const auto timed = [](auto operation, std::vector<double>& wall, std::vector<double>& cpu) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = cpuSeconds();
        const bool ok = operation();
        cpu.push_back(cpuSeconds() - cpuStart);
        wall.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        return ok;
    };
    for (auto _ : state) {
        if (!timed(ours, oursWall, oursCpu)) return state.SkipWithError("ours failed");
        if (!timed([&] { return runVipsThumbnail(path); }, peerWall, peerCpu)) {
            return state.SkipWithError("vips_thumbnail failed");
        }
    }
    state.counters["ours_ms"] = 1e3 * median(oursWall);
    state.counters["thumbnail_ms"] = 1e3 * median(peerWall);
    state.counters["ratio"] = median(oursWall) / median(peerWall);
    state.counters["cpu_ratio"] = median(oursCpu) / median(peerCpu);
    std::printf("%s of %s: %.0f ms (cpu %.0f ms), vips_thumbnail %.0f ms (cpu %.0f ms), ratio %.2f (cpu %.2f)\n", what,
                fixture.name, 1e3 * median(oursWall), 1e3 * median(oursCpu), 1e3 * median(peerWall),
                1e3 * median(peerCpu), median(oursWall) / median(peerWall), median(oursCpu) / median(peerCpu));
}

void importAgainstThumbnail(benchmark::State& state, const Fixture* fixture) {
    const std::string path = fixturePath(*fixture);
    againstThumbnail(state, *fixture, "import", [&] { return runImport(path); });
}

void canvasAgainstThumbnail(benchmark::State& state, const Fixture* fixture) {
    const auto descriptor = wholeImageDescriptor(fixturePath(*fixture));
    if (!descriptor) return state.SkipWithError("the fixture could not be written or imported");
    againstThumbnail(state, *fixture, "canvas preparation", [&] { return runCanvasPreparationOnly(*descriptor); });
}

void registerBenchmarks() {
    for (const Fixture& fixture : kFixtures) {
        if (std::string(fixture.suffix) != ".jpg") continue;
        benchmark::RegisterBenchmark((std::string("ImportVsThumbnail/") + fixture.name).c_str(), importAgainstThumbnail,
                                     &fixture)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(5);
        benchmark::RegisterBenchmark((std::string("CanvasVsThumbnail/") + fixture.name).c_str(), canvasAgainstThumbnail,
                                     &fixture)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(5);
    }
    for (const Fixture& fixture : kFixtures) {
        benchmark::RegisterBenchmark((std::string("Import/") + fixture.name).c_str(), importBenchmark, &fixture)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark((std::string("CanvasPreparation4096/") + fixture.name).c_str(), canvasBenchmark,
                                     &fixture)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark((std::string("VipsThumbnail4096/") + fixture.name).c_str(), vipsThumbnailBenchmark,
                                     &fixture)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
}

int measurePeak(const std::string& operation, const std::string& path) {
    bool ok = operation == "none";
    if (operation == "import") ok = runImport(path);
    if (operation == "canvas") ok = runCanvasPreparation(path);
    if (operation == "vips-thumbnail") ok = runVipsThumbnail(path);
    std::printf("peak_kB=%ld\n", vlt::bench::processKilobytes("VmHWM:"));
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (VIPS_INIT(argv[0]) != 0) return 1;
    if (argc == 4 && std::strcmp(argv[1], "--measure-peak") == 0) return measurePeak(argv[2], argv[3]);
    registerBenchmarks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

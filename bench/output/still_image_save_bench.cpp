// A whole still-image save of all three kinds from a 4096 × 4096 canvas, as JPEG 90
// and as PNG, with its compose, encode, validate and publish steps timed apart, beside
// libvips's own jpegsave/pngsave of the same three bitmaps: the encode is the floor.
// The save runs on this (worker) thread, as it does in the application.
#include <vips/vips.h>

#include <benchmark/benchmark.h>
#include <fcntl.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <cstring>
#include <random>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QUuid>

#include "output/still/still_image_composer.h"
#include "output/still/still_image_save_job.h"
#include "output/still/still_image_save_transaction.h"
#include "platform/image_io/image_io_runtime.h"

namespace vlt {
namespace {

constexpr int kCanvasSide = 4096;
using Clock = std::chrono::steady_clock;

void ensureApplication() {
    static std::unique_ptr<QGuiApplication> application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_still_output";
        static char* argv[] = {name, nullptr};
        return std::make_unique<QGuiApplication>(argc, argv);
    }();
    ensureImageIORuntime();
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

std::uintmax_t folderBytes(const std::filesystem::path& folder) {
    std::uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) bytes += entry.file_size();
    return bytes;
}

// Each save is followed by the bare encodes of its three bitmaps, outside the timing,
// so the ratio compares the two under the same load. Printed: the save's time and
// the bare encodes' (libvips's own savers with their defaults, as the files were
// written before this system wrote PNG itself), the ratio, and both files' sizes.
void BM_WholeSave(benchmark::State& state, StillImageFileFormat format) {
    ensureApplication();
    bareBitmaps(format);
    StillImageSaveRequest request{snapshot(), allKinds(), {}, QString(), QStringLiteral("Bench"), options(format)};
    double saving = 0.0;
    double bare = 0.0;
    std::uintmax_t savedBytes = 0;
    std::uintmax_t bareBytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        request.destinationFolder = freshFolder();
        state.ResumeTiming();
        const auto start = Clock::now();
        const bool saved = runStillImageSaveJob(request).ok();
        saving += std::chrono::duration<double>(Clock::now() - start).count();
        state.PauseTiming();
        savedBytes = folderBytes(request.destinationFolder);
        const std::filesystem::path bareFolder = freshFolder();
        bare += bareSaveSeconds(format, bareFolder);
        bareBytes = folderBytes(bareFolder);
        state.ResumeTiming();
        if (!saved) return state.SkipWithError("the save failed");
    }
    state.counters["save_ms"] = 1e3 * saving / double(state.iterations());
    state.counters["bare_encode_ms"] = 1e3 * bare / double(state.iterations());
    state.counters["times_bare_encode"] = saving / bare;
    state.counters["saved_MB"] = double(savedBytes) / 1e6;
    state.counters["bare_MB"] = double(bareBytes) / 1e6;
    state.counters["size_per_bare"] = double(savedBytes) / double(std::max<std::uintmax_t>(bareBytes, 1));
    const double pixels = 4.0 * double(kCanvasSide) * kCanvasSide;
    state.counters["output_pixels_per_s"] = benchmark::Counter(pixels, benchmark::Counter::kIsIterationInvariantRate);
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
    add("WholeSave", BM_WholeSave);
}

const bool registered = [] {
    registerFormat("jpeg90", StillImageFileFormat::jpeg);
    registerFormat("png", StillImageFileFormat::png);
    return true;
}();

}  // namespace
}  // namespace vlt

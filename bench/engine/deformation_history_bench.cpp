#include <cstring>
#include <vector>

#include <benchmark/benchmark.h>

#include "editing/engine/deformation_history.h"

namespace vlt {
namespace {

constexpr std::int64_t kCanvasSide = 4096;

// A long diagonal stroke of a large brush across a 4096 × 4096 canvas.
std::vector<BrushStamp> longStroke() {
    std::vector<BrushStamp> stamps;
    for (int i = 0; i < 400; ++i) {
        const float t = static_cast<float>(i) * 9.0f;
        stamps.push_back({DeformationTool::push, {200.0f + t, 300.0f + t * 0.7f}, {2, 1}, 150.0f, 1.0f});
    }
    return stamps;
}

std::vector<DeformationTileSnapshot> snapshotsOf(const std::vector<PixelRegion>& regions, float value) {
    std::vector<DeformationTileSnapshot> snapshots;
    for (const PixelRegion& region : regions) {
        const auto count = static_cast<std::size_t>(region.pixelCount() * 2);
        std::vector<float> texels(count, value);
        DeformationTileSnapshot snapshot{region, std::vector<std::uint8_t>(count * sizeof(float))};
        std::memcpy(snapshot.bytes.data(), texels.data(), snapshot.bytes.size());
        snapshots.push_back(std::move(snapshot));
    }
    return snapshots;
}

void BM_TileRegionsOfLongStroke(benchmark::State& state) {
    const DeformationHistory history(kCanvasSide, kCanvasSide);
    const std::vector<BrushStamp> stamps = longStroke();
    for (auto _ : state) {
        benchmark::DoNotOptimize(history.tileRegions(stamps));
    }
    state.counters["stamps/s"] =
        benchmark::Counter(static_cast<double>(stamps.size() * state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TileRegionsOfLongStroke);

// Commit of a stroke whose every tile changed, then the undo and redo swaps.
void BM_CommitAndSwapLongStroke(benchmark::State& state) {
    const std::vector<BrushStamp> stamps = longStroke();
    const std::vector<PixelRegion> regions = DeformationHistory(kCanvasSide, kCanvasSide).tileRegions(stamps);
    const std::vector<DeformationTileSnapshot> first = snapshotsOf(regions, 0.25f);
    const std::vector<DeformationTileSnapshot> second = snapshotsOf(regions, 0.5f);
    std::int64_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        DeformationHistory history(kCanvasSide, kCanvasSide);
        (void)history.commit(first);
        state.ResumeTiming();
        const DeformationUndoStatePtr undoState = history.commit(second);
        benchmark::DoNotOptimize(history.swap(undoState->tiles));
        benchmark::DoNotOptimize(history.swap(undoState->tiles));
        bytes += static_cast<std::int64_t>(regions.size()) * kDeformationTileSize * kDeformationTileSize *
                 kDeformationTexelBytes;
    }
    state.counters["tiles"] = static_cast<double>(regions.size());
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_CommitAndSwapLongStroke)->Unit(benchmark::kMillisecond);

// A Reconstruct stroke that only visited untouched tiles: the common all-zero case.
void BM_CommitAllZeroTiles(benchmark::State& state) {
    const std::vector<BrushStamp> stamps = longStroke();
    DeformationHistory history(kCanvasSide, kCanvasSide);
    const std::vector<DeformationTileSnapshot> zeros = snapshotsOf(history.tileRegions(stamps), 0.0f);
    for (auto _ : state) {
        benchmark::DoNotOptimize(history.commit(zeros));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(zeros.size()) * kDeformationTileSize * kDeformationTileSize *
                            kDeformationTexelBytes * state.iterations());
}
BENCHMARK(BM_CommitAllZeroTiles)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vlt

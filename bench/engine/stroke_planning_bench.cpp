#include <cmath>
#include <vector>

#include <benchmark/benchmark.h>

#include "editing/engine/queued_stroke_processor.h"

namespace vlt {
namespace {

// One display frame of a fast drag: many pointer events since the last frame,
// drained into the stamp list that survives from frame to frame.
void BM_DrainDragFrame(benchmark::State& state) {
    const auto eventsPerFrame = static_cast<int>(state.range(0));
    const auto radius = static_cast<float>(state.range(1));
    QueuedStrokeProcessor processor;
    std::vector<BrushStamp> stamps;
    processor.append(StrokeSample::begin(DeformationTool::push, {0, 0}, radius));
    processor.drain(stamps);

    float x = 0.0f;
    std::int64_t stampCount = 0;
    for (auto _ : state) {
        for (int event = 0; event < eventsPerFrame; ++event) {
            x += 7.0f;
            processor.append(
                StrokeSample::move(DeformationTool::push, {x, 300.0f + 40.0f * std::sin(x * 0.01f)}, radius));
        }
        stamps.clear();
        processor.drain(stamps);
        stampCount += static_cast<std::int64_t>(stamps.size());
        benchmark::DoNotOptimize(stamps.data());
    }
    state.counters["stamps/s"] = benchmark::Counter(static_cast<double>(stampCount), benchmark::Counter::kIsRate);
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DrainDragFrame)->Args({8, 150})->Args({8, 5})->Args({64, 5});

}  // namespace
}  // namespace vlt

#include <benchmark/benchmark.h>

#include "crash_capture/vt_crash_reporter.h"
#include "crash_reports/prepared_mac_crash_report.h"
#include "support/absurd_crash_log.h"

namespace vlt {
namespace {

// The report a launch prepares from the crash log it finds: decoding within the payload's
// limits, the report identifier's digest of every byte, the payload and its encoding.
void prepare(benchmark::State& state, const std::vector<std::uint8_t>& log) {
    for (auto _ : state) {
        const auto prepared = PreparedMacCrashReport::make(log, std::string(32, 'a'), false);
        if (!prepared) state.SkipWithError("no report");
        benchmark::DoNotOptimize(prepared);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(log.size()));
}

void BM_PrepareLiveReport(benchmark::State& state) {
    prepare(state, VTCrashReporter("org.veltrano.bench", "1", "1.0", {}).generateLiveReport().value());
}
BENCHMARK(BM_PrepareLiveReport)->Unit(benchmark::kMillisecond);

// 10 MiB of threads, images and frames by the hundred thousand.
void BM_PrepareAbsurdLog(benchmark::State& state) {
    const std::string log = testing::absurdCrashLog();
    prepare(state, std::vector<std::uint8_t>(log.begin(), log.end()));
}
BENCHMARK(BM_PrepareAbsurdLog)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vlt

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

// 10 MiB that give one field that is no list over and over, or one text as long as the
// log, or texts by the thousand; each prepares in well under the 100 ms a launch allows.
const bool kRepeatingOneFieldRegistered = [] {
    for (const auto& [situation, text] : testing::crashLogsRepeatingOneField()) {
        const std::vector<std::uint8_t> log(text.begin(), text.end());
        benchmark::RegisterBenchmark(("BM_PrepareLogRepeatingOneField/" + situation).c_str(),
                                     [log](benchmark::State& state) { prepare(state, log); })
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
}  // namespace vlt

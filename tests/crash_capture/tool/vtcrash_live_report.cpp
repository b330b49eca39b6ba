// Prints the text report of a live report of this program, taken while a few worker
// threads wait in functions of their own.
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "crash_capture/vt_crash_report_text_formatter.h"
#include "crash_capture/vt_crash_reporter.h"
#include "crash_capture/vt_crash_reporter_error.h"

namespace {

constexpr int kWorkers = 3;
std::atomic<int> waiting{0};
std::atomic<bool> released{false};

[[gnu::noinline]] void waitUntilReleased() {
    waiting.fetch_add(1);
    while (!released.load()) std::this_thread::yield();
    asm volatile("");
}

[[gnu::noinline]] void workerBody(int depth) {
    if (depth > 0) {
        workerBody(depth - 1);
    } else {
        waitUntilReleased();
    }
    asm volatile("");
}

}  // namespace

int main() {
    std::vector<std::thread> workers;
    for (int index = 0; index < kWorkers; ++index) workers.emplace_back(workerBody, index + 1);
    while (waiting.load() < kWorkers) std::this_thread::yield();

    vlt::VTCrashReporterConfig configuration;
    // Symbols from the loaded objects' tables make the text readable.
    configuration.symbolicationStrategy = 1;
    configuration.maxReportBytes = 0;
    vlt::VTCrashReporter reporter("org.veltrano.vtcrash-live-report", "1", "1.0", configuration);
    const auto bytes = reporter.generateLiveReport();
    released.store(true);
    for (auto& worker : workers) worker.join();

    if (!bytes) {
        const auto* error = dynamic_cast<const vlt::VTCrashReporterError*>(bytes.error().get());
        std::fprintf(stderr, "%s\n", error ? error->description().c_str() : "The live report failed.");
        return 1;
    }
    const auto report = vlt::VTCrashReport::fromData(bytes.value());
    if (!report) {
        const auto* error = dynamic_cast<const vlt::VTCrashReporterError*>(report.error().get());
        std::fprintf(stderr, "%s\n", error ? error->description().c_str() : "The live report cannot be read.");
        return 1;
    }
    const std::string text = vlt::VTCrashReportTextFormatter::stringValueForCrashReport(
        report.value(), vlt::VTCrashReportTextFormat::standard);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

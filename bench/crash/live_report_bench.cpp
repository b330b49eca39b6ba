#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <linux/futex.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <benchmark/benchmark.h>

#include "crash_capture/async/vtcrash_async_thread_capture.h"
#include "crash_capture/vt_crash_reporter.h"
#include "crash_capture/vt_crash_shared_images.h"
#include "crash_capture/vtcrash_log_writer.h"

// Every allocation of the process passes through here, so that the crash-time write can
// be shown to make none.
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
}

namespace {
std::atomic<bool> countingAllocations{false};
std::atomic<long> allocations{0};
void count() {
    if (countingAllocations.load(std::memory_order_relaxed)) allocations.fetch_add(1);
}
}  // namespace

extern "C" {
void* malloc(size_t size) {
    count();
    return __libc_malloc(size);
}
void* calloc(size_t count_, size_t size) {
    count();
    return __libc_calloc(count_, size);
}
void* realloc(void* block, size_t size) {
    count();
    return __libc_realloc(block, size);
}
void* aligned_alloc(size_t alignment, size_t size) {
    count();
    return __libc_memalign(alignment, size);
}
int posix_memalign(void** out, size_t alignment, size_t size) {
    count();
    *out = __libc_memalign(alignment, size);
    return *out != nullptr ? 0 : ENOMEM;
}
}

namespace vlt {
namespace {

constexpr int kThreads = 64;
constexpr int kDepth = 100;

// Threads waiting on a futex at the bottom of a deep chain of calls, as an application
// with a busy thread pool would be at the moment of a crash.
class DeepThreads {
public:
    DeepThreads() {
        for (int index = 0; index < kThreads; ++index) threads_.emplace_back([this] { descend(kDepth); });
        while (parked_.load() < kThreads) std::this_thread::yield();
    }
    ~DeepThreads() {
        gate_.store(1);
        syscall(SYS_futex, reinterpret_cast<uint32_t*>(&gate_), FUTEX_WAKE_PRIVATE, INT_MAX, nullptr, nullptr, 0);
        for (auto& thread : threads_) thread.join();
    }

private:
    [[gnu::noinline]] void descend(int depth) {
        if (depth > 0) {
            descend(depth - 1);
        } else {
            parked_.fetch_add(1);
            while (gate_.load() == 0) {
                syscall(SYS_futex, reinterpret_cast<uint32_t*>(&gate_), FUTEX_WAIT_PRIVATE, 0, nullptr, nullptr, 0);
            }
        }
        benchmark::DoNotOptimize(depth);
    }

    std::atomic<uint32_t> gate_{0};
    std::atomic<int> parked_{0};
    std::vector<std::thread> threads_;
};

// A whole live report, as the application would ask for one: temporary file, writer
// state, the write, and reading the bytes back.
void BM_LiveReport(benchmark::State& state) {
    DeepThreads threads;
    VTCrashReporterConfig configuration;
    configuration.maxReportBytes = 0;
    VTCrashReporter reporter("org.veltrano.bench", "1", "1.0", configuration);
    size_t bytes = 0;
    for (auto _ : state) {
        const auto report = reporter.generateLiveReport();
        if (!report) state.SkipWithError("the live report failed");
        if (report) bytes = report.value().size();
    }
    state.counters["bytes"] = double(bytes);
    state.counters["reports/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LiveReport)->Unit(benchmark::kMillisecond)->UseRealTime();

// The crash-time part alone: stopping the threads, walking every stack and streaming
// the log, with its allocations counted.
void BM_CrashTimeWrite(benchmark::State& state) {
    DeepThreads threads;
    auto& images = VTCrashSharedImages::shared();
    images.sync();
    vtcrash_async_thread_capture_prepare();
    vtcrash_log_writer writer;
    vtcrash_log_writer_init(&writer, "org.veltrano.bench", "1", "1.0", 0, false);
    const int sink = open("/dev/null", O_WRONLY | O_CLOEXEC);
    const vtcrash_log_signal_info signal = {SIGSEGV, SEGV_MAPERR, 0x10};
    const pid_t self = static_cast<pid_t>(syscall(SYS_gettid));
    long counted = 0;
    for (auto _ : state) {
        vtcrash_async_file file;
        vtcrash_async_file_init(&file, sink, 0);
        allocations.store(0);
        countingAllocations.store(true);
        vtcrash_log_writer_write(&writer, self, images.task(), images.imageList(), &file, &signal, nullptr);
        vtcrash_async_file_flush(&file);
        countingAllocations.store(false);
        counted = std::max(counted, allocations.load());
    }
    close(sink);
    vtcrash_log_writer_free(&writer);
    state.counters["allocations"] = double(counted);
    state.counters["frames/s"] =
        benchmark::Counter(double(state.iterations()) * kThreads * kDepth, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CrashTimeWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vlt

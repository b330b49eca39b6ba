#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <dirent.h>
#include <dlfcn.h>
#include <link.h>
#include <pthread.h>
#include <string>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "crash_capture/async/vtcrash_async_thread_capture.h"
#include "crash_capture/vt_crash_report.h"
#include "crash_capture/vt_crash_reporter.h"
#include "crash_capture/vt_crash_reporter_error.h"

namespace vlt {
namespace {

pid_t threadId() { return static_cast<pid_t>(syscall(SYS_gettid)); }

// The thread ids of this process in the order a report lists them: main thread first.
std::vector<pid_t> threadIds() {
    std::vector<pid_t> ids;
    DIR* folder = opendir("/proc/self/task");
    while (const dirent* entry = readdir(folder)) {
        if (entry->d_name[0] != '.') ids.push_back(std::stoi(entry->d_name));
    }
    closedir(folder);
    std::sort(ids.begin(), ids.end());
    std::stable_partition(ids.begin(), ids.end(), [](pid_t id) { return id == getpid(); });
    return ids;
}

// Two workers, each waiting inside its own function of the test object (the second one
// in a function whose final instruction is a call that never returns), and one thread
// that blocks the capture signal.
class ParkedThreads {
public:
    static constexpr size_t kWorkers = 2;
    static constexpr const char* kMarkers[kWorkers] = {"vtcrash_test_object_wait_a", "vtcrash_test_object_wait_d"};
    static constexpr size_t kBlocker = kWorkers;

    ParkedThreads() {
        object_ = dlopen(VTCRASH_TEST_OBJECT, RTLD_NOW | RTLD_LOCAL);
        EXPECT_NE(object_, nullptr);
        for (size_t index = 0; index < kWorkers; ++index) {
            workers_[index] = {this, index, reinterpret_cast<Wait>(dlsym(object_, kMarkers[index]))};
            pthread_create(&threads_[index], nullptr, &ParkedThreads::work, &workers_[index]);
        }
        pthread_create(&threads_[kBlocker], nullptr, &ParkedThreads::block, this);
        waitUntilInside();
    }
    ~ParkedThreads() {
        gate_ = 1;
        for (pthread_t thread : threads_) pthread_join(thread, nullptr);
        dlclose(object_);
    }

    // Every worker has gone round its loop since the last call.
    void waitUntilInside() {
        for (std::atomic<int>& inside : inside_) inside = 0;
        for (size_t index = 0; index < kWorkers; ++index) {
            while (inside_[index] == 0 || ids_[kBlocker] == 0) std::this_thread::yield();
        }
    }
    pid_t id(size_t index) const { return ids_[index]; }
    // The bounds of a marker function, from the loader.
    std::pair<uint64_t, uint64_t> marker(size_t index) const {
        void* address = dlsym(object_, kMarkers[index]);
        Dl_info info;
        void* entry = nullptr;
        dladdr1(address, &info, &entry, RTLD_DL_SYMENT);
        return {uint64_t(address), uint64_t(address) + static_cast<const ElfW(Sym)*>(entry)->st_size};
    }

private:
    using Wait = void (*)(std::atomic<int>*, std::atomic<int>*);
    struct Worker {
        ParkedThreads* parked;
        size_t index;
        Wait wait;
    };

    static void* work(void* data) {
        const auto* worker = static_cast<Worker*>(data);
        worker->parked->ids_[worker->index] = threadId();
        worker->wait(&worker->parked->gate_, &worker->parked->inside_[worker->index]);
        return nullptr;
    }
    static void* block(void* data) {
        auto* parked = static_cast<ParkedThreads*>(data);
        sigset_t capture;
        sigemptyset(&capture);
        sigaddset(&capture, vtcrash_async_thread_capture_signal());
        pthread_sigmask(SIG_BLOCK, &capture, nullptr);
        parked->ids_[kBlocker] = threadId();
        while (parked->gate_ == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return nullptr;
    }

    void* object_ = nullptr;
    std::atomic<int> gate_ = 0;
    std::atomic<int> inside_[kWorkers] = {};
    std::atomic<pid_t> ids_[kWorkers + 1] = {};
    Worker workers_[kWorkers];
    pthread_t threads_[kWorkers + 1];
};

VTCrashReporter reporterWithLimit(uint64_t maxReportBytes) {
    VTCrashReporterConfig configuration;
    configuration.symbolicationStrategy = 1;
    configuration.maxReportBytes = maxReportBytes;
    return VTCrashReporter("org.veltrano.tests", "7", "1.2", configuration);
}

TEST(VTCrashLiveReport, DescribesEveryThreadOfTheRunningProcess) {
    ASSERT_EQ(vtcrash_async_thread_capture_prepare(), VTCRASH_OK);
    ParkedThreads parked;
    const std::vector<pid_t> ids = threadIds();
    const auto started = std::chrono::steady_clock::now();
    const auto bytes = reporterWithLimit(0).generateLiveReport();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10)) << "a silent thread holds nobody";
    ASSERT_TRUE(bytes);
    const auto report = VTCrashReport::fromData(bytes.value());
    ASSERT_TRUE(report);

    // One thread per task, in id order with the main thread first; the caller crashed.
    const auto& threads = report.value().threads();
    ASSERT_EQ(threads.size(), ids.size());
    const auto indexOf = [&](pid_t id) { return std::find(ids.begin(), ids.end(), id) - ids.begin(); };
    for (const auto& thread : threads) {
        EXPECT_EQ(thread.crashed, thread.threadNumber == indexOf(threadId())) << thread.threadNumber;
        EXPECT_EQ(thread.registers.empty(), !thread.crashed);
    }
    EXPECT_TRUE(threads[indexOf(parked.id(ParkedThreads::kBlocker))].stackFrames.empty()) << "blocks the signal";

    // Each worker's stack passes through its own marker, which the symbols name. Its
    // frame there is a return address: it may lie just past the marker's end.
    for (size_t index = 0; index < ParkedThreads::kWorkers; ++index) {
        SCOPED_TRACE(ParkedThreads::kMarkers[index]);
        const auto [start, end] = parked.marker(index);
        const auto& frames = threads[indexOf(parked.id(index))].stackFrames;
        const auto inMarker = std::find_if(frames.begin(), frames.end(), [&](const auto& frame) {
            return frame.instructionPointer > start && frame.instructionPointer <= end;
        });
        ASSERT_NE(inMarker, frames.end());
        ASSERT_TRUE(inMarker->symbolInfo);
        EXPECT_EQ(inMarker->symbolInfo->symbolName, ParkedThreads::kMarkers[index]);
        EXPECT_EQ(inMarker->symbolInfo->startAddress, start);
    }

    EXPECT_EQ(report.value().signalInfo().name, "SIGTRAP");
    EXPECT_EQ(report.value().signalInfo().code, "TRAP_TRACE");
    parked.waitUntilInside();
}

// The configured byte limit reaches the crash-time writer: the log is cut there, and the
// reader refuses a log cut short.
TEST(VTCrashLiveReport, AByteLimitCutsTheLogAndTheReaderRefusesIt) {
    const auto bytes = reporterWithLimit(2048).generateLiveReport();
    ASSERT_TRUE(bytes);
    EXPECT_LE(bytes.value().size(), 2048u);
    EXPECT_GT(bytes.value().size(), 1024u);
    const auto report = VTCrashReport::fromData(bytes.value());
    ASSERT_FALSE(report);
    EXPECT_EQ(report.error()->code(), int64_t(VTCrashReporterErrorCode::crashLogInvalid));
}

// While another capture holds the threads, a report still lists the thread that writes it.
TEST(VTCrashLiveReport, WithoutTheThreadListTheCallingThreadIsStillWritten) {
    ASSERT_EQ(vtcrash_async_thread_capture_prepare(), VTCRASH_OK);
    const vtcrash_captured_thread* held = nullptr;
    size_t count = 0;
    ASSERT_EQ(vtcrash_async_thread_capture_begin(&held, &count), VTCRASH_OK);
    std::optional<Result<VTCrashReport>> report;
    std::thread([&] {
        const auto bytes = reporterWithLimit(0).generateLiveReport();
        ASSERT_TRUE(bytes);
        report = VTCrashReport::fromData(bytes.value());
    }).join();
    vtcrash_async_thread_capture_end();
    ASSERT_TRUE(report && *report);
    ASSERT_EQ(report->value().threads().size(), 1u);
    EXPECT_TRUE(report->value().threads()[0].crashed);
    EXPECT_FALSE(report->value().threads()[0].stackFrames.empty());
}

}  // namespace
}  // namespace vlt

// Crashes on purpose with capture enabled as the application enables it; built only for
// tests. `vtcrash_crasher KIND BASE_PATH` leaves its crash log where the application
// looks under BASE_PATH (the user's cache folder makes it the application's own). A few
// kinds set the reporter up further first: a crash callback that leaves a witness file
// in BASE_PATH, custom data set after enabling (on the enabled reporter or the shared
// one), no identifier or version, or the crash callbacks set once it is too late.

#include <atomic>
#include <cstring>
#include <fcntl.h>
#include <link.h>
#include <stdexcept>
#include <string>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <oneapi/tbb/task_arena.h>

#include "crash_capture/vt_crash_reporter.h"

// Each marker function alone in a section named after it: the section headers of this
// file give the tests the exact address range of each, the oracle of the stack walk.
#define VTCRASH_MARKER(name) __attribute__((noipa, section(#name)))

namespace {

volatile int sink;
std::atomic<int> parkedThreads{0};
std::string basePath;

void crashByKind(const std::string& kind);

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winfinite-recursion"
VTCRASH_MARKER(vtcrash_marker_recurse) int markerRecurse(int depth) {
    volatile char frame[256];
    frame[0] = static_cast<char>(depth);
    return markerRecurse(depth + 1) + frame[0];
}
#pragma GCC diagnostic pop

VTCRASH_MARKER(vtcrash_marker_parked) void markerParked() {
    parkedThreads.fetch_add(1);
    for (;;) ::pause();
}

// A call through a null function pointer: the crash is at pc 0, its caller is this.
VTCRASH_MARKER(vtcrash_marker_null_call) void markerNullCall() {
    void (*volatile nowhere)() = nullptr;
    nowhere();
    sink = 4;
}

// The start of the C library's variables: a writable segment, mapped but not executable.
void* libraryData() {
    void* found = nullptr;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* out) {
            if (info->dlpi_name == nullptr || std::strstr(info->dlpi_name, "/libc.so") == nullptr) return 0;
            for (int index = 0; index < info->dlpi_phnum; ++index) {
                const ElfW(Phdr)& segment = info->dlpi_phdr[index];
                if (segment.p_type == PT_LOAD && (segment.p_flags & PF_W) != 0 && (segment.p_flags & PF_X) == 0) {
                    *static_cast<void**>(out) = reinterpret_cast<void*>(info->dlpi_addr + segment.p_vaddr);
                    return 1;
                }
            }
            return 0;
        },
        &found);
    return found;
}

// A call through a wild pointer into a library's data: the crash is at a pc inside that
// library, where no code is, and its caller is this.
VTCRASH_MARKER(vtcrash_marker_data_call) void markerDataCall() {
    void (*volatile astray)() = reinterpret_cast<void (*)()>(libraryData());
    astray();
    sink = 5;
}

VTCRASH_MARKER(vtcrash_marker_throw) void markerThrow() { throw std::runtime_error("the render queue stopped"); }

VTCRASH_MARKER(vtcrash_marker_crash) void markerCrash(const std::string& kind) {
    crashByKind(kind);
    sink = 1;
}

VTCRASH_MARKER(vtcrash_marker_main) void markerMain(const std::string& kind) {
    markerCrash(kind);
    sink = 2;
}

VTCRASH_MARKER(vtcrash_marker_worker) void markerWorker(const std::string& kind) {
    markerCrash(kind);
    sink = 3;
}

// The crash callback's witness: what it was given, and whether the log was there by then.
struct CrashWitness {
    std::string witnessPath;
    std::string logPath;
};
CrashWitness witness;

void appendNumber(char*& out, long number) {
    char digits[24];
    int count = 0;
    if (number < 0) *out++ = '-';
    do {
        digits[count++] = static_cast<char>('0' + (number < 0 ? -(number % 10) : number % 10));
        number /= 10;
    } while (number != 0);
    while (count > 0) *out++ = digits[--count];
}

void appendText(char*& out, const char* text) {
    while (*text != '\0') *out++ = *text++;
}

// In the signal handler: only async-signal-safe calls.
void recordCrash(siginfo_t* info, ucontext_t* userContext, void* context) {
    const auto* seen = static_cast<const CrashWitness*>(context);
    char line[256];
    char* out = line;
    appendText(out, "signal=");
    appendNumber(out, info != nullptr ? info->si_signo : -1);
    appendText(out, " code=");
    appendNumber(out, info != nullptr ? info->si_code : -1);
    appendText(out, userContext != nullptr ? " user-context" : " no-user-context");
    appendText(out, ::access(seen->logPath.c_str(), F_OK) == 0 ? " log-written\n" : " no-log\n");
    const int file = ::open(seen->witnessPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (file < 0) return;
    [[maybe_unused]] const ssize_t written = ::write(file, line, static_cast<std::size_t>(out - line));
    ::close(file);
}

void park(int count) {
    for (int index = 0; index < count; ++index) std::thread(markerParked).detach();
    while (parkedThreads.load() < count) ::usleep(1000);
}

// Workers that fault at the same moment: one writes the log, the others must wait for it.
void crashOnWorkers(int count) {
    static std::atomic<int> ready{0};
    std::vector<std::thread> workers;
    for (int index = 0; index < count; ++index) {
        workers.emplace_back([count] {
            for (ready.fetch_add(1); ready.load() < count;) {}
            markerWorker("null-write");
        });
    }
    for (std::thread& worker : workers) worker.join();
}

void crashByKind(const std::string& kind) {
    if (kind == "hundred-threads") park(100);
    if (kind == "null-write" || kind == "hundred-threads") *static_cast<volatile int*>(nullptr) = 1;
    if (kind == "bus-error") {
        // A page of a file that has no byte there.
        const int file = ::open((basePath + "/empty").c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
        sink = static_cast<volatile char*>(::mmap(nullptr, 4096, PROT_READ, MAP_SHARED, file, 0))[0];
    }
    if (kind == "builtin-trap") __builtin_trap();
#if defined(__x86_64__)
    if (kind == "breakpoint") asm volatile("int3");
#elif defined(__aarch64__)
    if (kind == "breakpoint") asm volatile("brk #0");
#endif
    if (kind == "null-call") markerNullCall();
    if (kind == "data-call") markerDataCall();
    if (kind == "divide-by-zero") {
        volatile int numerator = 7, zero = 0;
        sink = numerator / zero;
    }
    if (kind == "abort") std::abort();
    if (kind == "throw") markerThrow();
    if (kind == "stack-overflow") sink = markerRecurse(0);
    if (kind == "pool-worker-overflow") {
        // On a oneTBB worker, a thread that no code of ours started.
        static tbb::task_arena pool;
        pool.enqueue([] { sink = markerRecurse(0); });
        for (;;) ::pause();
    }
    if (kind == "two-workers") crashOnWorkers(2);
    if (kind == "crash-callback") *static_cast<volatile int*>(nullptr) = 1;
    if (kind == "custom-data-after-enabling" || kind == "custom-data-on-the-shared-reporter" ||
        kind == "without-identifier") {
        std::abort();
    }
    if (kind == "empty-folder-at-pending-path") std::abort();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const std::string kind = argv[1];
    basePath = argv[2];
    // No core file: the crash log is what is looked at.
    const rlimit noCore = {0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    vlt::VTCrashReporterConfig configuration;
    configuration.basePath = basePath;
    configuration.maxReportBytes = 10 * 1024 * 1024;
    const vlt::VTCrashApplicationFacts build = vlt::VTCrashApplicationFacts::ofThisBuild();
    const vlt::VTCrashApplicationFacts facts =
        kind == "without-identifier" ? vlt::VTCrashApplicationFacts{{}, {}, build.marketingVersion, build.processName}
                                     : build;
    vlt::VTCrashReporter reporter = vlt::VTCrashReporter::forApplicationFacts(facts, configuration);
    const vlt::VTCrashReporterCallbacks callbacks = {0, &witness, recordCrash};
    if (kind == "crash-callback") {
        witness = {basePath + "/witness", reporter.crashReportPath().string()};
        reporter.setCrashCallbacks(callbacks);
    }
    if (!reporter.enableCrashReporter()) return 3;
    if (kind == "custom-data-after-enabling") {
        const char text[] = "set after enabling";
        reporter.setCustomData(std::vector<std::uint8_t>(text, text + std::strlen(text)));
    }
    if (kind == "custom-data-on-the-shared-reporter") {
        const char text[] = "set on the shared reporter";
        vlt::VTCrashReporter::sharedReporter().setCustomData(std::vector<std::uint8_t>(text, text + std::strlen(text)));
    }
    // Too late: the refusal is thrown, and nobody catches it.
    if (kind == "callbacks-after-enabling") reporter.setCrashCallbacks(callbacks);
    if (kind == "empty-folder-at-pending-path") ::mkdir(reporter.crashReportPath().c_str(), 0755);

    markerMain(kind);
    return 1;
}

// Crashes on purpose with capture enabled as the application enables it; built only for
// tests. `vtcrash_crasher KIND BASE_PATH` leaves its crash log where the application
// looks under BASE_PATH (the user's cache folder makes it the application's own).

#include <atomic>
#include <cstring>
#include <fcntl.h>
#include <link.h>
#include <stdexcept>
#include <string>
#include <sys/mman.h>
#include <sys/resource.h>
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
    if (!vlt::VTCrashReporter::forApplication(configuration).enableCrashReporter()) return 3;

    markerMain(kind);
    return 1;
}

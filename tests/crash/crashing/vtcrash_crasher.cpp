// Crashes on purpose, with crash capture enabled as the application enables it, so that
// tests can read the crash log it leaves. Built only for tests.
//
//     vtcrash_crasher KIND BASE_PATH
//
// The crash log goes where the application looks for it under BASE_PATH (the user's
// cache folder makes it the application's own). Before crashing it writes BASE_PATH/markers:
// one line "name start end" per marker function, the oracle of the stack walk.

#include <atomic>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/mman.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "base/alternate_signal_stack.h"
#include "crash/capture/vt_crash_reporter.h"

// Each marker alone in a section named after it: the linker's __start_ and __stop_
// symbols give its exact address range.
#define VTCRASH_MARKER(name) __attribute__((noipa, section(#name)))

extern "C" {
extern const char __start_vtcrash_marker_main[], __stop_vtcrash_marker_main[];
extern const char __start_vtcrash_marker_crash[], __stop_vtcrash_marker_crash[];
extern const char __start_vtcrash_marker_worker[], __stop_vtcrash_marker_worker[];
extern const char __start_vtcrash_marker_parked[], __stop_vtcrash_marker_parked[];
extern const char __start_vtcrash_marker_recurse[], __stop_vtcrash_marker_recurse[];
}

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

VTCRASH_MARKER(vtcrash_marker_crash) void markerCrash(const std::string& kind) {
    sink = 1;
    crashByKind(kind);
    sink = 2;
}

VTCRASH_MARKER(vtcrash_marker_main) void markerMain(const std::string& kind) {
    sink = 3;
    markerCrash(kind);
    sink = 4;
}

VTCRASH_MARKER(vtcrash_marker_worker) void markerWorker(const std::string& kind) {
    // Every thread the application starts gets its stack for signal handlers first.
    vlt::AlternateSignalStack::installForCurrentThread();
    sink = 5;
    markerCrash(kind);
    sink = 6;
}

void park(int count) {
    for (int index = 0; index < count; ++index) std::thread(markerParked).detach();
    while (parkedThreads.load() < count) ::usleep(1000);
}

void crashOnWorker(const std::string& kind) { std::thread(markerWorker, kind).join(); }

// Two workers fault at the same moment: one writes the log, the other must wait for it.
void crashOnTwoWorkersAtOnce() {
    static std::atomic<int> ready{0};
    const auto worker = [] {
        ready.fetch_add(1);
        while (ready.load() < 2) {}
        markerWorker("null-write");
    };
    std::thread first(worker);
    std::thread second(worker);
    first.join();
    second.join();
}

void crashByKind(const std::string& kind) {
    if (kind == "null-write") {
        *static_cast<volatile int*>(nullptr) = 1;
    } else if (kind == "bus-error") {
        // A page of a file that has no byte there.
        const std::string path = basePath + "/empty";
        const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
        auto* page = static_cast<volatile char*>(::mmap(nullptr, 4096, PROT_READ, MAP_SHARED, descriptor, 0));
        sink = page[0];
    } else if (kind == "builtin-trap") {
        __builtin_trap();
    } else if (kind == "breakpoint") {
#if defined(__x86_64__)
        asm volatile("int3");
#elif defined(__aarch64__)
        asm volatile("brk #0");
#endif
    } else if (kind == "divide-by-zero") {
        volatile int numerator = 7;
        volatile int zero = 0;
        sink = numerator / zero;
    } else if (kind == "abort") {
        std::abort();
    } else if (kind == "throw") {
        throw std::runtime_error("the render queue stopped");
    } else if (kind == "stack-overflow" || kind == "worker-recursion") {
        sink = markerRecurse(0);
    } else if (kind == "worker") {
        park(3);
        crashOnWorker("null-write");
    } else if (kind == "two-workers") {
        crashOnTwoWorkersAtOnce();
    } else if (kind == "hundred-threads") {
        park(100);
        *static_cast<volatile int*>(nullptr) = 1;
    }
}

void writeMarkers() {
    FILE* file = std::fopen((basePath + "/markers").c_str(), "w");
    const auto line = [file](const char* name, const char* start, const char* stop) {
        std::fprintf(file, "%s %lu %lu\n", name, reinterpret_cast<unsigned long>(start),
                     reinterpret_cast<unsigned long>(stop));
    };
    line("main", __start_vtcrash_marker_main, __stop_vtcrash_marker_main);
    line("crash", __start_vtcrash_marker_crash, __stop_vtcrash_marker_crash);
    line("worker", __start_vtcrash_marker_worker, __stop_vtcrash_marker_worker);
    line("parked", __start_vtcrash_marker_parked, __stop_vtcrash_marker_parked);
    line("recurse", __start_vtcrash_marker_recurse, __stop_vtcrash_marker_recurse);
    std::fclose(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vtcrash_crasher KIND BASE_PATH\n");
        return 2;
    }
    const std::string kind = argv[1];
    basePath = argv[2];
    // No core file: the crash log is what is looked at.
    const rlimit noCore = {0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);

    vlt::VTCrashReporterConfig configuration;
    configuration.basePath = basePath;
    configuration.maxReportBytes = 10 * 1024 * 1024;
    vlt::VTCrashReporter reporter = vlt::VTCrashReporter::forApplication(configuration);
    if (!reporter.enableCrashReporter()) {
        std::fprintf(stderr, "crash capture could not be enabled\n");
        return 3;
    }
    writeMarkers();
    if (kind == "worker-recursion") {
        crashOnWorker(kind);
    } else {
        markerMain(kind);
    }
    return 1;
}

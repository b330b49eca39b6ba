#include <gtest/gtest.h>

#include <csignal>
#include <elf.h>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>

#include <QTemporaryDir>

#include "base/file_contents.h"
#include "crash/capture/vt_crash_report.h"
#include "crash/crashing/crasher.h"
#include "crash/prepared_mac_crash_report.h"

namespace vlt {
namespace {

struct Range {
    std::uint64_t start = 0;
    std::uint64_t end = 0;
    bool holds(std::uint64_t address) const { return address >= start && address < end; }
};

std::map<std::string, Range> markersOf(const std::string& basePath) {
    std::map<std::string, Range> markers;
    std::ifstream file(basePath + "/markers");
    std::string name;
    Range range;
    while (file >> name >> range.start >> range.end) markers[name] = range;
    return markers;
}

// The GNU build-id of an ELF file, in lower-case hexadecimal, from its section notes.
std::string fileBuildId(const std::string& path) {
    std::string image;
    if (readFileContents(path, std::size_t{1} << 28, image)) return {};
    const auto* header = reinterpret_cast<const Elf64_Ehdr*>(image.data());
    const auto* sections = reinterpret_cast<const Elf64_Shdr*>(image.data() + header->e_shoff);
    for (int index = 0; index < header->e_shnum; ++index) {
        if (sections[index].sh_type != SHT_NOTE) continue;
        const auto* note = reinterpret_cast<const Elf64_Nhdr*>(image.data() + sections[index].sh_offset);
        if (note->n_type != NT_GNU_BUILD_ID) continue;
        const auto* id = reinterpret_cast<const unsigned char*>(note + 1) + ((note->n_namesz + 3) & ~3u);
        std::string hex;
        for (unsigned byte = 0; byte < note->n_descsz; ++byte) {
            hex += "0123456789abcdef"[id[byte] >> 4];
            hex += "0123456789abcdef"[id[byte] & 15];
        }
        return hex;
    }
    return {};
}

// True when the frames, innermost first, pass through the markers in this order.
bool passesThrough(const std::vector<VTCrashReportStackFrameInfo>& frames, const std::vector<Range>& markers) {
    std::size_t next = 0;
    for (const auto& frame : frames) {
        if (next < markers.size() && markers[next].holds(frame.instructionPointer)) ++next;
    }
    return next == markers.size();
}

struct CrashCase {
    const char* kind;
    int signal;
    const char* code;
    std::vector<const char*> markers;  // innermost first
    bool onWorker = false;
    std::size_t threads = 0;  // 0: not checked
};

#if defined(__x86_64__)
const CrashCase kTrap = {"builtin-trap", SIGILL, "ILL_ILLOPN", {"crash", "main"}};
const CrashCase kBreakpoint = {"breakpoint", SIGTRAP, "SI_KERNEL", {"crash", "main"}};
#else
const CrashCase kTrap = {"builtin-trap", SIGTRAP, "TRAP_BRKPT", {"crash", "main"}};
const CrashCase kBreakpoint = {"breakpoint", SIGTRAP, "TRAP_BRKPT", {"crash", "main"}};
#endif

TEST(VTCrashCrashPathTest, EveryKindOfCrashLeavesALogOfTheCrashedThread) {
    const CrashCase cases[] = {
        {"null-write", SIGSEGV, "SEGV_MAPERR", {"crash", "main"}},
        {"bus-error", SIGBUS, "BUS_ADRERR", {"crash", "main"}},
        kTrap,
        kBreakpoint,
#if defined(__x86_64__)
        // Only x86 traps on an integer division by zero.
        {"divide-by-zero", SIGFPE, "FPE_INTDIV", {"crash", "main"}},
#endif
        {"abort", SIGABRT, "SI_TKILL", {"crash", "main"}},
        {"throw", SIGABRT, "SI_TKILL", {"crash", "main"}},
        {"stack-overflow", SIGSEGV, "SEGV_MAPERR", {"recurse", "recurse"}},
        {"worker", SIGSEGV, "SEGV_MAPERR", {"crash", "worker"}, true, 5},
        // The second faulting worker waits for the first one's log instead of ending the process.
        {"two-workers", SIGSEGV, "SEGV_MAPERR", {"crash", "worker"}, true, 3},
        {"worker-recursion", SIGSEGV, "SEGV_ACCERR", {"recurse", "recurse"}, true, 2},
        {"hundred-threads", SIGSEGV, "SEGV_MAPERR", {"crash", "main"}, false, 101},
    };
    const std::string crasherBuildId = fileBuildId(VTCRASH_CRASHER);
    ASSERT_GE(crasherBuildId.size(), 32u);
    for (const CrashCase& test : cases) {
        SCOPED_TRACE(test.kind);
        QTemporaryDir base;
        const std::string basePath = base.path().toStdString();
        EXPECT_EQ(testing::runCrasher(test.kind, basePath), test.signal);
        std::string bytes;
        ASSERT_FALSE(readFileContents(testing::crashLogPath(basePath), PreparedMacCrashReport::kMaximumBytes, bytes));
        const std::vector<std::uint8_t> log(bytes.begin(), bytes.end());
        const Result<VTCrashReport> report = VTCrashReport::fromData(log);
        ASSERT_TRUE(report);
        EXPECT_EQ(report.value().signalInfo().name, std::string("SIG") + sigabbrev_np(test.signal));
        EXPECT_EQ(report.value().signalInfo().code, test.code);

        // Exactly one crashed thread: the main thread (number 0) or the worker.
        const auto& threads = report.value().threads();
        if (test.threads != 0) {
            EXPECT_EQ(threads.size(), test.threads);
        }
        std::vector<const VTCrashReportThreadInfo*> crashed;
        for (const auto& thread : threads) {
            if (thread.crashed) crashed.push_back(&thread);
        }
        ASSERT_EQ(crashed.size(), 1u);
        EXPECT_EQ(crashed[0]->threadNumber != 0, test.onWorker);
        ASSERT_FALSE(crashed[0]->stackFrames.empty());
        ASSERT_FALSE(crashed[0]->registers.empty());
        EXPECT_EQ(crashed[0]->registers[0].registerValue, crashed[0]->stackFrames[0].instructionPointer);
        const std::map<std::string, Range> markers = markersOf(basePath);
        std::vector<Range> expected;
        for (const char* name : test.markers) expected.push_back(markers.at(name));
        EXPECT_TRUE(passesThrough(crashed[0]->stackFrames, expected));
        if (std::string(test.kind) == "worker") {
            for (const auto& thread : threads) {
                if (thread.threadNumber != 0 && !thread.crashed) {
                    EXPECT_TRUE(passesThrough(thread.stackFrames, {markers.at("parked")}));
                }
            }
        }

        const auto& images = report.value().images();
        const auto crasher = std::find_if(images.begin(), images.end(),
                                          [](const auto& image) { return image.imageName() == VTCRASH_CRASHER; });
        ASSERT_NE(crasher, images.end());
        EXPECT_EQ(crasher->imageUUID(), crasherBuildId.substr(0, 32));

        // What would leave the machine.
        const Result<PreparedMacCrashReport> prepared = PreparedMacCrashReport::make(log, std::string(32, 'a'), false);
        ASSERT_TRUE(prepared);
        const std::string sent = toJson(prepared.value().request).dump();
        EXPECT_LE(prepared.value().request.report.threads.size(), 64u);
        EXPECT_EQ(sent.find(basePath), std::string::npos);
        EXPECT_EQ(sent.find("/vtcrash_crasher"), std::string::npos);
        if (std::string(test.kind) == "throw") {
            ASSERT_TRUE(report.value().exceptionInfo());
            EXPECT_EQ(report.value().exceptionInfo()->exceptionName, "std::runtime_error");
            EXPECT_EQ(report.value().exceptionInfo()->exceptionReason, "the render queue stopped");
            EXPECT_EQ(prepared.value().request.report.exceptionName, "std::runtime_error");
            EXPECT_EQ(sent.find("render queue"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace vlt

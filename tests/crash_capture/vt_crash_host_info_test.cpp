#include <gtest/gtest.h>

#include <string>
#include <unistd.h>
#include <vector>

#include "crash_capture/vt_crash_host_info.h"
#include "crash_capture/vt_crash_process_info.h"
#include "crash_capture/vt_crash_reporter_log.h"
#include "crash_capture/vtcrash_utf8.h"

namespace vlt {
namespace {

TEST(VTCrashHostInfo, KernelReleasesAndOsReleaseValues) {
    struct Case {
        const char* release;
        VTCrashKernelVersion version;
        bool logged;
    };
    const Case cases[] = {
        {"6.1.0-18-amd64", {6, 1, 0}, false},
        {"23.4.0", {23, 4, 0}, false},
        {"23", {23, 0, 0}, true},
        {"5.15", {5, 15, 0}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.release);
        std::vector<std::string> lines;
        const auto previous = setVTCrashReporterLogSink([&](const std::string& line) { lines.push_back(line); });
        EXPECT_EQ(VTCrashHostInfo::kernelVersionFromRelease(c.release), c.version);
        setVTCrashReporterLogSink(previous);
        EXPECT_EQ(lines.size(), c.logged ? 1u : 0u);
    }

    const char* osRelease =
        "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian GNU/Linux\"\n"
        "VERSION_ID=\"12\"\nID=debian\nVERSION_CODENAME='bookworm'\n";
    EXPECT_EQ(VTCrashHostInfo::osReleaseValue(osRelease, "NAME"), "Debian GNU/Linux");
    EXPECT_EQ(VTCrashHostInfo::osReleaseValue(osRelease, "VERSION_ID"), "12");
    EXPECT_EQ(VTCrashHostInfo::osReleaseValue(osRelease, "ID"), "debian");
    EXPECT_EQ(VTCrashHostInfo::osReleaseValue(osRelease, "VERSION_CODENAME"), "bookworm");
    EXPECT_EQ(VTCrashHostInfo::osReleaseValue(osRelease, "VERSION"), "");
}

TEST(VTCrashProcessInfo, ValidUtf8PrefixesAndTheFactsOfRealProcesses) {
    struct Case {
        const char* situation;
        std::string bytes;
        size_t valid;
    };
    const Case cases[] = {
        {"sixteen ASCII characters", "veltrano-worker1", 16},
        {"a character cut at the end", "veltrano-worke\xC3", 14},
        {"a three-byte character whole", "caf\xE2\x82\xAC!", 7},
        {"a lead byte that starts nothing", "\xFFveltrano", 0},
        {"a missing continuation",
         "a\xC3"
         "b",
         1},
        {"a byte-order mark counts",
         "\xEF\xBB\xBF"
         "ab",
         5},
        {"a NUL ends it", std::string("ab\0cd", 5), 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        EXPECT_EQ(vtcrash_utf8_valid_length(c.bytes.data(), c.bytes.size()), c.valid);
    }

    const auto self = VTCrashProcessInfo::currentProcessInfo();
    ASSERT_TRUE(self);
    EXPECT_EQ(self->processID(), getpid());
    EXPECT_EQ(self->parentProcessID(), getppid());
    EXPECT_EQ(self->processName(), std::string("test_crash_capture").substr(0, 15));
    EXPECT_FALSE(self->isTraced());
    EXPECT_GT(self->startTime().tv_sec, 1600000000);
    EXPECT_LE(self->startTime().tv_sec, time(nullptr));
    char path[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", path, sizeof path - 1), 0);
    EXPECT_EQ(self->executablePath(), path);
    EXPECT_FALSE(VTCrashProcessInfo::forProcessID(0x3fffffff)) << "no such process";
}

}  // namespace
}  // namespace vlt

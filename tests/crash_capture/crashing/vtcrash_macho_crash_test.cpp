#include <gtest/gtest.h>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

#include <QTemporaryDir>

#include "base/file_contents.h"
#include "crash_capture/vt_crash_report.h"
#include "crash_capture/vt_crash_reporter.h"
#include "crash_reports/prepared_mac_crash_report.h"
#include "vtcrash_macho_fixture.h"

extern char** environ;

namespace vlt {
namespace {

namespace fixture = testing::macho_fixture;

// The Mach-O crasher's end: the signal it died by, or its exit status negated (a
// handler must never hang: still running at the deadline reads as killed).
int runMachOCrasher(const std::string& basePath) {
    const char* arguments[] = {VTCRASH_MACHO_CRASHER, basePath.c_str(), nullptr};
    pid_t child = 0;
    if (::posix_spawn(&child, VTCRASH_MACHO_CRASHER, nullptr, nullptr, const_cast<char**>(arguments), environ)) {
        return 0;
    }
    int status = 0;
    for (int waited = 0; ::waitpid(child, &status, WNOHANG) == 0; waited += 10) {
        if (waited >= 10'000) ::kill(child, SIGKILL);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFSIGNALED(status) ? WTERMSIG(status) : -WEXITSTATUS(status);
}

std::string hex(const std::array<std::uint8_t, 16>& bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) text += {"0123456789abcdef"[byte >> 4], "0123456789abcdef"[byte & 15]};
    return text;
}

// The crash inside the image: its three functions by name, each frame where the test's
// call chain puts it (the store, then the return addresses after each call), then the
// crasher's own frames that called into it, main, and the C library that started main.
TEST(VTCrashMachOCrashTest, TheStackRunsThroughTheImageByItsUnwindTableIntoTheProgram) {
#if !defined(__x86_64__)
    GTEST_SKIP() << "the image's code is x86_64";
#endif
    QTemporaryDir base;
    const std::string basePath = base.path().toStdString();
    ASSERT_EQ(runMachOCrasher(basePath), SIGSEGV) << "the first run returns through every function first";
    VTCrashReporterConfig configuration;
    configuration.basePath = basePath;
    std::string bytes;
    ASSERT_FALSE(readFileContents(VTCrashReporter::forApplication(configuration).crashReportPath(),
                                  PreparedMacCrashReport::kMaximumBytes, bytes));
    const Result<VTCrashReport> decoded =
        VTCrashReport::fromData(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    ASSERT_TRUE(decoded);
    const VTCrashReport& report = decoded.value();
    EXPECT_EQ(report.signalInfo().name, "SIGSEGV");
    EXPECT_EQ(report.signalInfo().code, "SEGV_MAPERR");
    EXPECT_EQ(report.signalInfo().address, 0u);

    // 1. The image, as its header and load commands describe it.
    const auto& images = report.images();
    const auto image = std::find_if(images.begin(), images.end(),
                                    [](const auto& listed) { return listed.imageName() == fixture::kImageName; });
    ASSERT_NE(image, images.end());
    const std::uint64_t header = image->imageBaseAddress();
    EXPECT_EQ(image->imageSize(), fixture::kTextSize);
    EXPECT_EQ(image->imageUUID(), hex(fixture::kUuid));
    EXPECT_FALSE(image->imageBuildID());
    const VTCrashReportProcessorInfo x86_64 = {kVTCrashTypeEncodingMach, kVTCrashCPUTypeX86_64, fixture::kCpuSubtype};
    EXPECT_EQ(image->codeType(), x86_64);

    // 2. The crashed thread's stack, frame for frame.
    const auto& threads = report.threads();
    const auto crashed = std::find_if(threads.begin(), threads.end(), [](const auto& t) { return t.crashed; });
    ASSERT_NE(crashed, threads.end());
    const auto& frames = crashed->stackFrames;
    ASSERT_GE(frames.size(), 7u);
    const auto nameOf = [](const VTCrashReportStackFrameInfo& frame) {
        return frame.symbolInfo ? frame.symbolInfo->symbolName : std::string("(none)");
    };
    for (std::size_t index = 0; index < fixture::kFunctions.size(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(frames[index].instructionPointer, header + fixture::kFramePcOffsets[index]);
        EXPECT_EQ(nameOf(frames[index]), fixture::kFunctions[index].symbol);
        ASSERT_TRUE(frames[index].symbolInfo);
        EXPECT_EQ(frames[index].symbolInfo->startAddress, header + fixture::kFunctions[index].offset);
    }
    EXPECT_EQ(nameOf(frames[3]), "vtcrash_macho_crasher_enter");
    EXPECT_EQ(nameOf(frames[4]), "vtcrash_macho_crasher_run");
    EXPECT_EQ(nameOf(frames[5]), "main");
    const auto libc = std::find_if(images.begin(), images.end(), [&](const auto& listed) {
        return frames[6].instructionPointer > listed.imageBaseAddress() &&
               frames[6].instructionPointer <= listed.imageBaseAddress() + listed.imageSize();
    });
    ASSERT_NE(libc, images.end());
    EXPECT_NE(libc->imageName().find("libc.so"), std::string::npos) << libc->imageName();
    ASSERT_FALSE(crashed->registers.empty());
    EXPECT_EQ(crashed->registers[0].registerValue, frames[0].instructionPointer);
}

}  // namespace
}  // namespace vlt

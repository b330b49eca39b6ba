#include <gtest/gtest.h>

#include <csignal>
#include <elf.h>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "base/file_contents.h"
#include "base/system_error.h"
#include "crash_capture/vt_crash_host_info.h"
#include "crash_capture/vt_crash_report.h"
#include "crash_capture/vt_crash_reporter_error.h"
#include "crash_reports/crash_report_alert_presenter.h"
#include "crash_reports/firebase_mac_crash_report_client.h"
#include "crash_reports/mac_crash_report_coordinator.h"
#include "crash_reports/mac_crash_report_identity_store.h"
#include "crash_reports/vt_crash_capture.h"
#include "support/loopback_http_server.h"

extern char** environ;

namespace vlt {
namespace {

// Runs the crasher with capture enabled under `basePath` and answers the signal it died
// by; 0 when it exited or was still running at the deadline (a handler must never hang).
// What it prints goes to `basePath`/stderr.
int runCrasher(const std::string& kind, const std::string& basePath) {
    const char* arguments[] = {VTCRASH_CRASHER, kind.c_str(), basePath.c_str(), nullptr};
    const std::string errors = basePath + "/stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t child = 0;
    const int spawned =
        ::posix_spawn(&child, VTCRASH_CRASHER, &actions, nullptr, const_cast<char**>(arguments), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return 0;
    int status = 0;
    for (int waited = 0; ::waitpid(child, &status, WNOHANG) == 0; waited += 10) {
        if (waited >= 10'000) ::kill(child, SIGKILL);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFSIGNALED(status) && WTERMSIG(status) != SIGKILL ? WTERMSIG(status) : 0;
}

// Where the crasher, like the application, leaves its crash log under `basePath`.
std::filesystem::path crashLogPath(const std::string& basePath) {
    VTCrashReporterConfig configuration = VTCrashCapture::applicationConfiguration();
    configuration.basePath = basePath;
    return VTCrashReporter::forApplication(configuration).crashReportPath();
}

struct Range {
    std::uint64_t start = 0, end = 0;
};

// An ELF file's GNU build-id, in lower-case hexadecimal, and its sections' address ranges.
struct ElfFile {
    std::string buildId;
    std::map<std::string, Range> sections;
};
ElfFile readElfFile(const std::string& path) {
    std::string file;
    ElfFile facts;
    if (readFileContents(path, std::size_t{1} << 28, file)) return facts;
    const auto* header = reinterpret_cast<const Elf64_Ehdr*>(file.data());
    const auto* sections = reinterpret_cast<const Elf64_Shdr*>(file.data() + header->e_shoff);
    const char* names = file.data() + sections[header->e_shstrndx].sh_offset;
    for (int index = 0; index < header->e_shnum; ++index) {
        const Elf64_Shdr& section = sections[index];
        facts.sections[names + section.sh_name] = {section.sh_addr, section.sh_addr + section.sh_size};
        const auto* note = reinterpret_cast<const Elf64_Nhdr*>(file.data() + section.sh_offset);
        if (section.sh_type != SHT_NOTE || note->n_type != NT_GNU_BUILD_ID) continue;
        const auto* id = reinterpret_cast<const unsigned char*>(note + 1) + ((note->n_namesz + 3) & ~3u);
        for (unsigned byte = 0; byte < note->n_descsz; ++byte) {
            facts.buildId += {"0123456789abcdef"[id[byte] >> 4], "0123456789abcdef"[id[byte] & 15]};
        }
    }
    return facts;
}

// True when the frames, innermost first, pass through the marker functions in order.
bool passesThrough(const std::vector<VTCrashReportStackFrameInfo>& frames, const std::vector<Range>& markers) {
    std::size_t next = 0;
    for (const auto& frame : frames) {
        const std::uint64_t pc = frame.instructionPointer;
        if (next < markers.size() && pc >= markers[next].start && pc < markers[next].end) ++next;
    }
    return next == markers.size();
}

struct CrashCase {
    const char* kind;
    int signal;
    const char* code;
    std::vector<const char*> markers;  // innermost first
    std::size_t threads = 0;           // 0: not checked
};

TEST(VTCrashCrashPathTest, EveryKindOfCrashLeavesALogOfTheCrashedThread) {
    const std::vector<const char*> onMain = {"crash", "main"}, onWorker = {"crash", "worker"};
    const std::vector<const char*> recursion = {"recurse", "recurse"};
    const CrashCase cases[] = {
        {"bus-error", SIGBUS, "BUS_ADRERR", onMain},
        // Frame 0 at pc 0; the callers from the call's return address on.
        {"null-call", SIGSEGV, "SEGV_MAPERR", {"null_call", "crash", "main"}},
        // Frame 0 in the C library's variables, which hold no code.
        {"data-call", SIGSEGV, "SEGV_ACCERR", {"data_call", "crash", "main"}},
#if defined(__x86_64__)
        {"builtin-trap", SIGILL, "ILL_ILLOPN", onMain},
        {"breakpoint", SIGTRAP, "SI_KERNEL", onMain},
        // Only x86 traps on an integer division by zero.
        {"divide-by-zero", SIGFPE, "FPE_INTDIV", onMain},
#else
        {"builtin-trap", SIGTRAP, "TRAP_BRKPT", onMain},
        {"breakpoint", SIGTRAP, "TRAP_BRKPT", onMain},
#endif
        {"abort", SIGABRT, "SI_TKILL", onMain},
        {"throw", SIGABRT, "SI_TKILL", onMain},
        {"stack-overflow", SIGSEGV, "SEGV_MAPERR", recursion},
        // The second faulting worker waits for the first one's log instead of ending the process.
        {"two-workers", SIGSEGV, "SEGV_MAPERR", onWorker, 3},
        // On a thread that no code of ours started.
        {"pool-worker-overflow", SIGSEGV, "SEGV_ACCERR", recursion},
        // The null write, with a hundred threads parked.
        {"hundred-threads", SIGSEGV, "SEGV_MAPERR", onMain, 101},
    };
    const ElfFile crasherFile = readElfFile(VTCRASH_CRASHER);
    const std::string crasherUUID = crasherFile.buildId.substr(0, 32);
    ASSERT_EQ(crasherUUID.size(), 32u);
    for (const CrashCase& test : cases) {
        SCOPED_TRACE(test.kind);
        QTemporaryDir base;
        const std::string basePath = base.path().toStdString();
        EXPECT_EQ(runCrasher(test.kind, basePath), test.signal);
        std::string bytes;
        ASSERT_FALSE(readFileContents(crashLogPath(basePath), PreparedMacCrashReport::kMaximumBytes, bytes));
        const std::vector<std::uint8_t> log(bytes.begin(), bytes.end());
        const Result<VTCrashReport> decoded = VTCrashReport::fromData(log);
        ASSERT_TRUE(decoded);
        const VTCrashReport& report = decoded.value();
        EXPECT_EQ(report.signalInfo().name, std::string("SIG") + sigabbrev_np(test.signal));
        EXPECT_EQ(report.signalInfo().code, test.code);

        // Exactly one crashed thread, the main thread (number 0) or the worker, its
        // registers first with the instruction pointer of frame 0.
        const auto& threads = report.threads();
        EXPECT_TRUE(test.threads == 0 || threads.size() == test.threads) << threads.size();
        const auto crashed = std::find_if(threads.begin(), threads.end(), [](const auto& t) { return t.crashed; });
        ASSERT_NE(crashed, threads.end());
        EXPECT_EQ(std::count_if(threads.begin(), threads.end(), [](const auto& t) { return t.crashed; }), 1);
        EXPECT_EQ(crashed->threadNumber != 0, std::string(test.kind).find("worker") != std::string::npos);
        ASSERT_FALSE(crashed->stackFrames.empty() || crashed->registers.empty());
        EXPECT_EQ(crashed->registers[0].registerValue, crashed->stackFrames[0].instructionPointer);
        const auto& images = report.images();
        const auto crasher = std::find_if(images.begin(), images.end(),
                                          [](const auto& image) { return image.imageName() == VTCRASH_CRASHER; });
        ASSERT_NE(crasher, images.end());
        EXPECT_EQ(crasher->imageUUID(), crasherUUID);
        EXPECT_EQ(crasher->imageBuildID(), crasherFile.buildId);
        // Marker functions by their sections, moved to where the crasher was loaded.
        const auto marker = [&](const std::string& name) {
            const Range inFile = crasherFile.sections.at("vtcrash_marker_" + name);
            return Range{crasher->imageBaseAddress() + inFile.start, crasher->imageBaseAddress() + inFile.end};
        };
        std::vector<Range> expected;
        for (const char* name : test.markers) expected.push_back(marker(name));
        EXPECT_TRUE(passesThrough(crashed->stackFrames, expected));

        // What would leave the machine: no reason, no path, 64 threads of 256 frames at most.
        const auto prepared = PreparedMacCrashReport::make(log, std::string(32, 'a'), false);
        ASSERT_TRUE(prepared);
        const MacCrashReportPayload& payload = prepared.value().request.report;
        const std::string sent = toJson(prepared.value().request).dump();
        EXPECT_EQ(sent.find("/vtcrash_crasher"), std::string::npos);
        EXPECT_EQ(sent.find("render queue"), std::string::npos);
        EXPECT_EQ(payload.threads.size(), std::min<std::size_t>(threads.size(), 64));
        EXPECT_LE(payload.threads[0].frames.size(), 256u);
        EXPECT_EQ(payload.operatingSystem.rfind(VTCrashHostInfo::currentHostInfo()->osPrettyName() + " (Linux ", 0),
                  0u);
        const std::size_t crasherIndex = crasher - images.begin();
        EXPECT_EQ(payload.binaryImages[crasherIndex].name, "vtcrash_crasher");
        EXPECT_EQ(payload.binaryImages[crasherIndex].uuid, MacCrashReportPayload::normalizedImageUUID(crasherUUID));
        if (std::string(test.kind) == "throw") {
            ASSERT_TRUE(report.exceptionInfo());
            EXPECT_EQ(report.exceptionInfo()->exceptionName, "std::runtime_error");
            EXPECT_EQ(report.exceptionInfo()->exceptionReason, "the render queue stopped");
            EXPECT_EQ(payload.exceptionName, "std::runtime_error");
            // The backtrace starts at the throw: a return address, at most just past the function.
            const std::uint64_t thrower = report.exceptionInfo()->stackFrames.value().at(0).instructionPointer;
            EXPECT_TRUE(thrower > marker("throw").start && thrower <= marker("throw").end);
        }
    }
}

Result<VTCrashReport> decodedLog(const std::filesystem::path& path) {
    std::string bytes;
    if (readFileContents(path, PreparedMacCrashReport::kMaximumBytes, bytes)) return makeSystemError(EIO, "read");
    return VTCrashReport::fromData(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

std::string fileText(const std::filesystem::path& path) {
    std::string contents;
    return readFileContents(path, 1 << 20, contents) ? std::string() : contents;
}

// A link at the pending path is replaced by the log (made afresh, mode 0644), never
// followed to its target, be it a file or a folder; so is an empty folder that turns up
// there while capture is on.
TEST(VTCrashCrashPathTest, WhatStandsAtThePendingPathIsReplacedNeverFollowed) {
    const struct {
        const char* situation;
        const char* kind;
        bool linkToAFolder;
    } cases[] = {
        {"a link to a file", "abort", false},
        {"a link to a folder", "abort", true},
        {"an empty folder made once capture is on", "empty-folder-at-pending-path", false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.situation);
        QTemporaryDir base;
        const std::string basePath = base.path().toStdString();
        const std::filesystem::path log = crashLogPath(basePath), target = basePath + "/target";
        std::filesystem::create_directories(log.parent_path());
        if (row.linkToAFolder) {
            std::filesystem::create_directories(target);
            std::ofstream(target / "inside") << "kept";
            std::filesystem::create_symlink(target, log);
        } else if (std::string(row.kind) == "abort") {
            std::ofstream(target) << "kept";
            std::filesystem::create_symlink(target, log);
        }
        ASSERT_EQ(runCrasher(row.kind, basePath), SIGABRT);
        if (std::string(row.kind) == "abort") {
            EXPECT_EQ(fileText(row.linkToAFolder ? target / "inside" : target), "kept");
        }
        const auto created = std::filesystem::symlink_status(log);
        EXPECT_TRUE(std::filesystem::is_regular_file(created));
        EXPECT_EQ(created.permissions() & std::filesystem::perms::all, std::filesystem::perms(0644));
        EXPECT_TRUE(decodedLog(log));
    }
}

// A link at the pending path to a file of someone else's: neither purging the pending
// report nor a crash with capture enabled over the link writes, moves or truncates it.
TEST(VTCrashCrashPathTest, AForeignFileLinkedAtThePendingPathIsLeftAsItWas) {
    QTemporaryDir base;
    const std::string basePath = base.path().toStdString();
    const std::filesystem::path log = crashLogPath(basePath), foreign = basePath + "/foreign";
    std::string bytes(4096, '\0');
    for (std::size_t index = 0; index < bytes.size(); ++index) bytes[index] = static_cast<char>(index * 7);
    std::ofstream(foreign, std::ios::binary) << bytes;
    std::filesystem::create_directories(log.parent_path());
    VTCrashReporterConfig configuration = VTCrashCapture::applicationConfiguration();
    configuration.basePath = basePath;
    const VTCrashReporter reporter = VTCrashReporter::forApplication(configuration);

    std::filesystem::create_symlink(foreign, log);
    ASSERT_TRUE(reporter.purgePendingCrashReport());
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(log)));
    EXPECT_EQ(fileText(foreign), bytes);

    std::filesystem::create_symlink(foreign, log);
    ASSERT_EQ(runCrasher("abort", basePath), SIGABRT);
    EXPECT_EQ(fileText(foreign), bytes);
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(log)));
    EXPECT_TRUE(decodedLog(log));
}

// What the reporter adds to a crash of its own: the crash callback runs once the log is
// written, with the signal's information and context; custom data set after enabling, on
// the enabled reporter or on another one, is in the log; without identifier and version
// the program's name and "" stand in, and the component says so; crash callbacks set
// once enabled are refused by an exception that nobody catches, so the log records it.
TEST(VTCrashCrashPathTest, TheReportersCallbacksCustomDataAndMissingFactsReachTheLog) {
    {
        SCOPED_TRACE("crash callback");
        QTemporaryDir base;
        const std::string basePath = base.path().toStdString();
        ASSERT_EQ(runCrasher("crash-callback", basePath), SIGSEGV);
        EXPECT_EQ(fileText(basePath + "/witness"), "signal=" + std::to_string(SIGSEGV) + " code=" +
                                                       std::to_string(SEGV_MAPERR) + " user-context log-written\n");
        EXPECT_TRUE(decodedLog(crashLogPath(basePath)));
    }
    for (const auto& [kind, text] :
         {std::pair<std::string, std::string>{"custom-data-after-enabling", "set after enabling"},
          {"custom-data-on-the-shared-reporter", "set on the shared reporter"}}) {
        SCOPED_TRACE(kind);
        QTemporaryDir base;
        const std::string basePath = base.path().toStdString();
        ASSERT_EQ(runCrasher(kind, basePath), SIGABRT);
        const auto report = decodedLog(crashLogPath(basePath));
        ASSERT_TRUE(report);
        EXPECT_EQ(report.value().customData(), std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    {
        SCOPED_TRACE("without identifier and version");
        QTemporaryDir base;
        const std::string basePath = base.path().toStdString();
        ASSERT_EQ(runCrasher("without-identifier", basePath), SIGABRT);
        VTCrashReporterConfig configuration = VTCrashCapture::applicationConfiguration();
        configuration.basePath = basePath;
        const auto path =
            VTCrashReporter::forApplicationFacts({"vtcrash_crasher", "", {}, {}}, configuration).crashReportPath();
        EXPECT_EQ(path.parent_path().filename(), "vtcrash_crasher");
        const auto report = decodedLog(path);
        ASSERT_TRUE(report);
        EXPECT_EQ(report.value().applicationInfo().applicationIdentifier, "vtcrash_crasher");
        EXPECT_EQ(report.value().applicationInfo().applicationVersion, "");
        EXPECT_EQ(fileText(basePath + "/stderr"),
                  "[VTCrashReporter] Warning -- bundle identifier, using process name vtcrash_crasher\n"
                  "[VTCrashReporter] Warning -- bundle version unavailable\n");
    }
    {
        SCOPED_TRACE("crash callbacks after enabling");
        QTemporaryDir base;
        const std::string basePath = base.path().toStdString();
        ASSERT_EQ(runCrasher("callbacks-after-enabling", basePath), SIGABRT);
        const auto report = decodedLog(crashLogPath(basePath));
        ASSERT_TRUE(report);
        ASSERT_TRUE(report.value().exceptionInfo());
        EXPECT_EQ(report.value().exceptionInfo()->exceptionName, "VTCrashReporterException");
        EXPECT_EQ(report.value().exceptionInfo()->exceptionReason, "The crash reporter has already been enabled");
    }
}

// A crash of the crasher, then the next launch's coordinator on the same folder: the
// consent sheet, "Send report" to a loopback service, the log purged, the thanks.
TEST(NextLaunchReportTest, ACrashIsOfferedAtTheNextLaunchSentOnConsentAndPurged) {
    QTemporaryDir base;
    const std::string basePath = base.path().toStdString();
    ASSERT_EQ(runCrasher("abort", basePath), SIGABRT);

    testing::LoopbackHttpServer server;
    server.respond = [](const testing::LoopbackRequest& request) {
        const auto id = nlohmann::json::parse(request.body.toStdString())["report"]["reportId"];
        const nlohmann::json reply = {
            {"accepted", true}, {"duplicate", false}, {"reportId", id}, {"notificationStatus", "sent"}};
        return testing::LoopbackReply::with(200, QByteArray::fromStdString(reply.dump()));
    };
    const MacCrashReportIdentityStore identity(base.filePath("crash-report-installation.json").toStdString());
    VTCrashReporterConfig configuration = VTCrashCapture::applicationConfiguration();
    configuration.basePath = basePath;
    MacCrashReportCoordinator coordinator(
        {std::make_shared<FirebaseMacCrashReportClient>(server.url(FirebaseMacCrashReportClient::kPath)),
         [identity] { return identity.loadOrCreate(); },
         [configuration] { return std::make_unique<VTCrashCapture>(VTCrashReporter::forApplication(configuration)); },
         // As under a debugger: this test process keeps its own signal handlers.
         [] { return true; }, std::make_shared<CrashReportAlertPresenter>()});
    QWidget window;
    window.show();
    const auto sheetSaying = [&window](const QString& message) -> QMessageBox* {
        const auto boxes = window.findChildren<QMessageBox*>();
        const auto box = std::find_if(boxes.begin(), boxes.end(), [&](auto* b) { return b->text() == message; });
        return box == boxes.end() ? nullptr : *box;
    };

    coordinator.start();
    coordinator.offerPendingReportIfNeeded(&window);
    QMessageBox* consent = sheetSaying("Veltrano encountered an unexpected error");
    ASSERT_NE(consent, nullptr);
    // The window's content waits for the answer.
    const auto* shield = window.findChild<QWidget*>(CrashReportAlertPresenter::kContentShieldName);
    ASSERT_NE(shield, nullptr);
    EXPECT_TRUE(shield->isVisible());
    EXPECT_EQ(shield->geometry(), window.rect());
    EXPECT_TRUE(consent->informativeText().contains("Signal: SIGABRT (SI_TKILL)"));
    consent->findChild<QPushButton*>(CrashReportAlertPresenter::kFirstButtonName)->click();

    ASSERT_TRUE(QTest::qWaitFor([&] { return sheetSaying("Crash report sent") != nullptr; }, 10'000));
    ASSERT_EQ(server.requests.size(), 1u);
    const auto sent = nlohmann::json::parse(server.requests[0].body.toStdString());
    EXPECT_EQ(sent["installationId"], identity.loadOrCreate().value());
    EXPECT_FALSE(std::filesystem::exists(crashLogPath(basePath)));
}

}  // namespace
}  // namespace vlt

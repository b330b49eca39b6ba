#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "crash_capture/vt_crash_report_text_formatter.h"
#include "crash_capture/vt_crash_reporter_error.h"
#include "crash_capture/crash_log.pb-c.h"

namespace vlt {
namespace {

// A crash log of a process on this system with every section filled, built with
// protobuf-c's own structures; tests change fields before packing it.
class SampleLog {
public:
    // Filled in the field order of crash_log.proto, with protobuf-c's has_ flags.
    SampleLog() {
        const auto text = [](const char* value) { return const_cast<char*>(value); };
        vtcrash__crash_report__init(&report);
        auto* info = report.report_info = make(vtcrash__crash_report__report_info__init);
        *info = {
            info->base, false, true,
            data({0x3F, 0x2A, 0x91, 0x0C, 0x5B, 0x44, 0x4E, 0x7D, 0x8A, 0x10, 0xC2, 0x6E, 0x9F, 0x01, 0xB3, 0x57})};
        report.system_info = make(vtcrash__crash_report__system_info__init);
        report.system_info->has_operating_system = true;
        report.system_info->operating_system = VTCRASH__CRASH_REPORT__SYSTEM_INFO__OPERATING_SYSTEM__LINUX;
        report.system_info->os_version = text("12");
        report.system_info->os_build = text("6.1.0-18-amd64");
        report.system_info->architecture = VTCRASH__ARCHITECTURE__X86_64;
        report.system_info->timestamp = 1700000000;
        auto* x86_64 = make(vtcrash__crash_report__processor__init);
        x86_64->has_encoding = true;
        x86_64->encoding = VTCRASH__CRASH_REPORT__PROCESSOR__TYPE_ENCODING__TYPE_ENCODING_MACH;
        x86_64->type = 0x1000007;
        x86_64->subtype = 3;
        report.machine_info = make(vtcrash__crash_report__machine_info__init);
        *report.machine_info = {report.machine_info->base, text("Framework Laptop 13"), x86_64, 4, 8};
        auto* application = report.application_info = make(vtcrash__crash_report__application_info__init);
        *application = {application->base, text("org.veltrano.Veltrano"), text("45"), text("1.2")};
        report.process_info = make(vtcrash__crash_report__process_info__init);
        auto* process = report.process_info;
        process->process_name = text("veltrano");
        process->process_id = 4242;
        process->process_path = text("/usr/bin/veltrano");
        process->parent_process_name = text("bash");
        process->parent_process_id = 4000;
        process->native = process->has_start_time = true;
        process->start_time = 1699999000;

        auto frame = [&](std::uint64_t pc, const char* symbol, std::uint64_t start) {
            auto* stackFrame = make(vtcrash__crash_report__thread__stack_frame__init);
            stackFrame->pc = pc;
            if (symbol != nullptr) {
                stackFrame->symbol = make(vtcrash__crash_report__symbol__init);
                *stackFrame->symbol = {stackFrame->symbol->base, text(symbol), start, false, 0};
            }
            return stackFrame;
        };
        auto registerValue = [&](const char* name, std::uint64_t value) {
            auto* stored = make(vtcrash__crash_report__thread__register_value__init);
            *stored = {stored->base, text(name), value};
            return stored;
        };
        auto* crashed = make(vtcrash__crash_report__thread__init);
        crashed->thread_number = 1;
        crashed->crashed = true;
        crashed->n_frames = 4;
        crashed->frames =
            list({frame(0x555555555100, "_ZN3vlt13renderCanvasEv", 0x5555555550f0), frame(0x7f0000001234, nullptr, 0),
                  frame(0xdead0000, nullptr, 0), frame(0, nullptr, 0)});
        crashed->n_registers = 5;
        crashed->registers =
            list({registerValue("rip", 0x555555555100), registerValue("rsp", 0x7ffc1000),
                  registerValue("rbp", 0x7ffc1040), registerValue("rax", 0), registerValue("r12", 0xff)});
        report.n_threads = 2;
        report.threads = list({make(vtcrash__crash_report__thread__init), crashed});

        // A known image has a 20-byte build-id whose first 16 bytes are its uuid.
        auto image = [&](std::uint64_t base, std::uint64_t size, const char* name, std::uint8_t id) {
            auto* binary = make(vtcrash__crash_report__binary_image__init);
            std::vector<std::uint8_t> buildID(20, id);
            buildID[0] = 0xA0;
            binary->base_address = base;
            binary->size = size;
            binary->name = text(name);
            if (id == 0) return binary;
            binary->has_uuid = binary->has_build_id = true;
            binary->uuid = data(std::vector<std::uint8_t>(buildID.begin(), buildID.begin() + 16));
            binary->build_id = data(buildID);
            binary->code_type = x86_64;
            return binary;
        };
        report.n_binary_images = 5;
        report.binary_images = list({image(0x555555554000, 0x10000, "/usr/bin/veltrano", 0x11),
                                     image(0x7f0000000000, 0x200000, "/usr/lib/x86_64-linux-gnu/libc.so.6", 0x22),
                                     image(0x7f0000000000, 0x1000, "/usr/lib/x86_64-linux-gnu/libc-alias.so", 0x33),
                                     image(0x7fff00000000, 0, "linux-vdso.so.1", 0), image(0, 0x1000, "[none]", 0)});
        report.exception = make(vtcrash__crash_report__exception__init);
        *report.exception = {report.exception->base, text("std::runtime_error"), text("render queue stopped"), 1,
                             list({crashed->frames[0]})};
        report.signal = make(vtcrash__crash_report__signal__init);
        *report.signal = {report.signal->base, text("SIGABRT"), text("SI_TKILL"), 0, nullptr};
        report.has_custom_data = true;
        report.custom_data = data({1, 2, 3});
    }

    // The file: header, then the message as protobuf-c packs it.
    std::vector<std::uint8_t> bytes() const {
        std::vector<std::uint8_t> file{0x76, 0x74, 0x63, 0x72, 0x61, 0x73, 0x68, 0x01};
        file.resize(8 + vtcrash__crash_report__get_packed_size(&report));
        vtcrash__crash_report__pack(&report, file.data() + 8);
        return file;
    }

    Vtcrash__CrashReport report;

private:
    // Parts live as long as the sample.
    template <typename T>
    T* make(void (*init)(T*)) {
        auto item = std::make_shared<T>();
        init(item.get());
        owned_.push_back(item);
        return item.get();
    }
    template <typename T>
    T** list(std::initializer_list<T*> items) {
        auto stored = std::make_shared<std::vector<T*>>(items);
        owned_.push_back(stored);
        return stored->data();
    }
    ProtobufCBinaryData data(std::vector<std::uint8_t> bytes) {
        auto stored = std::make_shared<std::vector<std::uint8_t>>(std::move(bytes));
        owned_.push_back(stored);
        return {stored->size(), stored->data()};
    }

    std::vector<std::shared_ptr<void>> owned_;
};

std::string failureOf(const Result<VTCrashReport>& decoded) {
    if (decoded) return "decoded";
    const auto& error = dynamic_cast<const VTCrashReporterError&>(*decoded.error());
    EXPECT_EQ(error.domain(), "VTCrashReporterErrorDomain");
    EXPECT_EQ(error.code(), 2);
    return error.description();
}

// A change to the log before it is packed, or to the packed file.
struct RefusedCase {
    const char* situation;
    std::function<void(Vtcrash__CrashReport&)> change;
    std::string message;
    std::function<void(std::vector<std::uint8_t>&)> editFile = [](auto&) {};
};

TEST(VTCrashReportTest, OnlyAFileWithTheHeaderAndVersionOneIsDecodedAndEveryFailureHasItsOwnMessage) {
    static std::uint8_t seventeenBytes[17] = {};
    static const int minusOne = -1;
    const auto unchanged = [](auto&) {};
    const RefusedCase cases[] = {
        {"only the header", unchanged, "Could not decode truncated crash log", [](auto& file) { file.resize(8); }},
        {"another header", unchanged, "Could not decode invalid crash log header", [](auto& file) { file[6] = 'H'; }},
        {"version 2", unchanged, "Could not decode unsupported crash report version: 2",
         [](auto& file) { file[7] = 2; }},
        {"a 15-byte report uuid", [](auto& log) { log.report_info->uuid.len = 15; },
         "Report UUID value is not a standard 16 bytes"},
        {"a 17-byte report uuid",
         [](auto& log) {
             log.report_info->uuid = {17, seventeenBytes};
         },
         "Report UUID value is not a standard 16 bytes"},
        {"no signal section", [](auto& log) { log.signal = nullptr; },
         "Could not decode crash report with size of %lu bytes."},
        {"no thread", [](auto& log) { log.n_threads = 0; }, "Crash report is missing thread state information"},
        {"no image", [](auto& log) { log.n_binary_images = 0; }, "Crash report is missing binary image information"},
        {"no machine and a negative architecture",
         [](auto& log) { log.machine_info = nullptr, std::memcpy(&log.system_info->architecture, &minusOne, 4); },
         "Crash report has an unknown architecture"},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.situation);
        SampleLog sample;
        c.change(sample.report);
        std::vector<std::uint8_t> file = sample.bytes();
        c.editFile(file);
        std::string expected = c.message;
        if (const auto at = expected.find("%lu"); at != std::string::npos) {
            expected.replace(at, 3, std::to_string(file.size() - 8));
        }
        EXPECT_EQ(failureOf(VTCrashReport::fromData(file)), expected);
    }
}

TEST(VTCrashReportTest, AbsentValuesStayAbsent) {
    SampleLog sample;
    Vtcrash__CrashReport& log = sample.report;
    log.system_info->timestamp = 0;
    log.exception->n_frames = 0;
    log.process_info->start_time = 0;
    log.machine_info = nullptr;
    log.process_info->process_name = const_cast<char*>("bad\xC3(");
    log.application_info->identifier = const_cast<char*>("org.\xFFveltrano");

    const auto decoded = VTCrashReport::fromData(sample.bytes());
    ASSERT_TRUE(decoded);
    const VTCrashReport& report = decoded.value();
    EXPECT_FALSE(report.systemInfo().timestamp);
    EXPECT_FALSE(report.exceptionInfo()->stackFrames);
    EXPECT_EQ(report.processInfo()->processStartTime, VTCrashTimestamp());
    // Without machine information the processor comes from the architecture.
    EXPECT_EQ(report.systemInfo().processorInfo, (VTCrashReportProcessorInfo{1, 0x1000007, 3}));
    // Text that is not UTF-8: an optional field has none, a required one keeps its readable part.
    EXPECT_FALSE(report.processInfo()->processName);
    EXPECT_EQ(report.applicationInfo().applicationIdentifier, "org.\uFFFDveltrano");
}

QByteArray runTool(const QString& logPath, int expectedExitCode, QByteArray* errors = nullptr) {
    QProcess tool;
    tool.start(QStringLiteral(VTCRASH_TEXT_REPORT_TOOL), {logPath});
    EXPECT_TRUE(tool.waitForFinished(10000));
    EXPECT_EQ(tool.exitCode(), expectedExitCode);
    if (errors != nullptr) *errors = tool.readAllStandardError();
    return tool.readAllStandardOutput();
}

TEST(VTCrashReportTextFormatterTest, TheToolPrintsTheTextReportOfALogFile) {
    SampleLog sample;
    const std::vector<std::uint8_t> bytes = sample.bytes();
    QTemporaryDir folder;
    QFile log(folder.filePath(QStringLiteral("live_report.vtcrash")));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    log.close();
    QFile golden(qEnvironmentVariable("VLT_TEST_DATA_DIR") + QStringLiteral("/crash_capture/text_report.txt"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));

    QByteArray errors;
    EXPECT_EQ(runTool(log.fileName(), 0, &errors).toStdString(), golden.readAll().toStdString());
    EXPECT_EQ(errors.toStdString(), "[VTCrashReporter] Cannot find image for 0xdead0000\n");
    ASSERT_TRUE(log.resize(8));
    EXPECT_TRUE(runTool(log.fileName(), 1, &errors).isEmpty());
    EXPECT_EQ(errors.toStdString(), "Could not decode truncated crash log\n");

    // What the text report does not show.
    const VTCrashReport report = VTCrashReport::fromData(bytes).value();
    EXPECT_EQ(report.processInfo()->processStartTime, VTCrashTimestamp(std::chrono::seconds(1699999000)));
    EXPECT_EQ(report.images()[0].imageBuildID(), "a0" + std::string(38, '1'));
    EXPECT_EQ(report.customData(), std::vector<std::uint8_t>({1, 2, 3}));
    EXPECT_EQ(report.imageForAddress(0x555555554000 + 0x10000), nullptr);
}

}  // namespace
}  // namespace vlt

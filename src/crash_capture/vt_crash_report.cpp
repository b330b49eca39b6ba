#include "crash_capture/vt_crash_report.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include <QByteArrayView>
#include <QString>

#include "crash_capture/crash_log.pb-c.h"
#include "crash_capture/vt_crash_reporter_error.h"
#include "crash_capture/vtcrash_log_file_format.h"
#include "foundation/localized_string.h"

namespace vlt {

namespace {

using Message = Vtcrash__CrashReport;
using MachineInfo = std::optional<VTCrashReportMachineInfo>;

struct MessageDeleter {
    void operator()(Message* message) const { vtcrash__crash_report__free_unpacked(message, nullptr); }
};
using MessagePtr = std::unique_ptr<Message, MessageDeleter>;

constexpr std::size_t kMachExceptionCodeLimit = 256;
// Pointer-authentication bits are cleared from the pcs of arm64e reports.
constexpr std::uint64_t kARM64ESubtype = 2;
constexpr std::uint64_t kARM64EAddressMask = 0xFFFFFFFFF;

// Decoding messages are looked up in the application's string table with the English
// text as the key; the English text stands when the table has no entry. A number takes
// the place of the placeholder after the lookup.
ErrorPtr invalidLog(const char* englishText, const char* placeholder = nullptr, std::uint64_t number = 0) {
    QString text = localizedString(englishText);
    if (placeholder != nullptr) text.replace(QLatin1String(placeholder), QString::number(number));
    return makeError<VTCrashReporterError>(VTCrashReporterErrorCode::crashLogInvalid, text.toStdString());
}

// The few messages that are never translated.
ErrorPtr invalidLogPlain(const char* text) {
    return makeError<VTCrashReporterError>(VTCrashReporterErrorCode::crashLogInvalid, text);
}

// Checked where it lies: a text of a crash log may be as long as the log.
bool isValidUtf8(const char* text) { return QByteArrayView(text).isValidUtf8(); }

// Seconds since 1970 from the first moment of the year 1 to the last of 9999: what a date
// can be written as. A log that names another moment is damaged, and its moment is none.
constexpr std::int64_t kFirstCalendarSecond = -62'135'596'800;
constexpr std::int64_t kLastCalendarSecond = 253'402'300'799;

std::optional<VTCrashTimestamp> calendarTimestamp(std::int64_t seconds) {
    if (seconds < kFirstCalendarSecond || seconds > kLastCalendarSecond) return std::nullopt;
    return VTCrashTimestamp(std::chrono::seconds(seconds));
}

// An optional text that is absent or not UTF-8 gives no value.
std::optional<std::string> optionalText(const char* text) {
    if (text == nullptr || !isValidUtf8(text)) return std::nullopt;
    return std::string(text);
}

// A required text that is not UTF-8 keeps its readable parts, so a record's required
// fields always hold a value.
std::string requiredText(const char* text) {
    if (isValidUtf8(text)) return std::string(text);
    return QString::fromUtf8(text).toStdString();
}

// Enumerations are read as the stored number: a log may hold any value, also one that
// the C++ enumeration type cannot represent.
template <typename Enumeration>
std::int32_t storedNumber(const Enumeration& field) {
    static_assert(sizeof(Enumeration) == sizeof(std::int32_t));
    std::int32_t number = 0;
    std::memcpy(&number, &field, sizeof(number));
    return number;
}

std::vector<std::uint8_t> copyBytes(const ProtobufCBinaryData& bytes) {
    return std::vector<std::uint8_t>(bytes.data, bytes.data + bytes.len);
}

std::optional<std::span<const std::uint8_t>> nonEmptyBytes(protobuf_c_boolean present,
                                                           const ProtobufCBinaryData& bytes) {
    if (!present || bytes.len == 0) return std::nullopt;
    return std::span<const std::uint8_t>(bytes.data, bytes.len);
}

Result<MessagePtr> decodeCrashData(std::span<const std::uint8_t> data,
                                   const std::optional<VTCrashReportLimits>& limits) {
    if (data.size() <= VTCRASH_LOG_FILE_HEADER_LENGTH) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Could not decode truncated crash log"));
    }
    if (!std::equal(VTCRASH_LOG_FILE_MAGIC, VTCRASH_LOG_FILE_MAGIC + VTCRASH_LOG_FILE_MAGIC_LENGTH, data.begin())) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Could not decode invalid crash log header"));
    }
    const std::uint8_t version = data[VTCRASH_LOG_FILE_MAGIC_LENGTH];
    if (version != VTCRASH_LOG_FILE_VERSION) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Could not decode unsupported crash report version: %d"), "%d",
                          version);
    }
    const std::span<const std::uint8_t> body = data.subspan(VTCRASH_LOG_FILE_HEADER_LENGTH);
    MessagePtr message;
    if (limits) {
        const std::optional<std::string> bounded = boundedCrashLogMessage(body, *limits);
        if (bounded) {
            message.reset(vtcrash__crash_report__unpack(nullptr, bounded->size(),
                                                        reinterpret_cast<const std::uint8_t*>(bounded->data())));
        }
    } else {
        message.reset(vtcrash__crash_report__unpack(nullptr, body.size(), body.data()));
    }
    if (!message) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Could not decode crash report with size of %lu bytes."), "%lu",
                          body.size());
    }
    return message;
}

Result<VTCrashReportProcessorInfo> extractProcessorInfo(const Vtcrash__CrashReport__Processor* processor) {
    if (processor == nullptr) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing processor info section"));
    }
    return VTCrashReportProcessorInfo{storedNumber(processor->encoding), processor->type, processor->subtype};
}

Result<VTCrashReportProcessorInfo> synthesizeProcessorInfoFromArchitecture(std::int32_t architecture) {
    // CPU type and subtype per architecture value, X86_32 to ARMV7.
    static constexpr std::pair<std::uint64_t, std::uint64_t> kProcessors[] = {
        {kVTCrashCPUTypeX86, 3},     {kVTCrashCPUTypeX86_64, 3},    {kVTCrashCPUTypeARM, 6},
        {kVTCrashCPUTypePowerPC, 0}, {kVTCrashCPUTypePowerPC64, 0}, {kVTCrashCPUTypeARM, 9},
    };
    // Negative values are as unknown as large ones.
    if (architecture < 0 || architecture >= kVTCrashArchitectureUnknown) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report has an unknown architecture"));
    }
    const auto [type, subtype] = kProcessors[architecture];
    return VTCrashReportProcessorInfo{kVTCrashTypeEncodingMach, type, subtype};
}

Result<VTCrashReportSystemInfo> extractSystemInfo(const Vtcrash__CrashReport__SystemInfo* system,
                                                  const std::optional<VTCrashReportProcessorInfo>& processor) {
    if (system == nullptr) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing System Information section"));
    }
    if (system->os_version == nullptr) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing System Information OS version field"));
    }
    VTCrashReportSystemInfo info;
    info.operatingSystem = storedNumber(system->operating_system);
    info.operatingSystemVersion = requiredText(system->os_version);
    info.operatingSystemBuild = optionalText(system->os_build);
    info.operatingSystemName = optionalText(system->os_name);
    info.architecture = storedNumber(system->architecture);
    if (system->timestamp != 0) info.timestamp = calendarTimestamp(system->timestamp);
    if (processor) {
        info.processorInfo = *processor;
    } else {
        auto synthesized = synthesizeProcessorInfoFromArchitecture(info.architecture);
        if (!synthesized) return synthesized.error();
        info.processorInfo = synthesized.value();
    }
    return info;
}

Result<VTCrashReportMachineInfo> extractMachineInfo(const Vtcrash__CrashReport__MachineInfo* machine) {
    if (machine == nullptr) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing Machine Information section"));
    }
    VTCrashReportMachineInfo info;
    info.modelName = optionalText(machine->model);
    if (machine->processor != nullptr) {
        auto processor = extractProcessorInfo(machine->processor);
        if (!processor) return processor.error();
        info.processorInfo = processor.value();
    }
    info.processorCount = machine->processor_count;
    info.logicalProcessorCount = machine->logical_processor_count;
    return info;
}

Result<VTCrashReportApplicationInfo> extractApplicationInfo(const Vtcrash__CrashReport__ApplicationInfo* application) {
    if (application == nullptr) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing Application Information section"));
    }
    if (application->identifier == nullptr) {
        return invalidLog(
            QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing Application Information app identifier field"));
    }
    if (application->version == nullptr) {
        return invalidLog(
            QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing Application Information app version field"));
    }
    return VTCrashReportApplicationInfo{requiredText(application->identifier), requiredText(application->version),
                                        optionalText(application->marketing_version)};
}

Result<VTCrashReportProcessInfo> extractProcessInfo(const Vtcrash__CrashReport__ProcessInfo* process) {
    if (process == nullptr) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing Process Information section"));
    }
    VTCrashReportProcessInfo info;
    info.processName = optionalText(process->process_name);
    info.processID = process->process_id;
    info.processPath = optionalText(process->process_path);
    if (process->has_start_time && process->start_time <= std::uint64_t(kLastCalendarSecond)) {
        info.processStartTime = calendarTimestamp(static_cast<std::int64_t>(process->start_time));
    }
    info.parentProcessName = optionalText(process->parent_process_name);
    info.parentProcessID = process->parent_process_id;
    info.native = process->native != 0;
    return info;
}

Result<VTCrashReportSymbolInfo> extractSymbolInfo(const Vtcrash__CrashReport__Symbol* symbol) {
    if (symbol == nullptr) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing symbol information"));
    }
    return VTCrashReportSymbolInfo{requiredText(symbol->name), symbol->start_address,
                                   symbol->has_end_address ? symbol->end_address : 0};
}

Result<VTCrashReportStackFrameInfo> extractStackFrameInfo(const Vtcrash__CrashReport__Thread__StackFrame* frame,
                                                          const MachineInfo& machine) {
    if (frame == nullptr) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing stack frame information"));
    }
    VTCrashReportStackFrameInfo info;
    if (frame->symbol != nullptr) {
        auto symbol = extractSymbolInfo(frame->symbol);
        if (!symbol) return symbol.error();
        info.symbolInfo = symbol.value();
    }
    info.instructionPointer = frame->pc;
    const bool arm64e = machine && machine->processorInfo && machine->processorInfo->type == kVTCrashCPUTypeARM64 &&
                        machine->processorInfo->subtype == kARM64ESubtype;
    if (arm64e) info.instructionPointer &= kARM64EAddressMask;
    return info;
}

Result<std::vector<VTCrashReportStackFrameInfo>> extractStackFrames(
    std::span<Vtcrash__CrashReport__Thread__StackFrame* const> frames, const MachineInfo& machine) {
    std::vector<VTCrashReportStackFrameInfo> infos;
    infos.reserve(frames.size());
    for (const auto* frame : frames) {
        auto info = extractStackFrameInfo(frame, machine);
        if (!info) return info.error();
        infos.push_back(std::move(info).value());
    }
    return infos;
}

Result<std::vector<VTCrashReportThreadInfo>> extractThreadInfo(const Message& message, const MachineInfo& machine) {
    if (message.n_threads == 0) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing thread state information"));
    }
    std::vector<VTCrashReportThreadInfo> threads;
    for (const auto* thread : std::span(message.threads, message.n_threads)) {
        auto frames = extractStackFrames(std::span(thread->frames, thread->n_frames), machine);
        if (!frames) return frames.error();
        std::vector<VTCrashReportRegisterInfo> registers;
        for (const auto* value : std::span(thread->registers, thread->n_registers)) {
            if (value->name == nullptr) return invalidLogPlain("Missing register name in register value");
            registers.push_back({requiredText(value->name), value->value});
        }
        threads.push_back(
            {thread->thread_number, std::move(frames).value(), thread->crashed != 0, std::move(registers)});
    }
    return threads;
}

Result<std::vector<VTCrashReportBinaryImageInfo>> extractImageInfo(const Message& message) {
    if (message.n_binary_images == 0) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing binary image information"));
    }
    std::vector<VTCrashReportBinaryImageInfo> images;
    for (const auto* image : std::span(message.binary_images, message.n_binary_images)) {
        if (image->name == nullptr) return invalidLogPlain("Missing image name in image record");
        std::optional<VTCrashReportProcessorInfo> codeType;
        if (image->code_type != nullptr) {
            auto processor = extractProcessorInfo(image->code_type);
            if (!processor) return processor.error();
            codeType = processor.value();
        }
        images.emplace_back(codeType, image->base_address, image->size, requiredText(image->name),
                            nonEmptyBytes(image->has_uuid, image->uuid),
                            nonEmptyBytes(image->has_build_id, image->build_id));
    }
    return images;
}

Result<VTCrashReportExceptionInfo> extractExceptionInfo(const Vtcrash__CrashReport__Exception* exception,
                                                        const MachineInfo& machine) {
    if (exception == nullptr) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing Exception Information section"));
    }
    if (exception->name == nullptr) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing exception name field"));
    }
    if (exception->reason == nullptr) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing exception reason field"));
    }
    VTCrashReportExceptionInfo info{requiredText(exception->name), requiredText(exception->reason), std::nullopt};
    if (exception->n_frames > 0) {
        auto frames = extractStackFrames(std::span(exception->frames, exception->n_frames), machine);
        if (!frames) return frames.error();
        info.stackFrames = std::move(frames).value();
    }
    return info;
}

Result<VTCrashReportSignalInfo> extractSignalInfo(const Vtcrash__CrashReport__Signal* signal) {
    if (signal == nullptr) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing Signal Information section"));
    }
    if (signal->name == nullptr) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing signal name field"));
    }
    if (signal->code == nullptr) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing signal code field"));
    }
    return VTCrashReportSignalInfo{requiredText(signal->name), requiredText(signal->code), signal->address};
}

Result<VTCrashReportMachExceptionInfo> extractMachExceptionInfo(
    const Vtcrash__CrashReport__Signal__MachException* exception) {
    if (exception == nullptr) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report is missing Mach Exception Information section"));
    }
    if (exception->n_codes >= kMachExceptionCodeLimit) {
        return invalidLog(QT_TRANSLATE_NOOP("Veltrano", "Crash report includes too many Mach Exception codes"));
    }
    return VTCrashReportMachExceptionInfo{
        exception->type, std::vector<std::uint64_t>(exception->codes, exception->codes + exception->n_codes)};
}

}  // namespace

Result<VTCrashReport> VTCrashReport::fromData(std::span<const std::uint8_t> data,
                                              const std::optional<VTCrashReportLimits>& limits) {
    auto decoded = decodeCrashData(data, limits);
    if (!decoded) return decoded.error();
    const Message& message = *decoded.value();
    VTCrashReport report;

    if (message.report_info != nullptr && message.report_info->has_uuid) {
        const ProtobufCBinaryData& uuid = message.report_info->uuid;
        if (uuid.len != UUID().size()) return invalidLogPlain("Report UUID value is not a standard 16 bytes");
        report.uuid_.emplace();
        std::copy_n(uuid.data, uuid.len, report.uuid_->begin());
    }

    if (message.machine_info != nullptr) {
        auto machine = extractMachineInfo(message.machine_info);
        if (!machine) return machine.error();
        report.machineInfo_ = std::move(machine).value();
    }
    const std::optional<VTCrashReportProcessorInfo> machineProcessor =
        report.machineInfo_ ? report.machineInfo_->processorInfo : std::nullopt;

    auto system = extractSystemInfo(message.system_info, machineProcessor);
    if (!system) return system.error();
    report.systemInfo_ = std::move(system).value();

    auto application = extractApplicationInfo(message.application_info);
    if (!application) return application.error();
    report.applicationInfo_ = std::move(application).value();

    if (message.process_info != nullptr) {
        auto process = extractProcessInfo(message.process_info);
        if (!process) return process.error();
        report.processInfo_ = std::move(process).value();
    }

    auto signal = extractSignalInfo(message.signal);
    if (!signal) return signal.error();
    report.signalInfo_ = std::move(signal).value();

    if (message.signal->mach_exception != nullptr) {
        auto machException = extractMachExceptionInfo(message.signal->mach_exception);
        if (!machException) return machException.error();
        report.machExceptionInfo_ = std::move(machException).value();
    }

    auto threads = extractThreadInfo(message, report.machineInfo_);
    if (!threads) return threads.error();
    report.threads_ = std::move(threads).value();

    auto images = extractImageInfo(message);
    if (!images) return images.error();
    report.images_ = std::move(images).value();

    if (message.exception != nullptr) {
        auto exception = extractExceptionInfo(message.exception, report.machineInfo_);
        if (!exception) return exception.error();
        report.exceptionInfo_ = std::move(exception).value();
    }

    if (message.has_custom_data) report.customData_ = copyBytes(message.custom_data);
    return report;
}

const VTCrashReportBinaryImageInfo* VTCrashReport::imageForAddress(std::uint64_t address) const {
    // Compared as an offset so that an image reaching the top of the address space cannot wrap.
    const auto found = std::find_if(images_.begin(), images_.end(), [address](const auto& image) {
        return address >= image.imageBaseAddress() && address - image.imageBaseAddress() < image.imageSize();
    });
    return found == images_.end() ? nullptr : &*found;
}

}  // namespace vlt

#include "crash_capture/vt_crash_report_text_formatter.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <vector>

#include "crash_capture/vt_crash_reporter_log.h"

namespace vlt {

namespace {

constexpr const char* kMissing = "???";
constexpr int kFrameIndexWidth = 4;
constexpr std::size_t kImageNameWidth = 35;
constexpr int kRegistersPerLine = 4;
constexpr int kWideAddressDigits = 16;
constexpr int kNarrowAddressDigits = 8;

__attribute__((format(printf, 1, 2))) std::string format(const char* pattern, ...) {
    va_list arguments;
    va_start(arguments, pattern);
    va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(nullptr, 0, pattern, copy);
    va_end(copy);
    std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
    std::vsnprintf(text.data(), text.size() + 1, pattern, arguments);
    va_end(arguments);
    return text;
}

// printf wants its own types for 64-bit numbers.
unsigned long long ull(std::uint64_t value) { return value; }
long long ll(std::int64_t value) { return value; }

const std::string& orMissing(const std::optional<std::string>& text) {
    static const std::string missing = kMissing;
    return text ? *text : missing;
}

// Left-aligned in `width` characters (not bytes); longer texts are not cut.
std::string padRight(const std::string& text, std::size_t width) {
    const auto characters = static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }));
    return characters >= width ? text : text + std::string(width - characters, ' ');
}

std::string lastPathComponent(const std::string& path) {
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
    const auto slash = trimmed.find_last_of('/');
    return slash == std::string::npos || trimmed.size() == 1 ? trimmed : trimmed.substr(slash + 1);
}

std::string operatingSystemName(std::int32_t operatingSystem) {
    switch (operatingSystem) {
    case kVTCrashOSMacOSX:
    case kVTCrashOSiPhoneSimulator:
        return "Mac OS X";
    case kVTCrashOSiPhoneOS:
        return "iPhone OS";
    case kVTCrashOSAppleTVOS:
        return "Apple tvOS";
    case kVTCrashOSLinux:
        return "Linux";
    default:
        return format("Unknown (%d)", operatingSystem);
    }
}

struct CodeType {
    std::string name;
    bool lp64 = true;
};

std::optional<CodeType> knownCodeType(const VTCrashReportProcessorInfo& processor) {
    if (processor.typeEncoding != kVTCrashTypeEncodingMach) return std::nullopt;
    switch (processor.type) {
    case kVTCrashCPUTypeX86:
        return CodeType{"X86", false};
    case kVTCrashCPUTypeX86_64:
        return CodeType{"X86-64", true};
    case kVTCrashCPUTypeARM:
        return CodeType{"ARM", false};
    case kVTCrashCPUTypeARM64:
        return CodeType{"ARM-64", true};
    case kVTCrashCPUTypePowerPC:
        return CodeType{"PPC", false};
    default:
        return std::nullopt;
    }
}

// The first image with a known code type decides, else the system's processor.
CodeType codeTypeOf(const VTCrashReport& report) {
    for (const auto& image : report.images()) {
        if (!image.codeType()) continue;
        if (auto known = knownCodeType(*image.codeType())) return *known;
    }
    const VTCrashReportProcessorInfo& processor = report.systemInfo().processorInfo;
    if (auto known = knownCodeType(processor)) return *known;
    if (processor.typeEncoding == kVTCrashTypeEncodingMach)
        return {format("Unknown (%llu)", ull(processor.type)), true};
    return {"Unknown", true};
}

std::string architectureName(const std::optional<VTCrashReportProcessorInfo>& codeType) {
    if (!codeType || codeType->typeEncoding != kVTCrashTypeEncodingMach) return kMissing;
    const std::uint64_t subtype = codeType->subtype & kVTCrashCPUSubtypeMask;
    switch (codeType->type) {
    case kVTCrashCPUTypeX86:
        return "i386";
    case kVTCrashCPUTypeX86_64:
        return "x86_64";
    case kVTCrashCPUTypePowerPC:
        return "powerpc";
    case kVTCrashCPUTypeARM:
        return subtype == 6 ? "armv6" : subtype == 9 ? "armv7" : subtype == 11 ? "armv7s" : "arm-unknown";
    case kVTCrashCPUTypeARM64:
        return subtype == 0 ? "arm64" : subtype == 1 ? "armv8" : subtype == 2 ? "arm64e" : "arm64-unknown";
    default:
        return kMissing;
    }
}

std::string uuidText(const std::optional<VTCrashReport::UUID>& uuid) {
    if (!uuid) return kMissing;
    std::string text;
    for (std::size_t i = 0; i < uuid->size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
        text += format("%02X", (*uuid)[i]);
    }
    return text;
}

std::string dateText(const std::optional<VTCrashTimestamp>& timestamp) {
    if (!timestamp) return kMissing;
    const auto day = std::chrono::floor<std::chrono::days>(*timestamp);
    const std::chrono::year_month_day date(day);
    const std::chrono::hh_mm_ss time(*timestamp - day);
    return format("%04d-%02u-%02u %02lld:%02lld:%02lld +0000", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()), ll(time.hours().count()),
                  ll(time.minutes().count()), ll(time.seconds().count()));
}

// How symbol names are prefixed depends on the system that wrote the log: Apple
// systems put "_" before C names, ELF symbols carry no prefix.
std::string displayedSymbolName(const std::string& name, std::int32_t operatingSystem) {
    if (name.size() < 2 || name.front() != '_') return name;
    switch (operatingSystem) {
    case kVTCrashOSMacOSX:
    case kVTCrashOSiPhoneOS:
    case kVTCrashOSiPhoneSimulator:
    case kVTCrashOSAppleTVOS:
        return name.substr(1);
    case kVTCrashOSLinux:
        return name;
    default:
        vtCrashReporterLog("Symbol \"" + name + "\" prefix rules are unknown for this OS!");
        return name;
    }
}

std::string processText(const VTCrashReport& report) {
    if (!report.processInfo()) return format("%s [%s]", kMissing, kMissing);
    const VTCrashReportProcessInfo& process = *report.processInfo();
    return format("%s [%llu]", orMissing(process.processName).c_str(), ull(process.processID));
}

std::string parentProcessText(const VTCrashReport& report) {
    if (!report.processInfo()) return format("%s [%s]", kMissing, kMissing);
    const VTCrashReportProcessInfo& process = *report.processInfo();
    return format("%s [%llu]", orMissing(process.parentProcessName).c_str(), ull(process.parentProcessID));
}

std::string versionText(const VTCrashReportApplicationInfo& application) {
    if (!application.applicationMarketingVersion) return application.applicationVersion;
    return *application.applicationMarketingVersion + " (" + application.applicationVersion + ")";
}

std::string headerText(const VTCrashReport& report, const CodeType& codeType) {
    const auto& machine = report.machineInfo();
    const auto& system = report.systemInfo();
    const auto& signal = report.signalInfo();
    std::string text;
    text += "Incident Identifier: " + uuidText(report.uuidRef()) + "\n";
    text += "Hardware Model:      " + (machine ? orMissing(machine->modelName) : kMissing) + "\n";
    text += "Process:         " + processText(report) + "\n";
    text +=
        "Path:            " + (report.processInfo() ? orMissing(report.processInfo()->processPath) : kMissing) + "\n";
    text += "Identifier:      " + report.applicationInfo().applicationIdentifier + "\n";
    text += "Version:         " + versionText(report.applicationInfo()) + "\n";
    text += "Code Type:       " + codeType.name + "\n";
    text += "Parent Process:  " + parentProcessText(report) + "\n";
    text += "\n";
    text += "Date/Time:       " + dateText(system.timestamp) + "\n";
    text += "OS Version:      " + operatingSystemName(system.operatingSystem) + " " + system.operatingSystemVersion +
            " (" + orMissing(system.operatingSystemBuild) + ")\n";
    text += "Report Version:  104\n";
    text += "\n";
    text += "Exception Type:  " + signal.name + "\n";
    text += format("Exception Codes: %s at 0x%llx\n", signal.code.c_str(), ull(signal.address));
    const auto& threads = report.threads();
    const auto firstCrashed = std::find_if(threads.begin(), threads.end(), [](const auto& t) { return t.crashed; });
    if (firstCrashed != threads.end()) text += format("Crashed Thread:  %lld\n", ll(firstCrashed->threadNumber));
    text += "\n";
    return text;
}

std::string exceptionText(const VTCrashReport& report, bool lp64) {
    if (!report.exceptionInfo()) return {};
    const VTCrashReportExceptionInfo& exception = *report.exceptionInfo();
    std::string text = "Application Specific Information:\n";
    text += "*** Terminating app due to uncaught exception '" + exception.exceptionName + "', reason: '" +
            exception.exceptionReason + "'\n\n";
    if (exception.stackFrames && !exception.stackFrames->empty()) {
        text += "Last Exception Backtrace:\n";
        for (std::size_t i = 0; i < exception.stackFrames->size(); ++i) {
            text += VTCrashReportTextFormatter::formatStackFrame((*exception.stackFrames)[i], std::int64_t(i), report,
                                                                 lp64);
        }
        text += "\n";
    }
    return text;
}

std::string registerName(const VTCrashReport& report, const std::string& name) {
    const auto& machine = report.machineInfo();
    const bool arm = machine && machine->processorInfo &&
                     machine->processorInfo->typeEncoding == kVTCrashTypeEncodingMach &&
                     (machine->processorInfo->type & kVTCrashCPUSubtypeMask) == kVTCrashCPUTypeARM;
    return arm && name == "r12" ? "ip" : name;
}

std::string registersText(const VTCrashReport& report, const VTCrashReportThreadInfo& thread,
                          const CodeType& codeType) {
    std::string text =
        format("Thread %lld crashed with %s Thread State:\n", ll(thread.threadNumber), codeType.name.c_str());
    int column = 0;
    for (const auto& value : thread.registers) {
        const std::string name = registerName(report, value.registerName);
        text += codeType.lp64 ? format("%6s: 0x%016llx ", name.c_str(), ull(value.registerValue))
                              : format("%6s: 0x%08llx ", name.c_str(), ull(value.registerValue));
        if (++column == kRegistersPerLine) {
            text += "\n";
            column = 0;
        }
    }
    if (column != 0) text += "\n";
    return text + "\n";
}

std::string imagesText(const VTCrashReport& report, bool lp64) {
    std::vector<const VTCrashReportBinaryImageInfo*> images;
    for (const auto& image : report.images()) images.push_back(&image);
    std::stable_sort(images.begin(), images.end(),
                     [](const auto* a, const auto* b) { return a->imageBaseAddress() < b->imageBaseAddress(); });

    const auto& process = report.processInfo();
    std::string text = "Binary Images:\n";
    std::uint64_t previousBase = 0;
    for (const auto* image : images) {
        const std::uint64_t base = image->imageBaseAddress();
        if (base == previousBase) continue;
        previousBase = base;
        const std::uint64_t end = image->imageSize() == 0 ? base : base + image->imageSize() - 1;
        const bool isProcess = process && process->processPath && *process->processPath == image->imageName();
        const std::string uuid = image->imageUUID().value_or(kMissing);
        const char* pattern = lp64 ? "%#18llx - %#18llx %s%s %s  <%s> %s\n" : "%#10llx - %#10llx %s%s %s  <%s> %s\n";
        text +=
            format(pattern, ull(base), ull(end), isProcess ? "+" : " ", lastPathComponent(image->imageName()).c_str(),
                   architectureName(image->codeType()).c_str(), uuid.c_str(), image->imageName().c_str());
    }
    return text;
}

std::string toAscii(const std::string& text) {
    std::string ascii;
    for (const char byte : text) {
        const auto value = static_cast<unsigned char>(byte);
        if (value < 0x80) {
            ascii += byte;
        } else if (value >= 0xC0) {
            ascii += '?';  // The lead byte stands for the character; continuation bytes are dropped.
        }
    }
    return ascii;
}

}  // namespace

VTCrashReportTextFormatter::VTCrashReportTextFormatter(VTCrashReportTextFormat textFormat,
                                                       VTCrashReportTextEncoding stringEncoding)
    : textFormat_(textFormat), stringEncoding_(stringEncoding) {}

std::string VTCrashReportTextFormatter::formatReport(const VTCrashReport& report) const {
    std::string text = stringValueForCrashReport(report, textFormat_);
    return stringEncoding_ == VTCrashReportTextEncoding::ascii ? toAscii(text) : text;
}

std::string VTCrashReportTextFormatter::stringValueForCrashReport(const VTCrashReport& report,
                                                                  VTCrashReportTextFormat /*textFormat*/) {
    const CodeType codeType = codeTypeOf(report);
    std::string text = headerText(report, codeType);
    text += exceptionText(report, codeType.lp64);

    const VTCrashReportThreadInfo* lastCrashed = nullptr;
    for (const auto& thread : report.threads()) {
        if (thread.crashed) lastCrashed = &thread;
        text += format(thread.crashed ? "Thread %lld Crashed:\n" : "Thread %lld:\n", ll(thread.threadNumber));
        for (std::size_t i = 0; i < thread.stackFrames.size(); ++i) {
            text += formatStackFrame(thread.stackFrames[i], std::int64_t(i), report, codeType.lp64);
        }
        text += "\n";
    }
    if (lastCrashed != nullptr) text += registersText(report, *lastCrashed, codeType);
    return text + imagesText(report, codeType.lp64);
}

std::string VTCrashReportTextFormatter::formatStackFrame(const VTCrashReportStackFrameInfo& frame,
                                                         std::int64_t frameIndex, const VTCrashReport& report,
                                                         bool lp64) {
    const std::uint64_t pc = frame.instructionPointer;
    const VTCrashReportBinaryImageInfo* image = report.imageForAddress(pc);
    const std::string imageText = image ? lastPathComponent(image->imageName()) : kMissing;
    const std::uint64_t base = image ? image->imageBaseAddress() : 0;
    const std::uint64_t offset = image ? pc - base : 0;
    if (!image && pc != 0) vtCrashReporterLog(format("Cannot find image for 0x%llx", ull(pc)));

    std::string symbolText;
    if (frame.symbolInfo) {
        const std::string name = displayedSymbolName(frame.symbolInfo->symbolName, report.systemInfo().operatingSystem);
        symbolText = format("%s + %lld", name.c_str(), ll(pc - frame.symbolInfo->startAddress));
    } else {
        symbolText = format("0x%llx + %lld", ull(base), ll(offset));
    }
    return format("%-*lld", kFrameIndexWidth, ll(frameIndex)) + padRight(imageText, kImageNameWidth) +
           format(" 0x%0*llx ", lp64 ? kWideAddressDigits : kNarrowAddressDigits, ull(pc)) + symbolText + "\n";
}

}  // namespace vlt

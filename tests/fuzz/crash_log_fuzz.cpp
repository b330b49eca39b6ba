// The pending crash log is read at every launch, whatever a crash, a damaged disk or
// another program left at its path: any bytes decode or fail cleanly; within the payload's
// limits a decode keeps the front of each list of the whole one (the crashed threads, two
// at most, and the first others, their stacks cut) and reads everything else as the whole
// one does, however often a log gives it; a report comes only from a log that decodes,
// dated at the moment the log names; the text report describes any log that decodes.
#include <algorithm>

#include <QDateTime>

#include "crash_capture/vt_crash_report_text_formatter.h"
#include "crash_capture/vt_crash_reporter_log.h"
#include "crash_reports/prepared_mac_crash_report.h"
#include "fuzz_support.h"

namespace {

using Limits = vlt::PreparedMacCrashReport;
const vlt::VTCrashReportLimits kLimits = {Limits::kMaximumThreads - 1, Limits::kMaximumFramesPerThread,
                                          Limits::kMaximumRegisters, Limits::kMaximumImages};

// A text as kept within limits: whole, or the front of a longer one.
bool sameText(const std::string& kept, const std::string& whole) {
    return kept == whole || (whole.size() > kLimits.textBytes && whole.starts_with(kept));
}
bool sameText(const std::optional<std::string>& kept, const std::optional<std::string>& whole) {
    return kept.has_value() == whole.has_value() && (!kept || sameText(*kept, *whole));
}

bool sameFrames(const std::vector<vlt::VTCrashReportStackFrameInfo>& kept,
                const std::vector<vlt::VTCrashReportStackFrameInfo>& whole) {
    const auto sameFrame = [](const auto& a, const auto& b) {
        return a.instructionPointer == b.instructionPointer && a.symbolInfo.has_value() == b.symbolInfo.has_value() &&
               (!a.symbolInfo || (sameText(a.symbolInfo->symbolName, b.symbolInfo->symbolName) &&
                                  a.symbolInfo->startAddress == b.symbolInfo->startAddress &&
                                  a.symbolInfo->endAddress == b.symbolInfo->endAddress));
    };
    return kept.size() == std::min(whole.size(), kLimits.framesPerThread) &&
           std::equal(kept.begin(), kept.end(), whole.begin(), sameFrame);
}

bool isCutFrom(const vlt::VTCrashReportThreadInfo& kept, const vlt::VTCrashReportThreadInfo* whole) {
    const auto sameRegister = [](const auto& a, const auto& b) {
        return sameText(a.registerName, b.registerName) && a.registerValue == b.registerValue;
    };
    return kept.threadNumber == whole->threadNumber && kept.crashed == whole->crashed &&
           sameFrames(kept.stackFrames, whole->stackFrames) &&
           kept.registers.size() == std::min(whole->registers.size(), kLimits.registersPerThread) &&
           std::equal(kept.registers.begin(), kept.registers.end(), whole->registers.begin(), sameRegister);
}

// Everything of a report but its lists of threads and images.
bool sameFacts(const vlt::VTCrashReport& kept, const vlt::VTCrashReport& whole) {
    const auto& system = kept.systemInfo();
    const auto& wholeSystem = whole.systemInfo();
    const bool sameSystem = system.operatingSystem == wholeSystem.operatingSystem &&
                            sameText(system.operatingSystemVersion, wholeSystem.operatingSystemVersion) &&
                            sameText(system.operatingSystemBuild, wholeSystem.operatingSystemBuild) &&
                            sameText(system.operatingSystemName, wholeSystem.operatingSystemName) &&
                            system.architecture == wholeSystem.architecture &&
                            system.timestamp == wholeSystem.timestamp &&
                            system.processorInfo == wholeSystem.processorInfo;
    const auto& machine = kept.machineInfo();
    const auto& wholeMachine = whole.machineInfo();
    const bool sameMachine = machine.has_value() == wholeMachine.has_value() &&
                             (!machine || (sameText(machine->modelName, wholeMachine->modelName) &&
                                           machine->processorInfo == wholeMachine->processorInfo &&
                                           machine->processorCount == wholeMachine->processorCount &&
                                           machine->logicalProcessorCount == wholeMachine->logicalProcessorCount));
    const auto& application = kept.applicationInfo();
    const auto& wholeApplication = whole.applicationInfo();
    const bool sameApplication =
        sameText(application.applicationIdentifier, wholeApplication.applicationIdentifier) &&
        sameText(application.applicationVersion, wholeApplication.applicationVersion) &&
        sameText(application.applicationMarketingVersion, wholeApplication.applicationMarketingVersion);
    const auto& process = kept.processInfo();
    const auto& wholeProcess = whole.processInfo();
    const bool sameProcess =
        process.has_value() == wholeProcess.has_value() &&
        (!process ||
         (sameText(process->processName, wholeProcess->processName) && process->processID == wholeProcess->processID &&
          sameText(process->processPath, wholeProcess->processPath) &&
          process->processStartTime == wholeProcess->processStartTime &&
          sameText(process->parentProcessName, wholeProcess->parentProcessName) &&
          process->parentProcessID == wholeProcess->parentProcessID && process->native == wholeProcess->native));
    const auto& signal = kept.signalInfo();
    const bool sameSignal = sameText(signal.name, whole.signalInfo().name) &&
                            sameText(signal.code, whole.signalInfo().code) &&
                            signal.address == whole.signalInfo().address;
    const auto& mach = kept.machExceptionInfo();
    const bool sameMach =
        mach.has_value() == whole.machExceptionInfo().has_value() &&
        (!mach || (mach->type == whole.machExceptionInfo()->type && mach->codes == whole.machExceptionInfo()->codes));
    const auto& exception = kept.exceptionInfo();
    const auto& wholeException = whole.exceptionInfo();
    const bool sameException =
        exception.has_value() == wholeException.has_value() &&
        (!exception ||
         (sameText(exception->exceptionName, wholeException->exceptionName) &&
          sameText(exception->exceptionReason, wholeException->exceptionReason) &&
          exception->stackFrames.has_value() == wholeException->stackFrames.has_value() &&
          (!exception->stackFrames || sameFrames(*exception->stackFrames, *wholeException->stackFrames))));
    const auto& custom = kept.customData();
    const auto& wholeCustom = whole.customData();
    const bool sameCustomData = custom.has_value() == wholeCustom.has_value() &&
                                (!custom || *custom == *wholeCustom ||
                                 (wholeCustom->size() > kLimits.textBytes && custom->size() == kLimits.textBytes &&
                                  std::equal(custom->begin(), custom->end(), wholeCustom->begin())));
    return sameSystem && sameMachine && sameApplication && sameProcess && sameSignal && sameMach && sameException &&
           sameCustomData && kept.uuidRef() == whole.uuidRef();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    vlt::setVTCrashReporterLogSink([](const std::string&) {});  // frames in no image are told there
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> log(data, size);
    const auto whole = vlt::VTCrashReport::fromData(log);
    const auto bounded = vlt::VTCrashReport::fromData(log, kLimits);
    const auto prepared = vlt::PreparedMacCrashReport::make(log, std::string(32, 'a'), false);
    vlt::fuzz::check(!prepared || bounded, "a report comes only from a log that decodes");
    const auto crashTime = bounded ? bounded.value().systemInfo().timestamp : std::nullopt;
    vlt::fuzz::check(!prepared || !crashTime ||
                         QDateTime::fromString(QString::fromStdString(prepared.value().request.report.crashAtUtc),
                                               Qt::ISODateWithMs) ==
                             QDateTime::fromSecsSinceEpoch(crashTime->time_since_epoch().count(), Qt::UTC),
                     "a report is dated at the moment its log names");
    if (!whole) return 0;
    vlt::fuzz::check(bounded.ok(), "a log that decodes whole decodes within limits");

    const auto& images = whole.value().images();
    const auto& keptImages = bounded.value().images();
    vlt::fuzz::check(keptImages.size() == std::min(images.size(), kLimits.images) &&
                         std::equal(keptImages.begin(), keptImages.end(), images.begin(),
                                    [](const auto& a, const auto& b) {
                                        return sameText(a.imageName(), b.imageName()) &&
                                               a.imageBaseAddress() == b.imageBaseAddress();
                                    }),
                     "within limits the images are the first of all");
    vlt::fuzz::check(sameFacts(bounded.value(), whole.value()),
                     "within limits everything but the lists is read as from the whole log");
    std::vector<const vlt::VTCrashReportThreadInfo*> expected;
    std::size_t crashed = 0, others = 0;
    for (const auto& thread : whole.value().threads()) {
        if (thread.crashed ? crashed++ < 2 : others++ < kLimits.otherThreads) expected.push_back(&thread);
    }
    const auto& keptThreads = bounded.value().threads();
    vlt::fuzz::check(keptThreads.size() == expected.size() &&
                         std::equal(keptThreads.begin(), keptThreads.end(), expected.begin(), isCutFrom),
                     "within limits the threads are the crashed ones and the first others, their stacks cut");
    vlt::fuzz::check(
        !vlt::VTCrashReportTextFormatter(vlt::VTCrashReportTextFormat::standard, vlt::VTCrashReportTextEncoding::utf8)
             .formatReport(whole.value())
             .empty(),
        "a log that decodes has a text report");
    return 0;
}

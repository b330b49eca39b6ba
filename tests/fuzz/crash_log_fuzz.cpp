// The pending crash log is read at every launch, whatever a crash, a damaged disk or
// another program left at its path: any bytes decode or fail cleanly; within the payload's
// limits a decode keeps the front of each list of the whole one (the crashed threads, two
// at most, and the first others, their stacks cut); a report comes only from a log that
// decodes, dated at the moment the log names; the text report describes any log that
// decodes.
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

bool isCutFrom(const vlt::VTCrashReportThreadInfo& kept, const vlt::VTCrashReportThreadInfo* whole) {
    const auto samePc = [](const auto& a, const auto& b) { return a.instructionPointer == b.instructionPointer; };
    return kept.threadNumber == whole->threadNumber && kept.crashed == whole->crashed &&
           kept.stackFrames.size() == std::min(whole->stackFrames.size(), kLimits.framesPerThread) &&
           std::equal(kept.stackFrames.begin(), kept.stackFrames.end(), whole->stackFrames.begin(), samePc) &&
           kept.registers.size() == std::min(whole->registers.size(), kLimits.registersPerThread);
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
                                        return a.imageName() == b.imageName() &&
                                               a.imageBaseAddress() == b.imageBaseAddress();
                                    }),
                     "within limits the images are the first of all");
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

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace vlt {

// How crash capture is set up; fixed once a reporter is made.
struct VTCrashReporterConfig {
    // Which crash handlers enabling installs.
    std::uint64_t signalHandlerType = 0;
    // Symbol sources for the frames of a log (bit 0: the images' symbol tables, bit 1:
    // the Objective-C metadata of Mach-O images); 0 writes no symbols.
    std::uint64_t symbolicationStrategy = 0;
    bool shouldRegisterUncaughtExceptionHandler = true;
    // The folder under which the component keeps its data; none means the user's cache folder.
    std::optional<std::filesystem::path> basePath;
    // The byte limit of a report file; 0 means none.
    std::uint64_t maxReportBytes = 1048576;
};

}  // namespace vlt

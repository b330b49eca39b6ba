#include "crash_capture/vt_crash_host_info.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <set>
#include <sys/utsname.h>
#include <unistd.h>
#include <utility>

#include "base/file_contents.h"
#include "crash_capture/vt_crash_reporter_log.h"

namespace vlt {

namespace {

constexpr std::size_t kMaximumFactFileBytes = 64 * 1024;

std::string readFact(const std::string& path) {
    std::string contents;
    if (readFileContents(path, kMaximumFactFileBytes, contents)) return {};
    while (!contents.empty() && (contents.back() == '\n' || contents.back() == ' ')) contents.pop_back();
    return contents;
}

// The number at the front of `text`, which is advanced past it; false when none is there.
bool takeNumber(std::string_view& text, std::uint64_t& out) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    if (error != std::errc()) return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

bool takeFullStop(std::string_view& text) {
    if (text.empty() || text.front() != '.') return false;
    text.remove_prefix(1);
    return true;
}

// Cores are told apart by their package and core numbers; a system without topology
// files counts each logical processor as a core.
std::uint32_t countCores(long logicalProcessors) {
    std::set<std::pair<std::string, std::string>> cores;
    for (long cpu = 0; cpu < logicalProcessors; ++cpu) {
        const std::string topology = "/sys/devices/system/cpu/cpu" + std::to_string(cpu) + "/topology/";
        const std::string core = readFact(topology + "core_id");
        if (!core.empty()) cores.emplace(readFact(topology + "physical_package_id"), core);
    }
    return cores.empty() ? static_cast<std::uint32_t>(logicalProcessors) : static_cast<std::uint32_t>(cores.size());
}

}  // namespace

std::optional<VTCrashHostInfo> VTCrashHostInfo::currentHostInfo() {
    utsname names{};
    if (::uname(&names) != 0) {
        const int error = errno;
        vtCrashReporterLog("Failed to fetch the kernel release " + std::to_string(error) + ": " + std::strerror(error));
        return std::nullopt;
    }
    VTCrashHostInfo info;
    info.kernelRelease_ = names.release;
    info.kernelVersion_ = kernelVersionFromRelease(info.kernelRelease_);
    info.machine_ = names.machine;

    const std::string osRelease = [] {
        const std::string etc = readFact("/etc/os-release");
        return etc.empty() ? readFact("/usr/lib/os-release") : etc;
    }();
    info.osPrettyName_ = osReleaseValue(osRelease, "PRETTY_NAME");
    info.osVersion_ = osReleaseValue(osRelease, "VERSION_ID");

    const std::string product = readFact("/sys/devices/virtual/dmi/id/product_name");
    if (!product.empty()) info.model_ = product;
    const long logical = ::sysconf(_SC_NPROCESSORS_CONF);
    if (logical > 0) {
        info.logicalProcessorCount_ = static_cast<std::uint32_t>(logical);
        info.processorCount_ = countCores(logical);
    }
    return info;
}

VTCrashKernelVersion VTCrashHostInfo::kernelVersionFromRelease(std::string_view release) {
    VTCrashKernelVersion version;
    std::string_view rest = release;
    const bool whole = takeNumber(rest, version.major) && takeFullStop(rest) && takeNumber(rest, version.minor) &&
                       takeFullStop(rest) && takeNumber(rest, version.revision);
    if (!whole) vtCrashReporterLog("Unexpected kernel release string format: " + std::string(release));
    return version;
}

std::string VTCrashHostInfo::osReleaseValue(std::string_view osRelease, std::string_view key) {
    while (!osRelease.empty()) {
        const std::size_t lineEnd = osRelease.find('\n');
        std::string_view line = osRelease.substr(0, lineEnd);
        osRelease.remove_prefix(lineEnd == std::string_view::npos ? osRelease.size() : lineEnd + 1);
        if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != '=') continue;
        std::string_view value = line.substr(key.size() + 1);
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        return std::string(value);
    }
    return {};
}

}  // namespace vlt

#include "crash_capture/vt_crash_process_info.h"

#include <charconv>
#include <climits>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "base/file_contents.h"
#include "crash_capture/vtcrash_utf8.h"

namespace vlt {

namespace {

constexpr std::size_t kMaximumProcFileBytes = 64 * 1024;
// The kernel keeps at most this many bytes of a process name, its NUL included.
constexpr std::size_t kProcessNameBytes = 16;
// Fields of /proc/PID/stat after the name: the parent is the second, the start time
// (in clock ticks since boot) the twentieth.
constexpr std::size_t kParentField = 1;
constexpr std::size_t kStartTimeField = 19;

std::optional<std::string> readProcFile(const std::string& path) {
    std::string contents;
    if (readFileContents(path, kMaximumProcFileBytes, contents)) return std::nullopt;
    return contents;
}

template <typename T>
bool parseNumber(std::string_view text, T& out) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end != text.data();
}

std::vector<std::string_view> splitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    while (!text.empty()) {
        const std::size_t start = text.find_first_not_of(' ');
        if (start == std::string_view::npos) break;
        text.remove_prefix(start);
        const std::size_t end = text.find(' ');
        fields.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end);
    }
    return fields;
}

// The value after "Key:" in a /proc status text.
std::string_view statusValue(std::string_view status, std::string_view key) {
    const std::size_t at = status.find("\n" + std::string(key) + ":");
    if (at == std::string_view::npos) return {};
    std::string_view value = status.substr(at + key.size() + 2);
    value = value.substr(0, value.find('\n'));
    const std::size_t start = value.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view() : value.substr(start);
}

// Seconds since 1970 at which the system booted.
std::optional<long long> bootTime() {
    const auto stat = readProcFile("/proc/stat");
    if (!stat) return std::nullopt;
    long long seconds = 0;
    const std::size_t at = stat->find("\nbtime ");
    if (at == std::string::npos || !parseNumber(std::string_view(*stat).substr(at + 7), seconds)) return std::nullopt;
    return seconds;
}

}  // namespace

std::optional<VTCrashProcessInfo> VTCrashProcessInfo::currentProcessInfo() { return forProcessID(::getpid()); }

std::optional<VTCrashProcessInfo> VTCrashProcessInfo::forProcessID(pid_t processID) {
    const std::string folder = "/proc/" + std::to_string(processID) + "/";
    const auto stat = readProcFile(folder + "stat");
    const auto status = readProcFile(folder + "status");
    if (!stat || !status) return std::nullopt;

    // 1. The name lies in parentheses and may itself hold any character, so the fields
    //    are counted from the last closing parenthesis.
    const std::size_t nameStart = stat->find('(');
    const std::size_t nameEnd = stat->rfind(')');
    if (nameStart == std::string::npos || nameEnd == std::string::npos || nameEnd < nameStart) return std::nullopt;
    const std::vector<std::string_view> fields = splitFields(std::string_view(*stat).substr(nameEnd + 1));
    VTCrashProcessInfo info;
    info.processID_ = processID;
    unsigned long long startTicks = 0;
    if (fields.size() <= kStartTimeField || !parseNumber(fields[kParentField], info.parentProcessID_) ||
        !parseNumber(fields[kStartTimeField], startTicks)) {
        return std::nullopt;
    }

    // 2. The name, cut to whole characters.
    const std::string_view name = std::string_view(*stat).substr(nameStart + 1, nameEnd - nameStart - 1);
    const std::size_t nameLength = vtcrash_utf8_valid_length(name.data(), std::min(name.size(), kProcessNameBytes));
    if (nameLength > 0) info.processName_ = std::string(name.substr(0, nameLength));

    // 3. The start time, from ticks since boot.
    const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
    const auto booted = bootTime();
    if (ticksPerSecond > 0 && booted) {
        const auto ticks = static_cast<unsigned long long>(ticksPerSecond);
        info.startTime_.tv_sec = static_cast<time_t>(*booted + static_cast<long long>(startTicks / ticks));
        info.startTime_.tv_usec = static_cast<suseconds_t>((startTicks % ticks) * 1000000 / ticks);
    }

    // 4. A tracer attached, and the executable.
    int tracer = 0;
    info.traced_ = parseNumber(statusValue(*status, "TracerPid"), tracer) && tracer != 0;
    char path[PATH_MAX];
    const ssize_t pathLength = ::readlink((folder + "exe").c_str(), path, sizeof path);
    if (pathLength > 0) info.executablePath_.assign(path, static_cast<std::size_t>(pathLength));
    return info;
}

}  // namespace vlt

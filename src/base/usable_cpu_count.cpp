#include "base/usable_cpu_count.h"

#include <sched.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <string>
#include <thread>

#include "base/file_contents.h"

namespace vlt {
namespace {

constexpr std::size_t kMaximumControlFileBytes = 4096;
const std::filesystem::path kControlGroupRoot = "/sys/fs/cgroup";

std::optional<long long> parseInteger(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.remove_suffix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int> processorsFor(std::optional<long long> quota, std::optional<long long> period) {
    if (!quota || !period || *quota <= 0 || *period <= 0) return std::nullopt;
    const long long processors = (*quota + *period - 1) / *period;
    return int(std::clamp<long long>(processors, 1, 1 << 20));
}

std::string fileText(const std::filesystem::path& path) {
    std::string text;
    if (readFileContents(path, kMaximumControlFileBytes, text)) return {};
    return text;
}

int affinityCount() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(CPU_COUNT(&set), 1);
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

bool namesCpuController(std::string_view controllers) {
    while (!controllers.empty()) {
        const std::size_t comma = std::min(controllers.find(','), controllers.size());
        if (controllers.substr(0, comma) == "cpu") return true;
        controllers.remove_prefix(std::min(comma + 1, controllers.size()));
    }
    return false;
}

// The smallest quota on the way from the process's own control group up to the root:
// every group on that way limits it.
std::optional<int> quotaProcessors() {
    std::optional<int> smallest;
    const auto keep = [&smallest](std::optional<int> processors) {
        if (processors) smallest = std::min(smallest.value_or(*processors), *processors);
    };
    const std::string groups = fileText("/proc/self/cgroup");
    std::size_t start = 0;
    while (start < groups.size()) {
        const std::size_t end = std::min(groups.find('\n', start), groups.size());
        const std::string_view line(groups.data() + start, end - start);
        start = end + 1;
        // "0::/path" is cgroup v2; "N:cpu,cpuacct:/path" names v1's cpu controller.
        const std::size_t first = line.find(':');
        const std::size_t second = line.find(':', first + 1);
        if (first == std::string_view::npos || second == std::string_view::npos) continue;
        const std::string_view controllers = line.substr(first + 1, second - first - 1);
        const bool unified = controllers.empty();
        if (!unified && !namesCpuController(controllers)) continue;
        const std::filesystem::path hierarchy = unified ? kControlGroupRoot : kControlGroupRoot / controllers;
        for (std::filesystem::path group = std::filesystem::path(line.substr(second + 1)).relative_path();;
             group = group.parent_path()) {
            const std::filesystem::path folder = hierarchy / group;
            keep(unified ? cpuQuotaProcessors(fileText(folder / "cpu.max"))
                         : cpuQuotaProcessors(fileText(folder / "cpu.cfs_quota_us"),
                                              fileText(folder / "cpu.cfs_period_us")));
            if (group.empty()) break;
        }
    }
    return smallest;
}

}  // namespace

std::optional<int> cpuQuotaProcessors(std::string_view cpuMax) {
    const std::size_t blank = cpuMax.find(' ');
    if (blank == std::string_view::npos) return std::nullopt;
    return processorsFor(parseInteger(cpuMax.substr(0, blank)), parseInteger(cpuMax.substr(blank + 1)));
}

std::optional<int> cpuQuotaProcessors(std::string_view quotaMicroseconds, std::string_view periodMicroseconds) {
    return processorsFor(parseInteger(quotaMicroseconds), parseInteger(periodMicroseconds));
}

int usableCpuCount() {
    const int affinity = affinityCount();
    const std::optional<int> quota = quotaProcessors();
    return quota ? std::min(affinity, *quota) : affinity;
}

}  // namespace vlt

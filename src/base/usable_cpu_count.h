#pragma once

#include <optional>
#include <string_view>

namespace vlt {

// The processors this process may actually use: those of the calling thread's
// affinity mask, fewer where the control group's CPU quota allows less (a quota of
// 1.5 processors counts as 2). Never below 1. Thread pools are sized from this, not
// from the machine's core count, which says 8 under a 2-core mask.
int usableCpuCount();

// The processors a control group quota allows, rounded up: from cgroup v2's
// "cpu.max" text ("150000 100000"; "max 100000" is no limit) or from cgroup v1's
// quota and period in microseconds (a quota of -1 is no limit). None without a limit
// or for text that is not a quota.
std::optional<int> cpuQuotaProcessors(std::string_view cpuMax);
std::optional<int> cpuQuotaProcessors(std::string_view quotaMicroseconds, std::string_view periodMicroseconds);

}  // namespace vlt

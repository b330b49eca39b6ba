#pragma once

#include <optional>
#include <string>

// What the benchmarks that run their cases in processes of their own share.
namespace vlt::bench {

// A memory figure of this process from /proc/self/status ("VmRSS:", "VmHWM:"), in
// kilobytes; -1 where it cannot be read.
long processKilobytes(const char* field);

// The value of --name=value among the arguments, or "" for a bare --name, removed from
// them so that the benchmark library does not refuse it.
std::optional<std::string> takeFlag(int& argc, char** argv, const std::string& name);

}  // namespace vlt::bench

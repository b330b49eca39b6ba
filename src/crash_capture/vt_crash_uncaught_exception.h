#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vlt {

// An exception that no code caught, as a crash log records it.
struct VTCrashUncaughtException {
    // The exception's type name.
    std::string name;
    // What it says of itself; empty when it says nothing.
    std::string reason;
    // Where it was thrown from, innermost first; may be empty.
    std::vector<std::uint64_t> callStackReturnAddresses;
};

}  // namespace vlt

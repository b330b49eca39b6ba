#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vlt {

// How much of a crash log's lists a bounded decode keeps, from the front and in file
// order: enough for a report of fixed size, whatever the log holds. Besides the other
// threads, the first two crashed threads are kept, so that a log that marks several still
// shows it. An exception's backtrace is cut like a thread's stack.
struct VTCrashReportLimits {
    std::size_t otherThreads = 0;
    std::size_t framesPerThread = 0;
    std::size_t registersPerThread = 0;
    std::size_t images = 0;
};

// The CrashReport message (the log after its header) with what lies beyond the limits
// left out, and with every field that the schema does not know, at any depth. The lists
// that are kept are copied as they stand, so decoding the result gives the beginning of
// what decoding the whole message gives. Mach exception codes are kept up to the number
// that the reader refuses. None when the message is not well-formed protobuf.
std::optional<std::string> boundedCrashLogMessage(std::span<const std::uint8_t> message,
                                                  const VTCrashReportLimits& limits);

}  // namespace vlt

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vlt {

// How much of a crash log a bounded decode keeps: of its lists, the front in file order,
// enough for a report of fixed size, whatever the log holds. Besides the other threads,
// the first two crashed threads are kept, so that a log that marks several still shows it.
// An exception's backtrace is cut like a thread's stack. Texts and byte strings keep
// their first `textBytes` (texts in whole UTF-8 characters).
struct VTCrashReportLimits {
    std::size_t otherThreads = 0;
    std::size_t framesPerThread = 0;
    std::size_t registersPerThread = 0;
    std::size_t images = 0;
    std::size_t textBytes = 64 * 1024;
};

// The CrashReport message (the log after its header) with what lies beyond the limits
// left out, and with every field that the schema does not know, at any depth. The lists
// that are kept are copied as they stand, so decoding the result gives the beginning of
// what decoding the whole message gives. A field that is no list but is given again and
// again costs no more than once: of a message, its appearances become one, as the
// decoder merges them; of anything else, the last one stays, as the decoder keeps it,
// with the first of each other wire type, which the decoder may refuse. Mach exception
// codes are kept up to the number that the reader refuses. None when the message is not
// well-formed protobuf, or when an appearance of a message lacks a field that the decoder
// requires of each.
std::optional<std::string> boundedCrashLogMessage(std::span<const std::uint8_t> message,
                                                  const VTCrashReportLimits& limits);

}  // namespace vlt

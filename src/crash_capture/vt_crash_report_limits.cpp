#include "crash_capture/vt_crash_report_limits.h"

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <string_view>

#include "crash_capture/crash_log.pb-c.h"

namespace vlt {

namespace {

// The mach exception codes the reader still reads; one more and it refuses the log.
constexpr std::size_t kMachExceptionCodesKept = 256;
// Crashed threads kept: one is what a report needs, a second tells that there are several.
constexpr std::size_t kCrashedThreadsKept = 2;

// Field numbers of crash_log.proto.
constexpr std::uint32_t kReportThreads = 3, kReportImages = 4;
constexpr std::uint32_t kThreadFrames = 2, kThreadCrashed = 3, kThreadRegisters = 4;

enum WireType : std::uint8_t { varint = 0, fixed64 = 1, lengthDelimited = 2, fixed32 = 5 };

// One field as it stands in the bytes: its number, its wire type, the whole field (key
// included), whether any bit after the key is set (the runtime reads a flag so, whatever
// the wire type: a length prefix counts) and, for a length-delimited field, its contents.
struct WireField {
    std::uint32_t number = 0;
    std::uint8_t wireType = 0;
    std::span<const std::uint8_t> whole;
    std::span<const std::uint8_t> contents;
    bool nonZero = false;
};

// Reads fields with the protobuf-c runtime's own rules, so that what it would refuse is
// refused here too: keys of at most 5 bytes and never field 0, varints of at most 10
// bytes, lengths of at most 5 bytes that fit in what is left, no groups.
class WireReader {
public:
    explicit WireReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool atEnd() const { return position_ == bytes_.size(); }

    bool next(WireField& field) {
        const std::size_t start = position_;
        if ((bytes_[position_] & 0xF8) == 0) return false;
        std::uint64_t key = 0;
        if (!readVarint(5, key)) return false;
        field.number = static_cast<std::uint32_t>(key >> 3);
        field.wireType = static_cast<std::uint8_t>(key & 7);
        const std::size_t valueStart = position_;
        // A varint's value, or a length-delimited field's length.
        std::uint64_t value = 0;
        switch (field.wireType) {
        case varint:
            if (!readVarint(10, value)) return false;
            break;
        case fixed64:
            if (!skip(8)) return false;
            break;
        case fixed32:
            if (!skip(4)) return false;
            break;
        case lengthDelimited:
            if (!readVarint(5, value) || value > bytes_.size() - position_) return false;
            field.contents = bytes_.subspan(position_, static_cast<std::size_t>(value));
            position_ += static_cast<std::size_t>(value);
            break;
        default:
            return false;
        }
        field.whole = bytes_.subspan(start, position_ - start);
        field.nonZero =
            std::any_of(bytes_.begin() + std::ptrdiff_t(valueStart), bytes_.begin() + std::ptrdiff_t(position_),
                        [](std::uint8_t byte) { return (byte & 0x7F) != 0; });
        return true;
    }

    // For the elements of a packed field.
    bool nextElement(std::uint8_t wireType, std::span<const std::uint8_t>& element) {
        const std::size_t start = position_;
        std::uint64_t ignored = 0;
        const bool read = wireType == varint ? readVarint(10, ignored) : wireType == fixed64 ? skip(8) : skip(4);
        element = bytes_.subspan(start, position_ - start);
        return read;
    }

private:
    bool readVarint(std::size_t maximumBytes, std::uint64_t& value) {
        value = 0;
        for (std::size_t index = 0; index < maximumBytes && position_ < bytes_.size(); ++index) {
            const std::uint8_t byte = bytes_[position_++];
            value |= std::uint64_t(byte & 0x7F) << (7 * index);
            if ((byte & 0x80) == 0) return true;
        }
        return false;
    }
    bool skip(std::size_t count) {
        if (count > bytes_.size() - position_) return false;
        position_ += count;
        return true;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

void appendVarint(std::string& out, std::uint64_t value) {
    while (value >= 0x80) {
        out.push_back(static_cast<char>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<char>(value));
}

void appendLengthDelimited(std::string& out, std::uint32_t number, std::string_view contents) {
    appendVarint(out, (std::uint64_t(number) << 3) | lengthDelimited);
    appendVarint(out, contents.size());
    out.append(contents);
}

void appendBytes(std::string& out, std::span<const std::uint8_t> bytes) {
    out.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::uint8_t scalarWireType(ProtobufCType type) {
    switch (type) {
    case PROTOBUF_C_TYPE_SFIXED32:
    case PROTOBUF_C_TYPE_FIXED32:
    case PROTOBUF_C_TYPE_FLOAT:
        return fixed32;
    case PROTOBUF_C_TYPE_SFIXED64:
    case PROTOBUF_C_TYPE_FIXED64:
    case PROTOBUF_C_TYPE_DOUBLE:
        return fixed64;
    default:
        return varint;
    }
}

// The most fields a message of the schema has.
constexpr std::size_t kMostFields = 10;

// What one message (or, for a message field that appears more than once and is merged,
// every appearance of it) has kept so far, by the field's place in its descriptor:
// elements per repeated field, and the same for each message field within it.
struct KeptCounts {
    std::array<std::size_t, kMostFields> elements{};
    std::array<std::unique_ptr<KeptCounts>, kMostFields> messages;

    KeptCounts& of(std::size_t place) {
        if (!messages[place]) messages[place] = std::make_unique<KeptCounts>();
        return *messages[place];
    }
};

// The schema's field of that number, and its place; none for a field the schema lacks.
const ProtobufCFieldDescriptor* fieldOf(const ProtobufCMessageDescriptor& message, std::uint32_t number,
                                        std::size_t& place) {
    for (place = 0; place < message.n_fields && place < kMostFields; ++place) {
        if (message.fields[place].id == number) return &message.fields[place];
    }
    return nullptr;
}

// A thread's crashed flag as the unpack reads it: the last one given.
bool isCrashedThread(std::span<const std::uint8_t> thread) {
    WireReader reader(thread);
    WireField field;
    bool crashed = false;
    while (!reader.atEnd() && reader.next(field)) {
        if (field.number == kThreadCrashed) crashed = field.nonZero;
    }
    return crashed;
}

class BoundedCopy {
public:
    explicit BoundedCopy(const VTCrashReportLimits& limits) : limits_(limits) {}

    bool copyMessage(const ProtobufCMessageDescriptor& message, std::span<const std::uint8_t> bytes, KeptCounts& kept,
                     std::string& out) {
        WireReader reader(bytes);
        WireField field;
        std::size_t place = 0;
        while (!reader.atEnd()) {
            if (!reader.next(field)) return false;
            const ProtobufCFieldDescriptor* known = fieldOf(message, field.number, place);
            // Unknown fields would only be stored and never read.
            if (known == nullptr) continue;
            const auto* fieldMessage = known->type == PROTOBUF_C_TYPE_MESSAGE && field.wireType == lengthDelimited
                                           ? static_cast<const ProtobufCMessageDescriptor*>(known->descriptor)
                                           : nullptr;
            if (known->label != PROTOBUF_C_LABEL_REPEATED) {
                // A field of the wrong wire type is copied as it stands: the unpack refuses it.
                if (fieldMessage == nullptr) {
                    appendBytes(out, field.whole);
                    continue;
                }
                std::string contents;
                if (!copyMessage(*fieldMessage, field.contents, kept.of(place), contents)) return false;
                appendLengthDelimited(out, field.number, contents);
                continue;
            }
            const std::size_t limit = limitOf(message, field.number);
            std::size_t& count = kept.elements[place];
            if (fieldMessage != nullptr) {
                if (!copyElement(message, field, *fieldMessage, limit, count, out)) return false;
            } else if (field.wireType == lengthDelimited && known->type != PROTOBUF_C_TYPE_STRING &&
                       known->type != PROTOBUF_C_TYPE_BYTES) {
                if (!copyPacked(field, scalarWireType(known->type), limit, count, out)) return false;
            } else if (count < limit) {
                ++count;
                appendBytes(out, field.whole);
            }
        }
        return true;
    }

private:
    // Elements past the limit are left out unread; crashed threads come on top of the others.
    bool copyElement(const ProtobufCMessageDescriptor& message, const WireField& field,
                     const ProtobufCMessageDescriptor& element, std::size_t limit, std::size_t& count,
                     std::string& out) {
        const bool isThread = &message == &vtcrash__crash_report__descriptor && field.number == kReportThreads;
        // Once both kinds of thread are full, the rest need not be looked into.
        if (isThread && count >= limit && crashedThreads_ >= kCrashedThreadsKept) return true;
        const bool crashed = isThread && isCrashedThread(field.contents);
        std::size_t& kept = crashed ? crashedThreads_ : count;
        if (kept >= (crashed ? kCrashedThreadsKept : limit)) return true;
        ++kept;
        KeptCounts fresh;
        std::string contents;
        if (!copyMessage(element, field.contents, fresh, contents)) return false;
        appendLengthDelimited(out, field.number, contents);
        return true;
    }

    static bool copyPacked(const WireField& field, std::uint8_t elementWireType, std::size_t limit, std::size_t& count,
                           std::string& out) {
        WireReader reader(field.contents);
        std::string kept;
        std::span<const std::uint8_t> element;
        while (!reader.atEnd()) {
            if (!reader.nextElement(elementWireType, element)) return false;
            if (count >= limit) continue;
            ++count;
            appendBytes(kept, element);
        }
        if (!kept.empty()) appendLengthDelimited(out, field.number, kept);
        return true;
    }

    std::size_t limitOf(const ProtobufCMessageDescriptor& message, std::uint32_t number) const {
        if (&message == &vtcrash__crash_report__descriptor) {
            if (number == kReportThreads) return limits_.otherThreads;
            if (number == kReportImages) return limits_.images;
        }
        if (&message == &vtcrash__crash_report__thread__descriptor) {
            if (number == kThreadFrames) return limits_.framesPerThread;
            if (number == kThreadRegisters) return limits_.registersPerThread;
        }
        if (&message == &vtcrash__crash_report__exception__descriptor) return limits_.framesPerThread;
        if (&message == &vtcrash__crash_report__signal__mach_exception__descriptor) return kMachExceptionCodesKept;
        return std::numeric_limits<std::size_t>::max();
    }

    const VTCrashReportLimits& limits_;
    std::size_t crashedThreads_ = 0;
};

}  // namespace

std::optional<std::string> boundedCrashLogMessage(std::span<const std::uint8_t> message,
                                                  const VTCrashReportLimits& limits) {
    KeptCounts kept;
    std::string out;
    BoundedCopy copy(limits);
    if (!copy.copyMessage(vtcrash__crash_report__descriptor, message, kept, out)) return std::nullopt;
    return out;
}

}  // namespace vlt

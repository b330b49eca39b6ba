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
// included), its value (a length-delimited field's with its length) and, for a
// length-delimited field, its contents.
struct WireField {
    std::uint32_t number = 0;
    std::uint8_t wireType = 0;
    std::span<const std::uint8_t> whole;
    std::span<const std::uint8_t> value;
    std::span<const std::uint8_t> contents;

    // A flag as the runtime reads it, whatever the wire type: set when any bit after the
    // key is, a length prefix's included.
    bool isFlagSet() const {
        return std::any_of(value.begin(), value.end(), [](std::uint8_t byte) { return (byte & 0x7F) != 0; });
    }
};

// Reads fields with the protobuf-c runtime's own rules, so that what it would refuse is
// refused here too: keys of at most 5 bytes and never field 0, varints of at most 10
// bytes, lengths of at most 5 bytes that fit in what is left, no groups.
class WireReader {
public:
    explicit WireReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool atEnd() const { return position_ == bytes_.size(); }

    [[gnu::always_inline]] bool next(WireField& field) {
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
        field.value = bytes_.subspan(valueStart, position_ - valueStart);
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
    [[gnu::always_inline]] bool readVarint(std::size_t maximumBytes, std::uint64_t& value) {
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
// The wire types a field can be read with: varint, fixed64, length-delimited, fixed32.
constexpr std::size_t kWireTypes = 4;

std::size_t wireTypeIndex(std::uint8_t wireType) {
    switch (wireType) {
    case varint:
        return 0;
    case fixed64:
        return 1;
    case lengthDelimited:
        return 2;
    default:
        return 3;
    }
}

// The schema's field of that number, and its place; none for a field the schema lacks.
const ProtobufCFieldDescriptor* fieldOf(const ProtobufCMessageDescriptor& message, std::uint32_t number,
                                        std::size_t& place) {
    // The generated descriptors list fields by number, and most messages number theirs from 1.
    place = number - 1;
    if (number >= 1 && place < message.n_fields && place < kMostFields && message.fields[place].id == number) {
        return &message.fields[place];
    }
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
        if (field.number == kThreadCrashed) crashed = field.isFlagSet();
    }
    return crashed;
}

// The first `limit` bytes of a text or byte string; a text is cut before a UTF-8
// character that would not fit whole.
std::span<const std::uint8_t> cutContents(std::span<const std::uint8_t> contents, std::size_t limit, bool isText) {
    if (contents.size() <= limit) return contents;
    std::size_t length = limit;
    while (isText && length > 0 && (contents[length] & 0xC0) == 0x80) --length;
    return contents.first(length);
}

// What stays of a field that is no list and no message, however often it is given: the
// last one, which the decoder keeps, and before it the first of each other wire type, so
// that one the decoder refuses is still refused.
class SingleField {
public:
    void take(const WireField& field) {
        bool& seen = seenWireType_[wireTypeIndex(field.wireType)];
        if (!seen) firsts_[firstCount_++] = field;
        seen = true;
        last_ = field;
    }

    // In file order.
    template <typename Write>
    void forEachKept(Write write) const {
        if (firstCount_ == 0) return;
        for (std::size_t index = 0; index < firstCount_; ++index) write(firsts_[index]);
        // The last one comes after every first one, or is the latest of them.
        if (last_.whole.data() != firsts_[firstCount_ - 1].whole.data()) write(last_);
    }

private:
    std::array<bool, kWireTypes> seenWireType_{};
    std::array<WireField, kWireTypes> firsts_;
    std::size_t firstCount_ = 0;
    WireField last_;
};

// What is shared by every message of one copy.
struct CopyState {
    const VTCrashReportLimits& limits;
    std::size_t crashedThreads = 0;
};

// One message of the copy, fed its appearances one after the other: the decoder merges
// them as if their bytes followed one another, so lists run on across them, and a message
// field that is no list is itself one message fed by each of its appearances. Each
// appearance must stand on its own, as the decoder reads it before merging.
class MessageCopy {
public:
    MessageCopy(const ProtobufCMessageDescriptor& message, CopyState& state) : message_(message), state_(state) {}

    // False when the appearance is not well-formed or lacks a field that the decoder
    // requires of it (one that the schema marks required and gives no default).
    bool feed(std::span<const std::uint8_t> bytes) {
        std::array<bool, kMostFields> given{};
        WireReader reader(bytes);
        WireField field;
        std::size_t place = 0;
        while (!reader.atEnd()) {
            if (!reader.next(field)) return false;
            const ProtobufCFieldDescriptor* known = fieldOf(message_, field.number, place);
            // Unknown fields would only be stored and never read.
            if (known == nullptr) continue;
            given[place] = true;
            const auto* fieldMessage = known->type == PROTOBUF_C_TYPE_MESSAGE && field.wireType == lengthDelimited
                                           ? static_cast<const ProtobufCMessageDescriptor*>(known->descriptor)
                                           : nullptr;
            if (known->label == PROTOBUF_C_LABEL_REPEATED) {
                if (!copyListed(*known, place, field, fieldMessage)) return false;
            } else if (fieldMessage != nullptr) {
                auto& merged = merged_[place];
                if (!merged) merged = std::make_unique<MessageCopy>(*fieldMessage, state_);
                if (!merged->feed(field.contents)) return false;
            } else {
                // Anything else that is no list, a message of the wrong wire type (which the
                // decoder refuses) included.
                singles_[place].take(field);
            }
        }
        for (place = 0; place < message_.n_fields && place < kMostFields; ++place) {
            const ProtobufCFieldDescriptor& known = message_.fields[place];
            if (known.label == PROTOBUF_C_LABEL_REQUIRED && known.default_value == nullptr && !given[place]) {
                return false;
            }
        }
        return true;
    }

    // The lists as kept, then the fields that are no list: the decoder minds no order
    // between fields. Once only.
    std::string finish() {
        std::string out = std::move(lists_);
        for (std::size_t place = 0; place < message_.n_fields && place < kMostFields; ++place) {
            const ProtobufCFieldDescriptor& known = message_.fields[place];
            const bool isText = known.type == PROTOBUF_C_TYPE_STRING;
            singles_[place].forEachKept([&](const WireField& field) {
                if (field.wireType != lengthDelimited) {
                    appendBytes(out, field.whole);
                    return;
                }
                const auto contents = cutContents(field.contents, state_.limits.textBytes, isText);
                appendLengthDelimited(
                    out, field.number,
                    std::string_view(reinterpret_cast<const char*>(contents.data()), contents.size()));
            });
            if (merged_[place]) appendLengthDelimited(out, known.id, merged_[place]->finish());
        }
        return out;
    }

private:
    bool copyListed(const ProtobufCFieldDescriptor& known, std::size_t place, const WireField& field,
                    const ProtobufCMessageDescriptor* fieldMessage) {
        const std::size_t limit = limitOf(field.number);
        std::size_t& count = kept_[place];
        if (fieldMessage != nullptr) return copyElement(field, *fieldMessage, limit, count);
        if (field.wireType == lengthDelimited && known.type != PROTOBUF_C_TYPE_STRING &&
            known.type != PROTOBUF_C_TYPE_BYTES) {
            return copyPacked(field, scalarWireType(known.type), limit, count);
        }
        if (count < limit) {
            ++count;
            appendBytes(lists_, field.whole);
        }
        return true;
    }

    // Elements past the limit are left out unread; crashed threads come on top of the others.
    bool copyElement(const WireField& field, const ProtobufCMessageDescriptor& element, std::size_t limit,
                     std::size_t& count) {
        const bool isThread = &message_ == &vtcrash__crash_report__descriptor && field.number == kReportThreads;
        // Once both kinds of thread are full, the rest need not be looked into.
        if (isThread && count >= limit && state_.crashedThreads >= kCrashedThreadsKept) return true;
        const bool crashed = isThread && isCrashedThread(field.contents);
        std::size_t& kept = crashed ? state_.crashedThreads : count;
        if (kept >= (crashed ? kCrashedThreadsKept : limit)) return true;
        ++kept;
        MessageCopy copy(element, state_);
        if (!copy.feed(field.contents)) return false;
        appendLengthDelimited(lists_, field.number, copy.finish());
        return true;
    }

    bool copyPacked(const WireField& field, std::uint8_t elementWireType, std::size_t limit, std::size_t& count) {
        WireReader reader(field.contents);
        std::string kept;
        std::span<const std::uint8_t> element;
        while (!reader.atEnd()) {
            if (!reader.nextElement(elementWireType, element)) return false;
            if (count >= limit) continue;
            ++count;
            appendBytes(kept, element);
        }
        if (!kept.empty()) appendLengthDelimited(lists_, field.number, kept);
        return true;
    }

    std::size_t limitOf(std::uint32_t number) const {
        const VTCrashReportLimits& limits = state_.limits;
        if (&message_ == &vtcrash__crash_report__descriptor) {
            if (number == kReportThreads) return limits.otherThreads;
            if (number == kReportImages) return limits.images;
        }
        if (&message_ == &vtcrash__crash_report__thread__descriptor) {
            if (number == kThreadFrames) return limits.framesPerThread;
            if (number == kThreadRegisters) return limits.registersPerThread;
        }
        if (&message_ == &vtcrash__crash_report__exception__descriptor) return limits.framesPerThread;
        if (&message_ == &vtcrash__crash_report__signal__mach_exception__descriptor) return kMachExceptionCodesKept;
        return std::numeric_limits<std::size_t>::max();
    }

    const ProtobufCMessageDescriptor& message_;
    CopyState& state_;
    std::string lists_;
    std::array<std::size_t, kMostFields> kept_{};
    std::array<SingleField, kMostFields> singles_;
    std::array<std::unique_ptr<MessageCopy>, kMostFields> merged_;
};

}  // namespace

std::optional<std::string> boundedCrashLogMessage(std::span<const std::uint8_t> message,
                                                  const VTCrashReportLimits& limits) {
    CopyState state{limits};
    MessageCopy report(vtcrash__crash_report__descriptor, state);
    if (!report.feed(message)) return std::nullopt;
    return report.finish();
}

}  // namespace vlt

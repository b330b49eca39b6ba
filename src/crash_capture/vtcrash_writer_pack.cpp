#include "crash_capture/vtcrash_writer_pack.h"

#include <bit>

#include "crash_capture/async/vtcrash_async_leb128.h"
#include "crash_capture/async/vtcrash_async_string.h"

namespace {

// Fixed-width values are copied as they lie in memory, which is the wire's order here.
static_assert(std::endian::native == std::endian::little);

enum WireType : uint32_t {
    kWireVarint = 0,
    kWireFixed64 = 1,
    kWireLengthDelimited = 2,
    kWireFixed32 = 5,
};
constexpr unsigned kWireTypeBits = 3;

// Room for a key and one varint or fixed value.
struct FieldHead {
    uint8_t bytes[2 * VTCRASH_LEB128_MAX_BYTES];
    size_t length = 0;

    void varint(uint64_t value) { length += vtcrash_async_uleb128_encode(value, bytes + length); }
    void key(uint32_t field_id, WireType wire) { varint((static_cast<uint64_t>(field_id) << kWireTypeBits) | wire); }
    void fixed(const void* value, size_t width) {
        vtcrash_async_memcpy(bytes + length, value, width);
        length += width;
    }
};

// Signed numbers with small magnitudes stay short: 0, -1, 1, -2 ... become 0, 1, 2, 3 ...
// (C++20 shifts negative numbers arithmetically).
uint64_t zigzag32(int32_t value) { return (static_cast<uint32_t>(value) << 1) ^ static_cast<uint32_t>(value >> 31); }

uint64_t zigzag64(int64_t value) { return (static_cast<uint64_t>(value) << 1) ^ static_cast<uint64_t>(value >> 63); }

template <typename T>
T load(const void* value) {
    T result;
    vtcrash_async_memcpy(&result, value, sizeof(T));
    return result;
}

}  // namespace

size_t vtcrash_writer_pack(vtcrash_async_file* file, uint32_t field_id, ProtobufCType field_type, const void* value) {
    FieldHead head;
    const void* payload = nullptr;
    size_t payload_length = 0;

    switch (field_type) {
    case PROTOBUF_C_TYPE_INT32:
    case PROTOBUF_C_TYPE_ENUM:
        // Negative values are sign-extended to 64 bits, as every protobuf reader expects.
        head.key(field_id, kWireVarint);
        head.varint(static_cast<uint64_t>(static_cast<int64_t>(load<int32_t>(value))));
        break;
    case PROTOBUF_C_TYPE_SINT32:
        head.key(field_id, kWireVarint);
        head.varint(zigzag32(load<int32_t>(value)));
        break;
    case PROTOBUF_C_TYPE_SFIXED32:
    case PROTOBUF_C_TYPE_FIXED32:
    case PROTOBUF_C_TYPE_FLOAT:
        head.key(field_id, kWireFixed32);
        head.fixed(value, 4);
        break;
    case PROTOBUF_C_TYPE_INT64:
        head.key(field_id, kWireVarint);
        head.varint(static_cast<uint64_t>(load<int64_t>(value)));
        break;
    case PROTOBUF_C_TYPE_SINT64:
        head.key(field_id, kWireVarint);
        head.varint(zigzag64(load<int64_t>(value)));
        break;
    case PROTOBUF_C_TYPE_SFIXED64:
    case PROTOBUF_C_TYPE_FIXED64:
    case PROTOBUF_C_TYPE_DOUBLE:
        head.key(field_id, kWireFixed64);
        head.fixed(value, 8);
        break;
    case PROTOBUF_C_TYPE_UINT32:
        head.key(field_id, kWireVarint);
        head.varint(load<uint32_t>(value));
        break;
    case PROTOBUF_C_TYPE_UINT64:
        head.key(field_id, kWireVarint);
        head.varint(load<uint64_t>(value));
        break;
    case PROTOBUF_C_TYPE_BOOL:
        // Any stored non-zero byte is true; a raw byte of 128 or more would not be a varint.
        head.key(field_id, kWireVarint);
        head.varint(load<uint8_t>(value) != 0 ? 1 : 0);
        break;
    case PROTOBUF_C_TYPE_STRING:
        payload = value;
        payload_length = vtcrash_async_strlen(static_cast<const char*>(value));
        head.key(field_id, kWireLengthDelimited);
        head.varint(payload_length);
        break;
    case PROTOBUF_C_TYPE_BYTES: {
        const auto bytes = load<vtcrash_writer_bytes>(value);
        payload = bytes.data;
        payload_length = static_cast<uint32_t>(bytes.length);
        head.key(field_id, kWireLengthDelimited);
        head.varint(payload_length);
        break;
    }
    case PROTOBUF_C_TYPE_MESSAGE:
        head.key(field_id, kWireLengthDelimited);
        head.varint(load<uint32_t>(value));
        break;
    default:
        return 0;
    }

    // The file's answers are not checked here: a refused or failed write shows when the
    // caller flushes and closes the file.
    if (file != nullptr) {
        vtcrash_async_file_write(file, head.bytes, head.length);
        if (payload_length != 0) vtcrash_async_file_write(file, payload, payload_length);
    }
    return head.length + payload_length;
}

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <unistd.h>

#include "crash_capture/field_types.pb-c.h"
#include "crash_capture/vtcrash_writer_pack.h"

namespace {

struct PackedField {
    ProtobufCType type;
    const void* value;
    size_t expectedSize;
};

// Field numbers follow the type codes (code + 1); numbers above 15 take a two-byte key.
uint32_t fieldOf(ProtobufCType type) { return static_cast<uint32_t>(type) + 1; }

// The types the crash log writer packs.
TEST(VTCrashWriterPackTest, EveryFieldTypeOfTheLogUnpacksWithProtobufC) {
    const int32_t enumValue = -1;
    const int64_t int64Value = -5;
    const uint32_t uint32Value = 300;
    const uint64_t uint64Value = std::numeric_limits<uint64_t>::max();
    const bool boolValue = true;
    const char* stringValue = "grüße";
    const uint8_t rawBytes[] = {0, 1, 2};
    const vtcrash_writer_bytes bytesValue{sizeof(rawBytes), rawBytes};
    const uint64_t repeated[] = {1, 128};

    const PackedField fields[] = {
        {PROTOBUF_C_TYPE_INT64, &int64Value, 11},  // a negative value takes ten bytes
        {PROTOBUF_C_TYPE_UINT32, &uint32Value, 3}, {PROTOBUF_C_TYPE_UINT64, &uint64Value, 11},
        {PROTOBUF_C_TYPE_BOOL, &boolValue, 2},     {PROTOBUF_C_TYPE_ENUM, &enumValue, 11},
        {PROTOBUF_C_TYPE_STRING, stringValue, 9},  {PROTOBUF_C_TYPE_BYTES, &bytesValue, 6},
    };

    std::FILE* scratch = std::tmpfile();
    vtcrash_async_file file;
    vtcrash_async_file_init(&file, ::dup(fileno(scratch)), 0);
    size_t total = 0;
    for (const PackedField& field : fields) {
        SCOPED_TRACE(field.type);
        EXPECT_EQ(vtcrash_writer_pack(nullptr, fieldOf(field.type), field.type, field.value), field.expectedSize);
        total += vtcrash_writer_pack(&file, fieldOf(field.type), field.type, field.value);
    }
    // A nested message: measured by a dry run, then key, length and body.
    const uint32_t nestedLength = uint32_t(vtcrash_writer_pack(nullptr, 7, PROTOBUF_C_TYPE_UINT32, &uint32Value) +
                                           vtcrash_writer_pack(nullptr, 15, PROTOBUF_C_TYPE_STRING, "x"));
    total += vtcrash_writer_pack(&file, fieldOf(PROTOBUF_C_TYPE_MESSAGE), PROTOBUF_C_TYPE_MESSAGE, &nestedLength);
    total += vtcrash_writer_pack(&file, 7, PROTOBUF_C_TYPE_UINT32, &uint32Value);
    total += vtcrash_writer_pack(&file, 15, PROTOBUF_C_TYPE_STRING, "x");
    // Repeated scalars are not packed: every element has its own key.
    for (const uint64_t value : repeated) total += vtcrash_writer_pack(&file, 18, PROTOBUF_C_TYPE_UINT64, &value);
    ASSERT_TRUE(vtcrash_async_file_close(&file));

    std::vector<uint8_t> bytes(total);
    ASSERT_EQ(::pread(fileno(scratch), bytes.data(), bytes.size() + 1, 0), ssize_t(total));
    std::fclose(scratch);
    VtcrashTest__FieldTypes* message = vtcrash_test__field_types__unpack(nullptr, bytes.size(), bytes.data());
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->int64_value, int64Value);
    EXPECT_EQ(message->uint32_value, uint32Value);
    EXPECT_EQ(message->uint64_value, uint64Value);
    EXPECT_TRUE(message->bool_value);
    EXPECT_EQ(message->enum_value, VTCRASH_TEST__KIND__NEGATIVE);
    EXPECT_STREQ(message->string_value, stringValue);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(message->bytes_value.data), message->bytes_value.len),
              std::string("\0\1\2", 3));
    ASSERT_NE(message->nested, nullptr);
    EXPECT_EQ(message->nested->uint32_value, uint32Value);
    EXPECT_STREQ(message->nested->string_value, "x");
    EXPECT_EQ(std::vector<uint64_t>(message->repeated_value, message->repeated_value + message->n_repeated_value),
              std::vector<uint64_t>(std::begin(repeated), std::end(repeated)));
    vtcrash_test__field_types__free_unpacked(message, nullptr);
}

}  // namespace

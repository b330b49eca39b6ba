#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "crash_capture/async/vtcrash_async_leb128.h"

namespace {

struct Leb128Case {
    const char* situation;
    std::vector<uint8_t> bytes;
    vtcrash_error_t result;
    uint64_t unsignedValue;
    int64_t signedValue;
};

TEST(VTCrashAsyncLeb128Test, DecodesAtMostTenBytesInsideTheWindow) {
    const std::vector<uint8_t> tenBytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01};
    const std::vector<uint8_t> elevenNeeded{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x00};
    const std::vector<uint8_t> lowestSigned{0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x7F};
    const Leb128Case cases[] = {
        {"one byte with the sign bit", {0x7F}, VTCRASH_OK, 127, -1},
        {"three bytes", {0xE5, 0x8E, 0x26}, VTCRASH_OK, 624485, 624485},
        {"ten bytes", tenBytes, VTCRASH_OK, std::numeric_limits<uint64_t>::max(), -1},
        {"ten bytes, the last one's bit 6 set", lowestSigned, VTCRASH_OK, uint64_t{1} << 63,
         std::numeric_limits<int64_t>::min()},
        {"a continuation on the tenth byte", elevenNeeded, VTCRASH_ERR_NOTSUP, 0, 0},
        {"cut by the end of the window", {0x80, 0x80}, VTCRASH_ERR_INVAL, 0, 0},
    };
    for (const Leb128Case& c : cases) {
        SCOPED_TRACE(c.situation);
        uint64_t unsignedValue = 0, unsignedSize = 0, signedSize = 0;
        int64_t signedValue = 0;
        ASSERT_EQ(vtcrash_async_uleb128_decode(c.bytes.data(), c.bytes.size(), &unsignedValue, &unsignedSize),
                  c.result);
        ASSERT_EQ(vtcrash_async_sleb128_decode(c.bytes.data(), c.bytes.size(), &signedValue, &signedSize), c.result);
        if (c.result != VTCRASH_OK) continue;
        EXPECT_EQ(unsignedValue, c.unsignedValue);
        EXPECT_EQ(signedValue, c.signedValue);
        EXPECT_EQ(unsignedSize, c.bytes.size());
        EXPECT_EQ(signedSize, c.bytes.size());
    }
}

}  // namespace

#pragma once

#include <string>

namespace vlt::testing {

// A crash log of 10 MiB that a reader could spend without bound on: after a crashed thread
// of one frame, threads, images and frames by the hundred thousand.
inline std::string absurdCrashLog() {
    const auto field = [](char number, const std::string& contents) {
        std::string out(1, char(number << 3 | 2));
        std::size_t length = contents.size();
        for (; length >= 0x80; length >>= 7) out += char(length | 0x80);
        return out + char(length) + contents;
    };
    const auto third = [](const std::string& unit) {
        std::string out;
        while (out.size() < (std::size_t{10} << 20) / 3 - 100) out += unit;
        return out;
    };
    using namespace std::string_literals;
    return "vtcrash\1"s + field(1, "\x12\1x\x18\1\x20\1") + field(2, "\x0a\1a\x12\1\x31") +
           field(6, "\x0a\4NAME\x12\4CODE\x18\0"s) + field(3, "\x08\0\x18\1"s + field(2, "\x18\x80\x20")) +
           third("\x1a\4\x08\1\x18\0"s) + third("\x22\6\x08\0\x10\0\x1a\0"s) +
           field(3, "\x08\2\x18\0"s + third("\x12\2\x18\1"));
}

}  // namespace vlt::testing

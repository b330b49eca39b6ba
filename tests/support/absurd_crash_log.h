#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vlt::testing {

namespace absurd_crash_log {

inline std::string field(int number, const std::string& contents) {
    std::string out(1, char(number << 3 | 2));
    std::size_t length = contents.size();
    for (; length >= 0x80; length >>= 7) out += char(length | 0x80);
    return out + char(length) + contents;
}

// `unit` over and over, up to a log of 10 MiB.
inline std::string repeated(const std::string& unit, std::size_t room = (std::size_t{10} << 20) - 300) {
    std::string out;
    while (out.size() + unit.size() <= room) out += unit;
    return out;
}

}  // namespace absurd_crash_log

// Crash logs of 10 MiB that give one field that is no list over and over, or one text as
// long as the log, or texts by the thousand: each decodes to one small report.
inline std::vector<std::pair<std::string, std::string>> crashLogsRepeatingOneField() {
    using namespace std::string_literals;
    using absurd_crash_log::field;
    using absurd_crash_log::repeated;
    const std::string header = "vtcrash\1"s;
    const std::string system = field(1, "\x12\1x\x18\1\x20\1");
    const std::string application = field(2, "\x0a\1a\x12\1\x31");
    const std::string signal = field(6, "\x0a\4NAME\x12\4CODE\x18\0"s);
    const std::string image = field(4, "\x08\0\x10\0\x1a\1x"s);
    const std::string frame = field(2, "\x18\x80\x20");
    const std::string thread = field(3, "\x08\0\x18\1"s + frame);
    const std::string rest = application + signal + image;
    return {
        {"a frame's symbol",
         header + system + rest +
             field(3, "\x08\0\x18\1"s + field(2, "\x18\x80\x20"s + repeated(field(6, "\x0a\1x\x10\0"s))))},
        {"the exception", header + system + rest + thread + repeated(field(5, "\x0a\1n\x12\1r"s))},
        {"the system's facts", header + rest + thread + repeated(system)},
        {"the machine's facts",
         header + system + rest + thread + repeated(field(8, field(2, "\x10\7\x18\3") + "\x18\1\x20\1"))},
        {"the signal's address",
         header + system + application + image + thread + field(6, "\x0a\4NAME\x12\4CODE"s + repeated("\x18\0"s))},
        {"custom data", header + system + rest + thread + repeated(field(10, ""))},
        {"a register's name",
         header + system + rest + field(3, "\x08\0\x18\1"s + frame + field(4, "\x10\0"s + repeated(field(1, "r"))))},
        {"one text of 10 MiB", header + field(1, field(2, repeated("v")) + "\x18\1\x20\1") + rest + thread},
        {"4096 image names of 2.5 kB",
         header + system + rest + thread + repeated(field(4, "\x08\0\x10\0"s + field(3, std::string(2500, 'i'))))},
    };
}

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

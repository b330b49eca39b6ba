#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <deque>
#include <unistd.h>
#include <vector>

#include "crash_capture/async/vtcrash_async_file.h"

// The test executable is linked with --wrap=write: every write(2) of the code under
// test comes here first. Each scripted step either fails with an errno (negative) or
// lets at most that many bytes through; without a script, calls pass through.
extern "C" ssize_t __real_write(int fd, const void* data, size_t length);

namespace {
std::deque<int> scriptedWrites;
std::vector<size_t> writeCalls;
}  // namespace

extern "C" ssize_t __wrap_write(int fd, const void* data, size_t length) {
    writeCalls.push_back(length);
    if (scriptedWrites.empty()) return __real_write(fd, data, length);
    const int step = scriptedWrites.front();
    scriptedWrites.pop_front();
    if (step < 0) {
        errno = -step;
        return -1;
    }
    return __real_write(fd, data, std::min(length, static_cast<size_t>(step)));
}

namespace {

// A temporary file; the scripts start empty.
struct ScratchFile {
    ScratchFile() { scriptedWrites.clear(), writeCalls.clear(); }
    ~ScratchFile() { std::fclose(file); }
    std::vector<uint8_t> contents() const {
        std::vector<uint8_t> bytes(static_cast<size_t>(::lseek(fd, 0, SEEK_END)));
        EXPECT_EQ(::pread(fd, bytes.data(), bytes.size(), 0), ssize_t(bytes.size()));
        return bytes;
    }
    std::FILE* file = std::tmpfile();
    int fd = fileno(file);
};

struct FileCase {
    const char* situation;
    uint64_t limit;
    std::deque<int> script;
    std::vector<size_t> writes;
    std::vector<bool> accepted;
    std::vector<size_t> callsBeforeClose;
};

TEST(VTCrashAsyncFileTest, WritesAreBufferedDirectRetriedOrRefusedWhole) {
    const FileCase cases[] = {
        {"a write that would pass the limit is refused whole", 100, {}, {60, 50}, {true, false}, {}},
        {"writes that reach the limit exactly are accepted", 100, {}, {60, 40}, {true, true}, {}},
        {"256 bytes fit the buffer", 0, {}, {256}, {true}, {}},
        {"257 bytes go direct once the buffer is out", 0, {}, {10, 257}, {true, true}, {10, 257}},
        {"the buffer goes out when the next write would overflow it", 0, {}, {200, 100}, {true, true}, {200}},
        {"interrupted and short writes go on", 0, {-EINTR, 100, -EINTR}, {300}, {true}, {300, 300, 200, 200}},
        {"a failing write is refused", 0, {-EIO}, {300}, {false}, {300}},
        {"a write that writes nothing is refused", 0, {0}, {300}, {false}, {300}},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.situation);
        ScratchFile scratch;
        scriptedWrites = c.script;
        vtcrash_async_file file;
        vtcrash_async_file_init(&file, ::dup(scratch.fd), c.limit);
        std::vector<uint8_t> expected;
        for (size_t i = 0; i < c.writes.size(); ++i) {
            const std::vector<uint8_t> data(c.writes[i], static_cast<uint8_t>('a' + i));
            EXPECT_EQ(vtcrash_async_file_write(&file, data.data(), data.size()), c.accepted[i]);
            if (c.accepted[i]) expected.insert(expected.end(), data.begin(), data.end());
        }
        EXPECT_EQ(writeCalls, c.callsBeforeClose);
        EXPECT_TRUE(vtcrash_async_file_close(&file));
        EXPECT_EQ(scratch.contents(), expected);
    }
}

}  // namespace

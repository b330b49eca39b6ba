#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace vlt::fuzz {

// A file that a target rewrites with each input, for readers that take a path. It lives
// in a private folder that is removed when the process ends.
class ScratchFile {
public:
    explicit ScratchFile(std::string_view name);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void write(const void* data, std::size_t size) const;

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
};

// The input as a picture file, for the image readers, which take a path: one scratch
// file rewritten with each input. The decoders' warnings about damaged files, expected
// by the thousand, are silenced before the first input reaches them.
const std::filesystem::path& pictureFile(const std::uint8_t* data, std::size_t size);

// Installs an event log that keeps nothing: readers log what they refuse, and the fuzzer
// would drown in the lines.
void silenceEventLog();

// A broken promise of the code under test: reported like a crash, so the fuzzer keeps
// the input and the replay fails on it.
void check(bool condition, const char* promise);

}  // namespace vlt::fuzz

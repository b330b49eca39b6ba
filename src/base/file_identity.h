#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace vlt {

// Which file a path or descriptor names and the state its content was last seen in:
// two identities are equal only for the same file, neither written nor replaced in
// between (a write moves the change time, a replacement brings another inode).
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::int64_t changedSeconds = 0;
    std::int64_t changedNanoseconds = 0;

    // None when the file cannot be asked.
    static std::optional<FileIdentity> ofDescriptor(int descriptor);
    // Follows links, as opening the path would.
    static std::optional<FileIdentity> ofPath(const std::filesystem::path& path);
    // The entry `name` in the open `folder` itself: a link is not followed.
    static std::optional<FileIdentity> ofEntry(int folder, const std::string& name);

    // The same file, whatever was written into it since.
    bool isSameFile(const FileIdentity& other) const { return device == other.device && inode == other.inode; }

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

}  // namespace vlt

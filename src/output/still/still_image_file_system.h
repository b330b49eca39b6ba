#pragma once

#include <cstddef>
#include <filesystem>

#include "base/file_descriptor.h"
#include "base/result.h"

namespace vlt {

// The file operations of a still-image save, in one place so that a test can make any
// of them fail. Failures are system errors carrying errno. Every call may come from
// any thread.
class StillImageFileSystem {
public:
    virtual ~StillImageFileSystem() = default;

    // Whether any directory entry has this name (a dangling link included, because it
    // blocks the name just the same).
    virtual Result<bool> entryExists(const std::filesystem::path& path) = 0;
    // The longest file name, in bytes, that the folder's file system accepts.
    virtual std::size_t nameLengthLimit(const std::filesystem::path& folder) = 0;
    // Creates a file that must not exist yet, open for writing.
    virtual Result<FileDescriptor> createNewFile(const std::filesystem::path& path) = 0;
    // Flushes the file's contents to the disk, then closes it.
    virtual VoidResult syncAndClose(FileDescriptor file, const std::filesystem::path& path) = 0;
    // Fails with EEXIST instead of replacing anything at `to`.
    virtual VoidResult renameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Makes the folder's new entries survive a power cut.
    virtual VoidResult syncFolder(const std::filesystem::path& folder) = 0;
    virtual VoidResult removeFile(const std::filesystem::path& path) = 0;
};

// The real file system; one shared instance without state.
StillImageFileSystem& systemStillImageFileSystem();

}  // namespace vlt

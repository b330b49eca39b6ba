#pragma once

#include <filesystem>
#include <string>

#include "base/file_descriptor.h"

namespace vlt {

// A folder of the user's own, opened for use: what goes in it comes from patients'
// photographs (shared pictures, decoded pixels), so it must be the user's alone: the
// folder and the folder above it are real folders (no symbolic links) owned by the
// user, the folder above writable by nobody else, and the folder itself is kept at mode
// 0700. Everything inside is then reached through the open descriptor, never through a
// path that could be swapped.
class PrivateFolder {
public:
    enum class Status {
        opened,
        // Not there (and not to be created).
        missing,
        // There, but not to be trusted, or not to be made.
        refused,
    };

    // Creates the missing folders (0700) when asked to.
    static PrivateFolder open(const std::filesystem::path& root, bool create);

    Status status() const { return status_; }
    int descriptor() const { return folder_.get(); }

    // Removes the entry with this name and, for a folder, everything in it, never
    // following a symbolic link (a link is removed, not its target). True when the
    // entry is gone afterwards, also when it was never there.
    static bool removeEntry(int folder, const std::string& name);

private:
    PrivateFolder(Status status, FileDescriptor folder) : status_(status), folder_(std::move(folder)) {}

    Status status_;
    FileDescriptor folder_;
};

}  // namespace vlt

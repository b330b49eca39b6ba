#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include <sys/types.h>

#include "base/file_identity.h"

namespace vlt {

// Replaces the file at `path` with `contents` so that a reader sees either the old
// file or the complete new one: the bytes go to a hidden temporary file in the same
// folder, are synced, renamed over the old file, and the folder is synced so the
// rename survives a power cut. On failure the old file is left as it was and the
// temporary file is removed.
//
// The new file gets `mode` whatever the old one had: each caller says who may read
// what it writes.
//
// No file the program did not make is overwritten through a symbolic link. A link at
// `path` is written through only while it leads to `ownFile`, the file the caller has
// just read as its own valid file or written itself (same device and inode), so a
// settings file kept elsewhere as a dotfile stays a link. Any other link, a dangling
// one too, gives way to the new file. `written`, when given, receives which file now
// holds the contents: the caller's own file for its next write.
std::error_code replaceFileAtomically(const std::filesystem::path& path, std::string_view contents, mode_t mode,
                                      const std::optional<FileIdentity>& ownFile = std::nullopt,
                                      FileIdentity* written = nullptr);

}  // namespace vlt

#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

#include <sys/types.h>

namespace vlt {

// Replaces the file at `path` with `contents` so that a reader sees either the old
// file or the complete new one: the bytes go to a hidden temporary file in the same
// folder, are synced, renamed over the old file, and the folder is synced so the
// rename survives a power cut. On failure the old file is left as it was and the
// temporary file is removed.
//
// The new file gets `mode` whatever the old one had: each caller says who may read
// what it writes. A `path` that is a symbolic link (a dotfile kept elsewhere) stays a
// link: the file it leads to is replaced, in that file's folder.
std::error_code replaceFileAtomically(const std::filesystem::path& path, std::string_view contents, mode_t mode);

// Where `path` leads once every symbolic link on its last component is followed (the
// path itself when it is no link); the file there need not exist. ELOOP for a cycle.
std::error_code resolveFileLinks(const std::filesystem::path& path, std::filesystem::path& target);

}  // namespace vlt

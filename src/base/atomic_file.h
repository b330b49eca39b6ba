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
std::error_code replaceFileAtomically(const std::filesystem::path& path, std::string_view contents, mode_t mode = 0644);

}  // namespace vlt

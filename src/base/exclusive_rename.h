#pragma once

#include <filesystem>
#include <system_error>

namespace vlt {

// Renames `from` to `to` only when nothing exists at `to` (EEXIST otherwise), so a
// file that appeared in the meantime is never replaced. Uses renameat2 with
// RENAME_NOREPLACE and, where the file system lacks it, a hard link and an unlink.
std::error_code renameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace vlt

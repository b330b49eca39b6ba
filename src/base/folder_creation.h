#pragma once

#include <filesystem>
#include <system_error>

namespace vlt {

// Creates the folder and every missing folder above it; an existing folder is no
// error, an existing file in its place is (ENOTDIR).
std::error_code createFolderWithIntermediates(const std::filesystem::path& folder);

}  // namespace vlt

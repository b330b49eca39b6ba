#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <system_error>

#include "base/file_identity.h"

namespace vlt {

// Reads a whole regular file into `contents`. A file larger than `maximumBytes`
// is refused with EFBIG before anything is read, and anything that is not a regular
// file as RegularFile refuses it, so a damaged or hostile path can neither exhaust
// memory nor block the caller. `identity`, when given, receives which file was read
// (links followed), so that a store can later write through a link to that file only.
std::error_code readFileContents(const std::filesystem::path& path, std::size_t maximumBytes, std::string& contents,
                                 FileIdentity* identity = nullptr);

}  // namespace vlt

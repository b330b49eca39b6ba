#include "base/exclusive_rename.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>

namespace vlt {

std::error_code renameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return {};
    const int renameError = errno;
    if (renameError != EINVAL && renameError != ENOSYS && renameError != ENOTSUP) {
        return {renameError, std::generic_category()};
    }
    if (::link(from.c_str(), to.c_str()) != 0) return {errno, std::generic_category()};
    if (::unlink(from.c_str()) != 0) return {errno, std::generic_category()};
    return {};
}

}  // namespace vlt

#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>

#include "base/file_descriptor.h"

namespace vlt {

// A file that no name leads to, in the folder open as `folder`: the system removes it
// with its last descriptor, however the process ends. Where the file system has no
// unnamed files, a name lives only for a moment. None when the folder refuses.
FileDescriptor createUnlinkedFile(int folder, mode_t mode);

// All `count` bytes between memory and the file at `offset`; false when the file ended
// or refused first. Interrupted calls are taken up again.
bool writeAllAt(int descriptor, const void* bytes, std::size_t count, std::uint64_t offset);
bool readAllAt(int descriptor, void* bytes, std::size_t count, std::uint64_t offset);

}  // namespace vlt

#pragma once

#include <cstddef>
#include <cstdint>

// Every crash log starts with these 8 bytes: the ASCII text "vtcrash" and the format
// version. The CrashReport message follows and runs to the end of the file.
constexpr char VTCRASH_LOG_FILE_MAGIC[] = {'v', 't', 'c', 'r', 'a', 's', 'h'};
constexpr size_t VTCRASH_LOG_FILE_MAGIC_LENGTH = sizeof(VTCRASH_LOG_FILE_MAGIC);
constexpr uint8_t VTCRASH_LOG_FILE_VERSION = 1;
constexpr size_t VTCRASH_LOG_FILE_HEADER_LENGTH = VTCRASH_LOG_FILE_MAGIC_LENGTH + 1;

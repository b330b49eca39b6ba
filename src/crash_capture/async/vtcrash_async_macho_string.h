#pragma once

#include <cstdint>

#include "crash_capture/async/vtcrash_async_macho.h"
#include "crash_capture/async/vtcrash_async_mobject.h"
#include "crash_capture/async/vtcrash_error.h"

// A NUL-terminated string somewhere in the process (a class or selector name), read
// through a window that starts one page long and grows by a page until it holds the NUL.
// Its length is found on first use. Crash time: no allocation.

// A string that has not ended within this many bytes is taken as damaged data.
constexpr uint64_t VTCRASH_MACHO_STRING_MAX_LENGTH = 1024 * 1024;

struct vtcrash_async_macho_string {
    const vtcrash_async_task* task;
    uint64_t address;
    // Without the NUL; valid once `mapped` is set.
    uint64_t length;
    vtcrash_async_mobject mobj;
    bool mapped;
};

// The string at `address`, read through the image's task. Maps nothing yet.
vtcrash_error_t vtcrash_async_macho_string_init(vtcrash_async_macho_string* string, const vtcrash_async_macho* image,
                                                uint64_t address);
// The length without the NUL. A string that runs into memory that cannot be read gives
// the window's error, one longer than the limit VTCRASH_ERR_INVALID_DATA.
vtcrash_error_t vtcrash_async_macho_string_get_length(vtcrash_async_macho_string* string, uint64_t* out_length);
// The string itself, NUL-terminated; VTCRASH_ERR_ACCESS when its bytes no longer check
// against the window.
vtcrash_error_t vtcrash_async_macho_string_get_pointer(vtcrash_async_macho_string* string, const char** out_pointer);
void vtcrash_async_macho_string_free(vtcrash_async_macho_string* string);

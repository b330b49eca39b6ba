#include "crash_capture/async/vtcrash_async_macho_string.h"

#include "crash_capture/async/vtcrash_async_string.h"

namespace {

// The first NUL in [from, window end), as an offset from the string's start.
bool findNul(const vtcrash_async_macho_string* string, uint64_t from, uint64_t* out) {
    const auto* bytes = static_cast<const char*>(
        vtcrash_async_mobject_remap_address(&string->mobj, string->address, 0, string->mobj.length));
    if (bytes == nullptr) return false;
    for (uint64_t at = from; at < string->mobj.length; ++at) {
        if (bytes[at] == '\0') {
            *out = at;
            return true;
        }
    }
    return false;
}

vtcrash_error_t measure(vtcrash_async_macho_string* string) {
    const uint64_t page = string->task->page_size;
    const uint64_t room = UINT64_MAX - string->address;
    uint64_t scanned = 0;
    for (uint64_t request = page;; request += page) {
        if (request > room) request = room;
        vtcrash_async_mobject_free(&string->mobj);
        string->mapped = false;
        const vtcrash_error_t mapped =
            vtcrash_async_mobject_init(&string->mobj, string->task, string->address, request, false);
        if (mapped != VTCRASH_OK) return mapped;
        string->mapped = true;
        uint64_t length = 0;
        if (findNul(string, scanned, &length)) {
            string->length = length;
            return VTCRASH_OK;
        }
        // A window cut short ends where memory stops being readable: the NUL is not there.
        if (string->mobj.length < request) return VTCRASH_ERR_NOMEM;
        if (request >= VTCRASH_MACHO_STRING_MAX_LENGTH || request == room) return VTCRASH_ERR_INVALID_DATA;
        scanned = string->mobj.length;
    }
}

}  // namespace

vtcrash_error_t vtcrash_async_macho_string_init(vtcrash_async_macho_string* string, const vtcrash_async_macho* image,
                                                uint64_t address) {
    vtcrash_async_memset(string, 0, sizeof *string);
    string->task = image->task;
    string->address = address;
    return VTCRASH_OK;
}

vtcrash_error_t vtcrash_async_macho_string_get_length(vtcrash_async_macho_string* string, uint64_t* out_length) {
    if (!string->mapped) {
        const vtcrash_error_t measured = measure(string);
        if (measured != VTCRASH_OK) {
            vtcrash_async_macho_string_free(string);
            return measured;
        }
    }
    *out_length = string->length;
    return VTCRASH_OK;
}

vtcrash_error_t vtcrash_async_macho_string_get_pointer(vtcrash_async_macho_string* string, const char** out_pointer) {
    uint64_t length = 0;
    const vtcrash_error_t measured = vtcrash_async_macho_string_get_length(string, &length);
    if (measured != VTCRASH_OK) return measured;
    const void* bytes = vtcrash_async_mobject_remap_address(&string->mobj, string->address, 0, length + 1);
    if (bytes == nullptr) return VTCRASH_ERR_ACCESS;
    *out_pointer = static_cast<const char*>(bytes);
    return VTCRASH_OK;
}

void vtcrash_async_macho_string_free(vtcrash_async_macho_string* string) {
    if (string->mapped) vtcrash_async_mobject_free(&string->mobj);
    string->mapped = false;
    string->length = 0;
}

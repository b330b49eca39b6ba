#include "crash_capture/async/vtcrash_async_symbol_result.h"

#include "crash_capture/async/vtcrash_async_string.h"

namespace {

// The last index that may hold a character: the final byte is the NUL.
constexpr size_t kLastCharacter = VTCRASH_SYMBOL_NAME_SIZE - 1;
// Room left for the class name after "-[".
constexpr size_t kMaxClassNameLength = VTCRASH_SYMBOL_NAME_SIZE - 3;

bool takes(const vtcrash_async_symbol_result* result, uint64_t address) {
    return !result->found || address > result->address;
}

// Appends `text` from `at`, stopping before the byte reserved for the NUL and after at
// most `limit` characters; returns where the next character goes.
size_t append(char* name, size_t at, const char* text, size_t limit) {
    for (size_t taken = 0; text[taken] != '\0' && taken < limit && at < kLastCharacter; ++taken) {
        name[at++] = text[taken];
    }
    return at;
}

}  // namespace

void vtcrash_async_symbol_result_init(vtcrash_async_symbol_result* result) {
    vtcrash_async_memset(result, 0, sizeof *result);
}

void vtcrash_async_symbol_result_offer_symbol(vtcrash_async_symbol_result* result, uint64_t address, const char* name) {
    if (!takes(result, address)) return;
    result->found = true;
    result->address = address;
    result->name[append(result->name, 0, name, kLastCharacter)] = '\0';
}

void vtcrash_async_symbol_result_offer_method(vtcrash_async_symbol_result* result, bool is_class_method,
                                              const char* class_name, const char* method_name, uint64_t imp) {
    if (!takes(result, imp)) return;
    result->found = true;
    result->address = imp;
    char* name = result->name;
    size_t at = append(name, 0, is_class_method ? "+[" : "-[", 2);
    at = append(name, at, class_name[0] == '\0' ? " " : class_name, kMaxClassNameLength);
    at = append(name, at, " ", 1);
    at = append(name, at, method_name, kLastCharacter);
    at = append(name, at, "]", 1);
    name[at] = '\0';
}

vtcrash_error_t vtcrash_async_symbol_result_deliver(const vtcrash_async_symbol_result* result,
                                                    bool any_source_succeeded,
                                                    vtcrash_async_found_symbol_callback callback, void* context) {
    if (!any_source_succeeded) return VTCRASH_ERR_NOTFOUND;
    if (!result->found) return VTCRASH_ERR_INTERNAL;
    callback(result->address, result->name, context);
    return VTCRASH_OK;
}

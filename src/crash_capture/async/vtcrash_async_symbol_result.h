#pragma once

#include <cstddef>
#include <cstdint>

#include "crash_capture/async/vtcrash_error.h"

// What a symbol lookup hands back, whatever the image's format: the best name found for
// a pc among the enabled sources, and its start address. Sources offer their candidates
// one after another; the highest address wins, and an equal one keeps what the source
// asked first gave.

// Symbol names handed to the lookup's callback are cut to this many bytes, NUL included.
constexpr size_t VTCRASH_SYMBOL_NAME_SIZE = 256;

// Bits of a lookup's strategy: the image's symbol table, and Objective-C method metadata.
constexpr uint32_t VTCRASH_SYMBOL_STRATEGY_SYMBOL_TABLE = 1;
constexpr uint32_t VTCRASH_SYMBOL_STRATEGY_OBJC = 2;

typedef void (*vtcrash_async_found_symbol_callback)(uint64_t address, const char* name, void* context);

struct vtcrash_async_symbol_result {
    bool found;
    uint64_t address;
    char name[VTCRASH_SYMBOL_NAME_SIZE];
};

void vtcrash_async_symbol_result_init(vtcrash_async_symbol_result* result);

// A symbol-table name: kept, cut to 255 characters, unless a higher address is held.
void vtcrash_async_symbol_result_offer_symbol(vtcrash_async_symbol_result* result, uint64_t address, const char* name);

// A method: kept as "-[Class selector]" or "+[Class selector]" unless a higher address is
// held. The class name takes at most 253 characters (an empty one reads as a blank); a
// name that reaches the end of the buffer loses its closing bracket.
void vtcrash_async_symbol_result_offer_method(vtcrash_async_symbol_result* result, bool is_class_method,
                                              const char* class_name, const char* method_name, uint64_t imp);

// Ends a lookup: VTCRASH_ERR_NOTFOUND when no enabled source succeeded, VTCRASH_ERR_INTERNAL
// when one did without offering anything, else calls back with the result.
vtcrash_error_t vtcrash_async_symbol_result_deliver(const vtcrash_async_symbol_result* result,
                                                    bool any_source_succeeded,
                                                    vtcrash_async_found_symbol_callback callback, void* context);

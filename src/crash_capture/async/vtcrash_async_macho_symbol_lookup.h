#pragma once

#include <cstdint>

#include "crash_capture/async/vtcrash_async_macho.h"
#include "crash_capture/async/vtcrash_async_objc.h"
#include "crash_capture/async/vtcrash_async_symbol_result.h"
#include "crash_capture/async/vtcrash_error.h"

// The symbol lookup of the crash log for a Mach-O image: the symbol table and the
// Objective-C metadata, as the strategy enables them, each offering its best name for the
// pc; the one with the higher address wins, the symbol table's on a tie. Crash time.

// What the lookups of one crash log share: the Objective-C windows and class cache.
typedef vtcrash_async_objc_cache vtcrash_async_symbol_cache;

void vtcrash_async_symbol_cache_init(vtcrash_async_symbol_cache* cache);
void vtcrash_async_symbol_cache_free(vtcrash_async_symbol_cache* cache);

// Calls back with the chosen name and its address. VTCRASH_ERR_NOTFOUND when every
// enabled source failed or none was enabled.
vtcrash_error_t vtcrash_async_macho_find_symbol(const vtcrash_async_macho* image, uint32_t strategy,
                                                vtcrash_async_symbol_cache* cache, uint64_t pc,
                                                vtcrash_async_found_symbol_callback callback, void* context);

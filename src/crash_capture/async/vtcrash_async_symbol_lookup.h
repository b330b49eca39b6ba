#pragma once

#include <cstdint>

#include "crash_capture/async/vtcrash_async_image_list.h"
#include "crash_capture/async/vtcrash_async_macho_symbol_lookup.h"
#include "crash_capture/async/vtcrash_async_symbol_result.h"
#include "crash_capture/async/vtcrash_error.h"

// The symbol lookup the crash log uses, for an image of either format: an ELF object's
// symbol tables, or a Mach-O image's symbol table and Objective-C metadata, as the
// strategy's bits enable them. Crash time.

// Calls back with the chosen name and its start address. VTCRASH_ERR_NOTFOUND when every
// enabled source failed or none was enabled. `cache` is what the lookups of one crash log
// share (vtcrash_async_symbol_cache_init); without one the Objective-C metadata is not read.
vtcrash_error_t vtcrash_async_find_symbol(const vtcrash_async_image* image, uint32_t strategy,
                                          vtcrash_async_symbol_cache* cache, uint64_t pc,
                                          vtcrash_async_found_symbol_callback callback, void* context);

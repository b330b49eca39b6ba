#include "crash_capture/async/vtcrash_async_symbol_lookup.h"

namespace {

void offerSymbol(uint64_t address, const char* name, void* context) {
    vtcrash_async_symbol_result_offer_symbol(static_cast<vtcrash_async_symbol_result*>(context), address, name);
}

// An ELF object has its symbol tables only.
vtcrash_error_t findElfSymbol(const vtcrash_async_elf* elf, uint32_t strategy, uint64_t pc,
                              vtcrash_async_found_symbol_callback callback, void* context) {
    vtcrash_async_symbol_result result;
    vtcrash_async_symbol_result_init(&result);
    const bool found = (strategy & VTCRASH_SYMBOL_STRATEGY_SYMBOL_TABLE) != 0 &&
                       vtcrash_async_elf_find_symbol_by_pc(elf, pc, offerSymbol, &result) == VTCRASH_OK;
    return vtcrash_async_symbol_result_deliver(&result, found, callback, context);
}

}  // namespace

vtcrash_error_t vtcrash_async_find_symbol(const vtcrash_async_image* image, uint32_t strategy,
                                          vtcrash_async_symbol_cache* cache, uint64_t pc,
                                          vtcrash_async_found_symbol_callback callback, void* context) {
    if (image->format == VTCRASH_IMAGE_FORMAT_ELF) return findElfSymbol(&image->elf, strategy, pc, callback, context);
    if (cache == nullptr) strategy &= ~VTCRASH_SYMBOL_STRATEGY_OBJC;
    return vtcrash_async_macho_find_symbol(&image->macho, strategy, cache, pc, callback, context);
}

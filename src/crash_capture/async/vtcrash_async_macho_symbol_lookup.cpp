#include "crash_capture/async/vtcrash_async_macho_symbol_lookup.h"

#include "crash_capture/async/vtcrash_async_macho_symtab.h"

namespace {

void offerSymbol(uint64_t address, const char* name, void* context) {
    vtcrash_async_symbol_result_offer_symbol(static_cast<vtcrash_async_symbol_result*>(context), address, name);
}

void offerMethod(bool is_class_method, const char* class_name, const char* method_name, uint64_t imp, void* context) {
    vtcrash_async_symbol_result_offer_method(static_cast<vtcrash_async_symbol_result*>(context), is_class_method,
                                             class_name, method_name, imp);
}

}  // namespace

void vtcrash_async_symbol_cache_init(vtcrash_async_symbol_cache* cache) { vtcrash_async_objc_cache_init(cache); }

void vtcrash_async_symbol_cache_free(vtcrash_async_symbol_cache* cache) { vtcrash_async_objc_cache_free(cache); }

vtcrash_error_t vtcrash_async_macho_find_symbol(const vtcrash_async_macho* image, uint32_t strategy,
                                                vtcrash_async_symbol_cache* cache, uint64_t pc,
                                                vtcrash_async_found_symbol_callback callback, void* context) {
    vtcrash_async_symbol_result result;
    vtcrash_async_symbol_result_init(&result);
    bool any_source_succeeded = false;
    if ((strategy & VTCRASH_SYMBOL_STRATEGY_SYMBOL_TABLE) != 0) {
        any_source_succeeded |= vtcrash_async_macho_find_symbol_by_pc(image, pc, offerSymbol, &result) == VTCRASH_OK;
    }
    if ((strategy & VTCRASH_SYMBOL_STRATEGY_OBJC) != 0) {
        any_source_succeeded |= vtcrash_async_objc_find_method(image, cache, pc, offerMethod, &result) == VTCRASH_OK;
    }
    return vtcrash_async_symbol_result_deliver(&result, any_source_succeeded, callback, context);
}

#pragma once

#include <cstddef>
#include <cstdint>

#include "crash_capture/async/vtcrash_async_macho.h"
#include "crash_capture/async/vtcrash_async_mobject.h"
#include "crash_capture/async/vtcrash_error.h"

// Names for code that has no symbol but is an Objective-C method: the image's class and
// category lists are walked to the method whose implementation lies closest below the pc.
// Images of the newer runtime are read through their __objc_* sections, those of the
// older one through __OBJC,__module_info. Crash time: windows onto task memory and one
// anonymous mapping for the class cache, nothing from the heap, no lock.

// Slots of the class cache: class data address -> read-only data address.
constexpr size_t VTCRASH_OBJC_CLASS_CACHE_SLOTS = 1024;

// A section window the cache may hold; `mapped` tells whether the image has it.
struct vtcrash_async_objc_section {
    bool mapped;
    vtcrash_async_mobject mobj;
};

// Kept across the lookups of one crash log: the section windows of the image last looked
// at, and the class cache, which is valid for any image.
struct vtcrash_async_objc_cache {
    // The image the windows belong to; null when none are held.
    const vtcrash_async_macho* image;
    uint64_t image_header_addr;
    // The image was walked completely as one of the newer runtime, so the older runtime's
    // section need not be looked for again.
    bool newer_runtime_read;
    vtcrash_async_objc_section objc_const;
    vtcrash_async_objc_section objc_const_ax;
    vtcrash_async_objc_section objc_methlist;
    vtcrash_async_objc_section objc_selrefs;
    vtcrash_async_objc_section objc_classlist;
    vtcrash_async_objc_section objc_catlist;
    vtcrash_async_objc_section objc_data;
    vtcrash_async_objc_section data;
    // The keys, then the values: one block of 16,384 bytes, mapped on the first insert.
    uint64_t* class_cache;
};

// Cannot fail: nothing is mapped until a lookup needs it.
void vtcrash_async_objc_cache_init(vtcrash_async_objc_cache* cache);
// Releases the windows and the class cache.
void vtcrash_async_objc_cache_free(vtcrash_async_objc_cache* cache);

typedef void (*vtcrash_async_objc_found_method_callback)(bool is_class_method, const char* class_name,
                                                         const char* method_name, uint64_t imp, void* context);

// Calls back once, for the first method whose implementation is the greatest at or below
// `pc`. VTCRASH_ERR_NOTFOUND when the image has no Objective-C metadata or no method at or
// below the pc; VTCRASH_ERR_INVALID_DATA when the metadata cannot be read; the error of a
// required section that cannot be mapped.
vtcrash_error_t vtcrash_async_objc_find_method(const vtcrash_async_macho* image, vtcrash_async_objc_cache* cache,
                                               uint64_t pc, vtcrash_async_objc_found_method_callback callback,
                                               void* context);

#include "crash_capture/async/vtcrash_async_objc.h"

#include <sys/mman.h>

#include "crash_capture/async/vtcrash_async_macho_string.h"
#include "crash_capture/async/vtcrash_async_string.h"

namespace {

// Newer runtime. A class: isa, superclass, cache, vtable, data (words of the image's width).
constexpr uint64_t kClassWords = 5;
constexpr uint64_t kClassIsaWord = 0;
constexpr uint64_t kClassDataWord = 4;
// The data word carries flags in its low and high bits.
constexpr uint64_t kClassDataMask64 = 0x00007ffffffffff8;
constexpr uint64_t kClassDataMask32 = 0xfffffff8;
// An isa with bit 0 set packs the metaclass address with other bits.
constexpr uint64_t kNonPointerIsaMask = 0xffffffff8;
// The read-write data: flags, version, then the read-only data or an extension holding it.
constexpr uint64_t kReadWriteSize32 = 12;
constexpr uint64_t kReadWriteSize64 = 16;
constexpr uint64_t kReadWriteReadOnlyOffset = 8;
constexpr uint32_t kRealizedFlag = 1u << 31;
constexpr uint32_t kReadOnlyCopiedFlag = 1u << 27;
constexpr uint64_t kExtensionFlag = 1;
// The read-only data: its name and base method list.
constexpr uint64_t kReadOnlySize32 = 40;
constexpr uint64_t kReadOnlySize64 = 72;
constexpr uint64_t kReadOnlyNameOffset32 = 16;
constexpr uint64_t kReadOnlyNameOffset64 = 24;
constexpr uint64_t kReadOnlyMethodsOffset32 = 20;
constexpr uint64_t kReadOnlyMethodsOffset64 = 32;
// A category: name, class, instance methods, class methods, protocols, properties.
constexpr uint64_t kCategoryWords = 6;
constexpr uint64_t kCategoryClassWord = 1;
constexpr uint64_t kCategoryInstanceMethodsWord = 2;
constexpr uint64_t kCategoryClassMethodsWord = 3;
// A method list: entry size and flags, count, then the entries.
constexpr uint64_t kListHeaderSize = 8;
constexpr uint32_t kRelativeListFlag = 0x80000000;
constexpr uint32_t kEntrySizeMask = 0xfffc;
// Entries: name, types, imp; relative ones hold 32-bit offsets from each field.
constexpr uint64_t kRelativeEntrySize = 12;
constexpr uint64_t kRelativeImpOffset = 8;

// Older runtime (32-bit only). Module: version, size, name, symbol table.
constexpr uint64_t kModuleSize = 16;
constexpr uint64_t kModuleSymtabOffset = 12;
// Symbol table: selector reference count and pointer, class and category counts (16 bits
// each), then the definitions, classes first.
constexpr uint64_t kOldSymtabSize = 12;
constexpr uint64_t kOldSymtabClassCountOffset = 8;
constexpr uint64_t kOldSymtabCategoryCountOffset = 10;
// Class: isa, superclass, name, version, info, instance size, ivars, method lists, cache,
// protocols.
constexpr uint64_t kOldClassSize = 40;
constexpr uint64_t kOldClassIsaOffset = 0;
constexpr uint64_t kOldClassNameOffset = 8;
constexpr uint64_t kOldClassInfoOffset = 16;
constexpr uint64_t kOldClassMethodsOffset = 28;
constexpr uint32_t kOldSingleMethodList = 0x4000;
constexpr uint32_t kOldEndOfMethodLists = 0xffffffff;
// Bounds a damaged array of list pointers.
constexpr uint32_t kMaxOldMethodLists = 1024;
// Category: name, class name, instance methods, class methods, protocols.
constexpr uint64_t kOldCategorySize = 20;
constexpr uint64_t kOldCategoryClassNameOffset = 4;
constexpr uint64_t kOldCategoryInstanceMethodsOffset = 8;
constexpr uint64_t kOldCategoryClassMethodsOffset = 12;
// Method list: a word, the count, then 12-byte entries of name, types and imp.
constexpr uint64_t kOldListCountOffset = 4;
constexpr uint64_t kOldListHeaderSize = 8;
constexpr uint64_t kOldMethodSize = 12;
constexpr uint64_t kOldMethodImpOffset = 8;

constexpr uint64_t kClassCacheBytes = 2 * VTCRASH_OBJC_CLASS_CACHE_SLOTS * sizeof(uint64_t);
static_assert(kClassCacheBytes == 16384);

const char* const kDataSegments[] = {"__DATA", "__DATA_CONST", "__DATA_DIRTY"};

enum class NameKind {
    // The entry's name field holds the selector, a pointer to its string.
    kPointer,
    // The field holds an offset from itself to a selector reference.
    kRelativeSelectorReference,
};

// A method as the walk meets it; its names are read only for the one reported.
struct Method {
    bool is_class_method;
    uint64_t class_name;
    uint64_t name_field;
    NameKind name_kind;
    uint64_t imp;
};

struct Walk {
    const vtcrash_async_macho* image;
    vtcrash_async_objc_cache* cache;
    const vtcrash_async_byteorder* order;
    // The pointer width of the metadata: 4 or 8.
    uint64_t word;
    uint64_t pc;
    bool second_pass;
    bool found;
    uint64_t best;
    // The second pass has reported its method.
    bool done;
    vtcrash_error_t report_result;
    vtcrash_async_objc_found_method_callback callback;
    void* context;
};

uint64_t loadWord(const Walk* walk, const uint8_t* bytes) {
    if (walk->word == 8) {
        uint64_t raw = 0;
        __builtin_memcpy(&raw, bytes, sizeof raw);
        return walk->order->swap64(raw);
    }
    uint32_t raw = 0;
    __builtin_memcpy(&raw, bytes, sizeof raw);
    return walk->order->swap32(raw);
}

uint32_t load32(const Walk* walk, const uint8_t* bytes) {
    uint32_t raw = 0;
    __builtin_memcpy(&raw, bytes, sizeof raw);
    return walk->order->swap32(raw);
}

uint16_t load16(const Walk* walk, const uint8_t* bytes) {
    uint16_t raw = 0;
    __builtin_memcpy(&raw, bytes, sizeof raw);
    return walk->order->swap16(raw);
}

bool copyFromSection(const vtcrash_async_objc_section& section, uint64_t address, void* dest, uint64_t length) {
    if (!section.mapped) return false;
    const void* local = vtcrash_async_mobject_remap_address(&section.mobj, address, 0, length);
    if (local == nullptr) return false;
    __builtin_memcpy(dest, local, length);
    return true;
}

bool copyFromTask(const Walk* walk, uint64_t address, void* dest, uint64_t length) {
    return vtcrash_async_task_memcpy(walk->image->task, address, 0, dest, length) == VTCRASH_OK;
}

bool taskWord(const Walk* walk, uint64_t address, uint64_t width, uint64_t* out) {
    uint8_t bytes[8];
    if (!copyFromTask(walk, address, bytes, width)) return false;
    if (width == 8) {
        uint64_t raw = 0;
        __builtin_memcpy(&raw, bytes, sizeof raw);
        *out = walk->order->swap64(raw);
    } else {
        *out = load32(walk, bytes);
    }
    return true;
}

// Windows.

void unmapSection(vtcrash_async_objc_section* section) {
    if (section->mapped) vtcrash_async_mobject_free(&section->mobj);
    section->mapped = false;
}

void unmapWindows(vtcrash_async_objc_cache* cache) {
    vtcrash_async_objc_section* sections[] = {
        &cache->objc_const,     &cache->objc_const_ax, &cache->objc_methlist, &cache->objc_selrefs,
        &cache->objc_classlist, &cache->objc_catlist,  &cache->objc_data,     &cache->data};
    for (vtcrash_async_objc_section* section : sections) unmapSection(section);
    cache->image = nullptr;
    cache->image_header_addr = 0;
    cache->newer_runtime_read = false;
}

vtcrash_error_t mapSection(const vtcrash_async_macho* image, const char* segname, const char* sectname,
                           vtcrash_async_objc_section* out) {
    const vtcrash_error_t result = vtcrash_async_macho_map_section(image, segname, sectname, &out->mobj);
    out->mapped = result == VTCRASH_OK;
    return result;
}

// Newer images move their lists and constant data out of __DATA.
vtcrash_error_t mapDataSection(const vtcrash_async_macho* image, const char* sectname,
                               vtcrash_async_objc_section* out) {
    vtcrash_error_t result = VTCRASH_ERR_NOTFOUND;
    for (const char* segname : kDataSegments) {
        result = mapSection(image, segname, sectname, out);
        if (result != VTCRASH_ERR_NOTFOUND) return result;
    }
    return result;
}

// An image without categories has no category list, and one that only extends classes
// of other images has no class list and no class data: each of these is optional, but an
// image with neither list has nothing to walk.
vtcrash_error_t mapWindows(const vtcrash_async_macho* image, vtcrash_async_objc_cache* cache) {
    const vtcrash_error_t constants = mapDataSection(image, "__objc_const", &cache->objc_const);
    if (constants != VTCRASH_OK) return constants;
    mapSection(image, "__DATA", "__objc_const_ax", &cache->objc_const_ax);
    mapSection(image, "__TEXT", "__objc_methlist", &cache->objc_methlist);
    mapSection(image, "__DATA", "__objc_selrefs", &cache->objc_selrefs);
    mapDataSection(image, "__objc_classlist", &cache->objc_classlist);
    mapDataSection(image, "__objc_catlist", &cache->objc_catlist);
    mapSection(image, "__DATA", "__objc_data", &cache->objc_data);
    mapSection(image, "__DATA", "__data", &cache->data);
    if (!cache->objc_classlist.mapped && !cache->objc_catlist.mapped) return VTCRASH_ERR_NOTFOUND;
    cache->image = image;
    cache->image_header_addr = image->header_addr;
    return VTCRASH_OK;
}

// Class cache.

size_t slotOf(uint64_t data) { return (data / 4) % VTCRASH_OBJC_CLASS_CACHE_SLOTS; }

bool cachedReadOnly(const vtcrash_async_objc_cache* cache, uint64_t data, uint64_t* out) {
    if (cache->class_cache == nullptr) return false;
    const size_t slot = slotOf(data);
    if (cache->class_cache[slot] != data) return false;
    *out = cache->class_cache[VTCRASH_OBJC_CLASS_CACHE_SLOTS + slot];
    return true;
}

void cacheReadOnly(vtcrash_async_objc_cache* cache, uint64_t data, uint64_t read_only) {
    if (cache->class_cache == nullptr) {
        // Anonymous pages are zero-filled: every slot starts empty. Without them the
        // lookup only reads more.
        void* block = ::mmap(nullptr, kClassCacheBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED) return;
        cache->class_cache = static_cast<uint64_t*>(block);
    }
    const size_t slot = slotOf(data);
    if (cache->class_cache[slot] != 0) return;
    cache->class_cache[slot] = data;
    cache->class_cache[VTCRASH_OBJC_CLASS_CACHE_SLOTS + slot] = read_only;
}

// Reporting.

vtcrash_error_t selectorAddress(const Walk* walk, const Method& method, uint64_t* out) {
    if (method.name_kind == NameKind::kPointer) {
        return taskWord(walk, method.name_field, walk->word, out) ? VTCRASH_OK : VTCRASH_ERR_INVALID_DATA;
    }
    uint32_t raw = 0;
    uint64_t reference = 0;
    if (!copyFromTask(walk, method.name_field, &raw, sizeof raw) ||
        !vtcrash_async_address_apply_offset(method.name_field, static_cast<int32_t>(walk->order->swap32(raw)),
                                            &reference)) {
        return VTCRASH_ERR_INVALID_DATA;
    }
    uint8_t bytes[8];
    if (copyFromSection(walk->cache->objc_selrefs, reference, bytes, walk->word)) {
        *out = loadWord(walk, bytes);
        return VTCRASH_OK;
    }
    return taskWord(walk, reference, walk->word, out) ? VTCRASH_OK : VTCRASH_ERR_INVALID_DATA;
}

vtcrash_error_t report(const Walk* walk, const Method& method) {
    uint64_t selector = 0;
    const vtcrash_error_t resolved = selectorAddress(walk, method, &selector);
    if (resolved != VTCRASH_OK) return resolved;

    vtcrash_async_macho_string method_name;
    vtcrash_async_macho_string class_name;
    vtcrash_async_macho_string_init(&method_name, walk->image, selector);
    vtcrash_async_macho_string_init(&class_name, walk->image, method.class_name);
    const char* method_text = nullptr;
    const char* class_text = nullptr;
    vtcrash_error_t result = vtcrash_async_macho_string_get_pointer(&method_name, &method_text);
    if (result == VTCRASH_OK) {
        // A class whose name cannot be read still names its method.
        if (method.class_name == 0 || vtcrash_async_macho_string_get_pointer(&class_name, &class_text) != VTCRASH_OK) {
            class_text = "";
        }
        walk->callback(method.is_class_method, class_text, method_text, method.imp, walk->context);
    }
    vtcrash_async_macho_string_free(&class_name);
    vtcrash_async_macho_string_free(&method_name);
    return result;
}

void visit(Walk* walk, const Method& method) {
    // A method without an implementation names no code.
    if (method.imp == 0) return;
    if (!walk->second_pass) {
        if (method.imp <= walk->pc && (!walk->found || method.imp > walk->best)) {
            walk->found = true;
            walk->best = method.imp;
        }
        return;
    }
    if (walk->done || method.imp != walk->best) return;
    walk->done = true;
    walk->report_result = report(walk, method);
}

// Newer runtime.

vtcrash_error_t visitList(Walk* walk, uint64_t list, bool is_class_method, uint64_t class_name) {
    if (list == 0) return VTCRASH_OK;
    const vtcrash_async_objc_cache* cache = walk->cache;
    const vtcrash_async_objc_section* holders[] = {&cache->objc_const, &cache->objc_const_ax, &cache->objc_methlist};
    const vtcrash_async_mobject* window = nullptr;
    for (const vtcrash_async_objc_section* holder : holders) {
        if (holder->mapped && vtcrash_async_mobject_remap_address(&holder->mobj, list, 0, kListHeaderSize) != nullptr) {
            window = &holder->mobj;
            break;
        }
    }
    if (window == nullptr) return VTCRASH_ERR_INVALID_DATA;

    const auto* header = static_cast<const uint8_t*>(vtcrash_async_mobject_remap_address(window, list, 0, 8));
    const uint32_t flags = load32(walk, header);
    const uint32_t count = load32(walk, header + 4);
    const bool relative = (flags & kRelativeListFlag) != 0;
    const uint64_t entry_size = flags & kEntrySizeMask;
    const uint64_t imp_offset = relative ? kRelativeImpOffset : 2 * walk->word;
    const uint64_t needed = relative ? kRelativeEntrySize : 3 * walk->word;
    const uint64_t total = kListHeaderSize + uint64_t{count} * entry_size;
    if (entry_size < needed) return VTCRASH_ERR_INVALID_DATA;
    const auto* entries = static_cast<const uint8_t*>(vtcrash_async_mobject_remap_address(window, list, 0, total));
    if (entries == nullptr) return VTCRASH_ERR_INVALID_DATA;
    entries += kListHeaderSize;

    for (uint32_t index = 0; index < count && !walk->done; ++index) {
        const uint64_t entry = list + kListHeaderSize + index * entry_size;
        const uint8_t* bytes = entries + index * entry_size;
        Method method = {is_class_method, class_name, entry, NameKind::kPointer, 0};
        if (relative) {
            method.name_kind = NameKind::kRelativeSelectorReference;
            const auto offset = static_cast<int32_t>(load32(walk, bytes + imp_offset));
            if (!vtcrash_async_address_apply_offset(entry + imp_offset, offset, &method.imp)) {
                return VTCRASH_ERR_INVALID_DATA;
            }
        } else {
            method.imp = loadWord(walk, bytes + imp_offset);
        }
        visit(walk, method);
    }
    return VTCRASH_OK;
}

struct ClassRecord {
    uint64_t isa;
    uint64_t data;
};

// A class of the image lies in its class data, else in __data; a class that a category
// extends may lie in another image and is copied from wherever it is.
vtcrash_error_t readClass(const Walk* walk, uint64_t address, bool anywhere, ClassRecord* out) {
    uint8_t record[kClassWords * 8];
    const uint64_t size = kClassWords * walk->word;
    const vtcrash_async_objc_cache* cache = walk->cache;
    bool copied = copyFromSection(cache->objc_data, address, record, size);
    if (!copied) {
        copied =
            anywhere ? copyFromTask(walk, address, record, size) : copyFromSection(cache->data, address, record, size);
    }
    if (!copied) return VTCRASH_ERR_INVALID_DATA;
    out->isa = loadWord(walk, record + kClassIsaWord * walk->word);
    out->data = loadWord(walk, record + kClassDataWord * walk->word);
    return VTCRASH_OK;
}

struct ReadOnlyData {
    uint64_t name;
    uint64_t methods;
};

vtcrash_error_t readOnlyDataOf(Walk* walk, uint64_t data_word, ReadOnlyData* out) {
    const bool m64 = walk->word == 8;
    const uint64_t data = data_word & (m64 ? kClassDataMask64 : kClassDataMask32);
    if (data == 0) return VTCRASH_ERR_NOTFOUND;

    uint64_t read_only = 0;
    bool copied = false;
    if (!cachedReadOnly(walk->cache, data, &read_only)) {
        uint8_t read_write[kReadWriteSize64];
        if (!copyFromTask(walk, data, read_write, m64 ? kReadWriteSize64 : kReadWriteSize32)) {
            return VTCRASH_ERR_INVALID_DATA;
        }
        const uint32_t flags = load32(walk, read_write);
        read_only = data;
        if ((flags & kRealizedFlag) != 0) {
            copied = (flags & kReadOnlyCopiedFlag) != 0;
            read_only = loadWord(walk, read_write + kReadWriteReadOnlyOffset);
            if ((read_only & kExtensionFlag) != 0 &&
                !taskWord(walk, read_only & ~kExtensionFlag, walk->word, &read_only)) {
                return VTCRASH_ERR_INVALID_DATA;
            }
        }
        cacheReadOnly(walk->cache, data, read_only);
    }

    uint8_t record[kReadOnlySize64];
    const uint64_t size = m64 ? kReadOnlySize64 : kReadOnlySize32;
    // A read-only record the runtime copied to the heap is not in the image.
    if ((copied || !copyFromSection(walk->cache->objc_const, read_only, record, size)) &&
        !copyFromTask(walk, read_only, record, size)) {
        return VTCRASH_ERR_INVALID_DATA;
    }
    out->name = loadWord(walk, record + (m64 ? kReadOnlyNameOffset64 : kReadOnlyNameOffset32));
    out->methods = loadWord(walk, record + (m64 ? kReadOnlyMethodsOffset64 : kReadOnlyMethodsOffset32));
    return VTCRASH_OK;
}

vtcrash_error_t visitClass(Walk* walk, uint64_t address) {
    ClassRecord klass;
    ReadOnlyData read_only;
    vtcrash_error_t result = readClass(walk, address, false, &klass);
    if (result == VTCRASH_OK) result = readOnlyDataOf(walk, klass.data, &read_only);
    if (result == VTCRASH_OK) result = visitList(walk, read_only.methods, false, read_only.name);
    if (result != VTCRASH_OK || walk->done) return result;

    const uint64_t isa = (klass.isa & 1) != 0 ? klass.isa & kNonPointerIsaMask : klass.isa;
    ClassRecord metaclass;
    ReadOnlyData meta_read_only;
    result = readClass(walk, isa, false, &metaclass);
    if (result == VTCRASH_OK) result = readOnlyDataOf(walk, metaclass.data, &meta_read_only);
    if (result == VTCRASH_OK) result = visitList(walk, meta_read_only.methods, true, read_only.name);
    return result;
}

vtcrash_error_t visitCategory(Walk* walk, uint64_t address) {
    uint8_t record[kCategoryWords * 8];
    if (!copyFromSection(walk->cache->objc_const, address, record, kCategoryWords * walk->word)) {
        return VTCRASH_ERR_INVALID_DATA;
    }
    const uint64_t class_address = loadWord(walk, record + kCategoryClassWord * walk->word);
    if (class_address == 0) return VTCRASH_ERR_NOTFOUND;
    ClassRecord klass;
    ReadOnlyData read_only;
    vtcrash_error_t result = readClass(walk, class_address, true, &klass);
    if (result == VTCRASH_OK) result = readOnlyDataOf(walk, klass.data, &read_only);
    if (result != VTCRASH_OK) return result;
    result = visitList(walk, loadWord(walk, record + kCategoryInstanceMethodsWord * walk->word), false, read_only.name);
    if (result != VTCRASH_OK || walk->done) return result;
    return visitList(walk, loadWord(walk, record + kCategoryClassMethodsWord * walk->word), true, read_only.name);
}

// Each entry of a list section is a pointer handed to `visitOne`; entries it cannot
// describe (VTCRASH_ERR_NOTFOUND) are passed over, any other failure ends the walk.
vtcrash_error_t visitListSection(Walk* walk, const vtcrash_async_objc_section& section,
                                 vtcrash_error_t (*visitOne)(Walk*, uint64_t)) {
    if (!section.mapped) return VTCRASH_OK;
    const vtcrash_async_mobject& window = section.mobj;
    const auto* entries = static_cast<const uint8_t*>(
        vtcrash_async_mobject_remap_address(&window, window.task_address, 0, window.length));
    const uint64_t count = window.length / walk->word;
    for (uint64_t index = 0; index < count && !walk->done; ++index) {
        const vtcrash_error_t result = visitOne(walk, loadWord(walk, entries + index * walk->word));
        if (result != VTCRASH_OK && result != VTCRASH_ERR_NOTFOUND) return result;
    }
    return VTCRASH_OK;
}

vtcrash_error_t walkNewer(Walk* walk) {
    const vtcrash_error_t classes = visitListSection(walk, walk->cache->objc_classlist, visitClass);
    if (classes != VTCRASH_OK || walk->done) return classes;
    const vtcrash_error_t categories = visitListSection(walk, walk->cache->objc_catlist, visitCategory);
    if (categories == VTCRASH_OK) walk->cache->newer_runtime_read = true;
    return categories;
}

// Older runtime: everything but the module list is read by checked copies.

bool task32(const Walk* walk, uint64_t address, uint32_t* out) {
    uint64_t value = 0;
    if (!taskWord(walk, address, 4, &value)) return false;
    *out = static_cast<uint32_t>(value);
    return true;
}

vtcrash_error_t visitOldList(Walk* walk, uint64_t list, bool is_class_method, uint64_t class_name) {
    if (list == 0) return VTCRASH_OK;
    uint32_t count = 0;
    if (!task32(walk, list + kOldListCountOffset, &count)) return VTCRASH_ERR_INVALID_DATA;
    if (count == 0) return VTCRASH_OK;
    const uint64_t entries = list + kOldListHeaderSize;
    vtcrash_async_mobject window;
    if (vtcrash_async_mobject_init(&window, walk->image->task, entries, uint64_t{count} * kOldMethodSize, true) !=
        VTCRASH_OK) {
        return VTCRASH_ERR_INVALID_DATA;
    }
    const auto* bytes = static_cast<const uint8_t*>(
        vtcrash_async_mobject_remap_address(&window, entries, 0, uint64_t{count} * kOldMethodSize));
    for (uint32_t index = 0; index < count && !walk->done; ++index) {
        const uint64_t entry = entries + uint64_t{index} * kOldMethodSize;
        const uint64_t imp = load32(walk, bytes + uint64_t{index} * kOldMethodSize + kOldMethodImpOffset);
        visit(walk, {is_class_method, class_name, entry, NameKind::kPointer, imp});
    }
    vtcrash_async_mobject_free(&window);
    return VTCRASH_OK;
}

vtcrash_error_t visitOldClassMethods(Walk* walk, const uint8_t* record, bool is_class_method, uint64_t class_name) {
    const uint32_t info = load32(walk, record + kOldClassInfoOffset);
    const uint32_t lists = load32(walk, record + kOldClassMethodsOffset);
    if (lists == 0) return VTCRASH_OK;
    if ((info & kOldSingleMethodList) != 0) return visitOldList(walk, lists, is_class_method, class_name);
    for (uint32_t index = 0; index < kMaxOldMethodLists && !walk->done; ++index) {
        uint32_t list = 0;
        if (!task32(walk, uint64_t{lists} + uint64_t{index} * 4, &list)) return VTCRASH_ERR_INVALID_DATA;
        if (list == 0 || list == kOldEndOfMethodLists) break;
        const vtcrash_error_t result = visitOldList(walk, list, is_class_method, class_name);
        if (result != VTCRASH_OK) return result;
    }
    return VTCRASH_OK;
}

vtcrash_error_t visitOldClass(Walk* walk, uint64_t address) {
    uint8_t record[kOldClassSize];
    if (!copyFromTask(walk, address, record, sizeof record)) return VTCRASH_ERR_INVALID_DATA;
    const uint64_t class_name = load32(walk, record + kOldClassNameOffset);
    const vtcrash_error_t instance = visitOldClassMethods(walk, record, false, class_name);
    if (instance != VTCRASH_OK || walk->done) return instance;
    uint8_t metaclass[kOldClassSize];
    if (!copyFromTask(walk, load32(walk, record + kOldClassIsaOffset), metaclass, sizeof metaclass)) {
        return VTCRASH_ERR_INVALID_DATA;
    }
    return visitOldClassMethods(walk, metaclass, true, class_name);
}

vtcrash_error_t visitOldCategory(Walk* walk, uint64_t address) {
    uint8_t record[kOldCategorySize];
    if (!copyFromTask(walk, address, record, sizeof record)) return VTCRASH_ERR_INVALID_DATA;
    const uint64_t class_name = load32(walk, record + kOldCategoryClassNameOffset);
    const vtcrash_error_t instance =
        visitOldList(walk, load32(walk, record + kOldCategoryInstanceMethodsOffset), false, class_name);
    if (instance != VTCRASH_OK || walk->done) return instance;
    return visitOldList(walk, load32(walk, record + kOldCategoryClassMethodsOffset), true, class_name);
}

vtcrash_error_t walkOlder(Walk* walk, const vtcrash_async_mobject* modules) {
    for (uint64_t module = 0; module + kModuleSize <= modules->length && !walk->done; module += kModuleSize) {
        uint32_t symtab = 0;
        if (vtcrash_async_mobject_read_uint32(modules, walk->order, modules->task_address,
                                              static_cast<int64_t>(module + kModuleSymtabOffset),
                                              &symtab) != VTCRASH_OK) {
            return VTCRASH_ERR_INVALID_DATA;
        }
        if (symtab == 0) continue;
        uint8_t header[kOldSymtabSize];
        if (!copyFromTask(walk, symtab, header, sizeof header)) return VTCRASH_ERR_INVALID_DATA;
        const uint32_t classes = load16(walk, header + kOldSymtabClassCountOffset);
        const uint32_t categories = load16(walk, header + kOldSymtabCategoryCountOffset);
        for (uint32_t index = 0; index < classes + categories && !walk->done; ++index) {
            uint32_t definition = 0;
            if (!task32(walk, uint64_t{symtab} + kOldSymtabSize + uint64_t{index} * 4, &definition)) {
                return VTCRASH_ERR_INVALID_DATA;
            }
            const vtcrash_error_t result =
                index < classes ? visitOldClass(walk, definition) : visitOldCategory(walk, definition);
            if (result != VTCRASH_OK) return result;
        }
    }
    return VTCRASH_OK;
}

// The two passes: the greatest implementation at or below the pc, then the first method
// that has it.
template <typename Enumerate>
vtcrash_error_t findInTwoPasses(Walk* walk, Enumerate enumerate) {
    const vtcrash_error_t first = enumerate(walk);
    if (first != VTCRASH_OK) return first;
    if (!walk->found) return VTCRASH_ERR_NOTFOUND;
    walk->second_pass = true;
    const vtcrash_error_t second = enumerate(walk);
    if (second != VTCRASH_OK) return second;
    return walk->done ? walk->report_result : VTCRASH_ERR_INTERNAL;
}

}  // namespace

void vtcrash_async_objc_cache_init(vtcrash_async_objc_cache* cache) { vtcrash_async_memset(cache, 0, sizeof *cache); }

void vtcrash_async_objc_cache_free(vtcrash_async_objc_cache* cache) {
    unmapWindows(cache);
    if (cache->class_cache != nullptr) ::munmap(cache->class_cache, kClassCacheBytes);
    cache->class_cache = nullptr;
}

vtcrash_error_t vtcrash_async_objc_find_method(const vtcrash_async_macho* image, vtcrash_async_objc_cache* cache,
                                               uint64_t pc, vtcrash_async_objc_found_method_callback callback,
                                               void* context) {
    if (cache->image != image || cache->image_header_addr != image->header_addr) unmapWindows(cache);
    Walk walk = {};
    walk.image = image;
    walk.cache = cache;
    walk.order = image->byteorder;
    walk.word = image->m64 ? 8 : 4;
    walk.pc = pc;
    walk.report_result = VTCRASH_OK;
    walk.callback = callback;
    walk.context = context;

    if (!cache->newer_runtime_read) {
        vtcrash_async_mobject modules;
        if (vtcrash_async_macho_map_section(image, "__OBJC", "__module_info", &modules) == VTCRASH_OK) {
            // The older runtime's metadata is 32-bit whatever the header says.
            walk.word = 4;
            const vtcrash_error_t result =
                findInTwoPasses(&walk, [&modules](Walk* each) { return walkOlder(each, &modules); });
            vtcrash_async_mobject_free(&modules);
            return result;
        }
    }
    if (cache->image == nullptr) {
        const vtcrash_error_t mapped = mapWindows(image, cache);
        if (mapped != VTCRASH_OK) {
            unmapWindows(cache);
            return mapped;
        }
    }
    return findInTwoPasses(&walk, walkNewer);
}

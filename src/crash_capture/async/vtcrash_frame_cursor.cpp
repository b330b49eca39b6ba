#include "crash_capture/async/vtcrash_frame_cursor.h"

#include "crash_capture/async/vtcrash_async_byteorder.h"
#include "crash_capture/async/vtcrash_async_cfe_entry.h"
#include "crash_capture/async/vtcrash_async_dwarf_unwind.h"
#include "crash_capture/async/vtcrash_async_task.h"

namespace {

constexpr const char* kFrameErrorTexts[] = {
    "No error",         "Unknown error",  "No frames are available", "Corrupted frame", "Operation not supported",
    "Invalid argument", "Internal error", "Invalid register",
};

// Frames live above the first page: an instruction pointer there is the end of a stack
// (a zero return address) or garbage.
constexpr uint64_t kFirstPageEnd = 4096;

// The compact unwind reader answers only for Mach-O images, so an ELF object's frames
// meet the other three in their own order.
constexpr vtcrash_frame_reader_t kReaders[] = {vtcrash_frame_reader_compact_unwind, vtcrash_frame_reader_dwarf,
                                               vtcrash_frame_reader_return_address, vtcrash_frame_reader_frame_pointer};

// Opens the windows onto the object's .eh_frame_hdr and .eh_frame. The .eh_frame has
// no recorded size: its window runs to the end of the object, or to the first page that
// cannot be read.
bool openElfTables(const vtcrash_async_task* task, const vtcrash_async_elf& elf, vtcrash_frame_unwind_tables* tables) {
    if (elf.eh_frame_hdr_addr == 0 || elf.eh_frame_hdr_size == 0) return false;
    if (vtcrash_async_mobject_init(&tables->hdr_window, task, elf.eh_frame_hdr_addr, elf.eh_frame_hdr_size, false) !=
            VTCRASH_OK ||
        vtcrash_async_dwarf_eh_frame_hdr_init(&tables->hdr, &tables->hdr_window, vtcrash_async_byteorder_host(),
                                              true) != VTCRASH_OK) {
        return false;
    }
    const uint64_t eh_frame = tables->hdr.eh_frame_address;
    if (eh_frame < elf.span_start || eh_frame >= elf.span_end ||
        vtcrash_async_mobject_init(&tables->frame_window, task, eh_frame, elf.span_end - eh_frame, false) !=
            VTCRASH_OK ||
        vtcrash_async_dwarf_frame_reader_init(&tables->reader, &tables->frame_window, vtcrash_async_byteorder_host(),
                                              true) != VTCRASH_OK) {
        return false;
    }
    tables->has_index = true;
    return true;
}

// Opens the windows onto the image's __unwind_info and __eh_frame, each when it has one.
void openMachOTables(const vtcrash_async_macho& macho, vtcrash_frame_unwind_tables* tables) {
    const vtcrash_error_t mapped =
        vtcrash_async_macho_map_section(&macho, "__TEXT", "__unwind_info", &tables->compact_window);
    if (mapped != VTCRASH_OK) {
        tables->compact_status = VTCRASH_FRAME_ENOTSUP;
    } else if (vtcrash_async_cfe_reader_init(&tables->compact, &tables->compact_window,
                                             static_cast<uint32_t>(vtcrash_async_macho_get_cpu_type(&macho))) !=
               VTCRASH_OK) {
        tables->compact_status = VTCRASH_FRAME_EINVAL;
    } else {
        tables->compact_status = VTCRASH_FRAME_OK;
    }
    tables->usable =
        vtcrash_async_macho_map_section(&macho, "__TEXT", "__eh_frame", &tables->frame_window) == VTCRASH_OK &&
        vtcrash_async_dwarf_frame_reader_init(&tables->reader, &tables->frame_window, macho.byteorder, macho.m64) ==
            VTCRASH_OK;
}

void openUnwindTables(const vtcrash_async_task* task, const vtcrash_async_image* image,
                      vtcrash_frame_unwind_tables* tables) {
    tables->image = image;
    tables->usable = false;
    tables->has_index = false;
    tables->compact_status = VTCRASH_FRAME_ENOTSUP;
    if (image->format == VTCRASH_IMAGE_FORMAT_MACHO) {
        openMachOTables(image->macho, tables);
    } else {
        tables->usable = openElfTables(task, image->elf, tables);
    }
}

// The image's tables from the cache, opened into it when missing.
const vtcrash_frame_unwind_tables* cachedUnwindTables(const vtcrash_async_task* task, vtcrash_frame_unwind_cache* cache,
                                                      const vtcrash_async_image* image) {
    for (size_t index = 0; index < cache->count; ++index) {
        if (cache->entries[index].image == image) return &cache->entries[index];
    }
    size_t slot = cache->count;
    if (slot < VTCRASH_FRAME_UNWIND_CACHE_SIZE) {
        ++cache->count;
    } else {
        slot = cache->next_replaced;
        cache->next_replaced = (slot + 1) % VTCRASH_FRAME_UNWIND_CACHE_SIZE;
    }
    openUnwindTables(task, image, &cache->entries[slot]);
    return &cache->entries[slot];
}

// The image's tables, from the cursor's cache when it has one, else opened into `local`.
const vtcrash_frame_unwind_tables* unwindTables(const vtcrash_frame_cursor* cursor, const vtcrash_async_image* image,
                                                vtcrash_frame_unwind_tables* local) {
    if (cursor->unwind_cache != nullptr) return cachedUnwindTables(cursor->task, cursor->unwind_cache, image);
    openUnwindTables(cursor->task, image, local);
    return local;
}

vtcrash_frame_error_t unwindWithTables(const vtcrash_frame_cursor* cursor, const vtcrash_async_image* image,
                                       const vtcrash_async_thread_state* current, vtcrash_async_thread_state* next) {
    vtcrash_frame_unwind_tables local;
    const vtcrash_frame_unwind_tables* tables = unwindTables(cursor, image, &local);
    if (!tables->usable) return VTCRASH_FRAME_ENOFRAME;
    const vtcrash_error_t result = tables->has_index
                                       ? vtcrash_async_dwarf_unwind_frame(&tables->reader, &tables->hdr, current, next)
                                       : vtcrash_async_dwarf_unwind_frame_linear(&tables->reader, current, next);
    switch (result) {
    case VTCRASH_OK:
        return VTCRASH_FRAME_OK;
    case VTCRASH_ERR_NOTFOUND:
    case VTCRASH_ERR_NOTSUP:
        return VTCRASH_FRAME_ENOTSUP;
    default:
        return VTCRASH_FRAME_ENOFRAME;
    }
}

// The caller's registers from the compact unwind entry of the function holding `address`
// (the pc, or the byte before a return address), in a Mach-O image.
vtcrash_frame_error_t unwindWithCompactEntry(const vtcrash_frame_cursor* cursor, const vtcrash_async_image* image,
                                             uint64_t address, const vtcrash_async_thread_state* current,
                                             vtcrash_async_thread_state* next) {
    vtcrash_frame_unwind_tables local;
    const vtcrash_frame_unwind_tables* tables = unwindTables(cursor, image, &local);
    if (tables->compact_status != VTCRASH_FRAME_OK) return tables->compact_status;

    // 1. The function's encoding, decoded.
    const uint64_t header = image->macho.header_addr;
    uint64_t function_base = 0;
    uint32_t encoding = 0;
    vtcrash_async_cfe_entry entry;
    if (vtcrash_async_cfe_reader_find_pc(&tables->compact, address - header, &function_base, &encoding) != VTCRASH_OK ||
        vtcrash_async_cfe_entry_init(&entry, tables->compact.cpu_type, encoding) != VTCRASH_OK) {
        return VTCRASH_FRAME_ENOTSUP;
    }
    if (vtcrash_async_cfe_entry_type(&entry) == VTCRASH_CFE_TYPE_NONE) return VTCRASH_FRAME_ENOFRAME;
    uint64_t function_address = 0;
    if (__builtin_add_overflow(header, function_base, &function_address)) return VTCRASH_FRAME_EINVAL;

    // 2. The caller: from the entry itself, or from the FDE it names.
    vtcrash_error_t result = VTCRASH_ERR_NOTSUP;
    if (vtcrash_async_cfe_entry_type(&entry) == VTCRASH_CFE_TYPE_DWARF) {
        if (tables->usable) {
            const auto fde_offset = static_cast<uint64_t>(vtcrash_async_cfe_entry_stack_offset(&entry));
            result = vtcrash_async_dwarf_unwind_frame_at(&tables->reader, fde_offset, current, next);
        }
    } else {
        result = vtcrash_async_cfe_entry_apply(cursor->task, function_address, current, &entry, next);
    }
    return result == VTCRASH_OK ? VTCRASH_FRAME_OK : VTCRASH_FRAME_ENOFRAME;
}

// The address a frame's pc stands for: a return address may lie just past the end of its
// image, after a last call that never returns, and belongs to the byte before it.
uint64_t pcLookupAddress(const vtcrash_async_thread_state* frame) {
    const uint64_t ip = vtcrash_async_thread_state_get_reg(frame, VTCRASH_REG_IP);
    return frame->ip_is_exact || ip == 0 ? ip : ip - 1;
}

// Runs unwind(image, address) for the listed image that holds the frame's pc, under the
// list's reading mark; a frame without a pc, or one in no image, is not for this reader.
template <typename Unwind>
vtcrash_frame_error_t unwindInImageOfPc(const vtcrash_frame_cursor* cursor, const vtcrash_async_thread_state* current,
                                        Unwind unwind) {
    if (!vtcrash_async_thread_state_has_reg(current, VTCRASH_REG_IP)) return VTCRASH_FRAME_EBADFRAME;
    if (vtcrash_async_thread_state_get_reg(current, VTCRASH_REG_IP) == 0 || cursor->image_list == nullptr) {
        return VTCRASH_FRAME_ENOTSUP;
    }
    const uint64_t address = pcLookupAddress(current);
    vtcrash_async_image_list_set_reading(cursor->image_list, true);
    const vtcrash_async_image* image = vtcrash_async_image_list_image_containing_address(cursor->image_list, address);
    const vtcrash_frame_error_t result = image == nullptr ? VTCRASH_FRAME_ENOTSUP : unwind(image, address);
    vtcrash_async_image_list_set_reading(cursor->image_list, false);
    return result;
}

}  // namespace

void vtcrash_frame_unwind_cache_init(vtcrash_frame_unwind_cache* cache) {
    cache->count = 0;
    cache->next_replaced = 0;
}

const char* vtcrash_frame_strerror(vtcrash_frame_error_t error) {
    const auto index = static_cast<size_t>(error);
    return index < sizeof kFrameErrorTexts / sizeof kFrameErrorTexts[0] ? kFrameErrorTexts[index]
                                                                        : "Unhandled error code";
}

vtcrash_frame_error_t vtcrash_frame_reader_compact_unwind(const vtcrash_frame_cursor* cursor,
                                                          const vtcrash_async_thread_state* current,
                                                          const vtcrash_async_thread_state*,
                                                          vtcrash_async_thread_state* next) {
    return unwindInImageOfPc(cursor, current, [&](const vtcrash_async_image* image, uint64_t address) {
        if (image->format != VTCRASH_IMAGE_FORMAT_MACHO) return VTCRASH_FRAME_ENOTSUP;
        return unwindWithCompactEntry(cursor, image, address, current, next);
    });
}

vtcrash_frame_error_t vtcrash_frame_reader_dwarf(const vtcrash_frame_cursor* cursor,
                                                 const vtcrash_async_thread_state* current,
                                                 const vtcrash_async_thread_state*, vtcrash_async_thread_state* next) {
    return unwindInImageOfPc(cursor, current, [&](const vtcrash_async_image* image, uint64_t) {
        return unwindWithTables(cursor, image, current, next);
    });
}

namespace {

bool hasMachOSection(const vtcrash_async_macho& macho, const char* segment, const char* section) {
    vtcrash_async_mobject window;
    if (vtcrash_async_macho_map_section(&macho, segment, section, &window) != VTCRASH_OK) return false;
    vtcrash_async_mobject_free(&window);
    return true;
}

// Whether the address is code of the image: an executable segment of an ELF object, the
// __TEXT segment of a Mach-O image (the only part of it the list spans).
bool isCode(const vtcrash_async_image* image, uint64_t address) {
    if (image->format == VTCRASH_IMAGE_FORMAT_MACHO)
        return vtcrash_async_macho_contains_address(&image->macho, address);
    return vtcrash_async_elf_address_is_code(&image->elf, address);
}

bool hasUnwindTable(const vtcrash_async_image* image) {
    if (image->format == VTCRASH_IMAGE_FORMAT_MACHO) {
        return hasMachOSection(image->macho, "__TEXT", "__unwind_info") ||
               hasMachOSection(image->macho, "__TEXT", "__eh_frame");
    }
    return image->elf.eh_frame_hdr_addr != 0;
}

// Whether the address is code in a listed image with an unwind table: there the call
// frame information speaks for the frame, and no guess is made.
bool inUnwindableCode(vtcrash_async_image_list* images, uint64_t address) {
    const vtcrash_async_image* image = vtcrash_async_image_list_image_containing_address(images, address);
    return image != nullptr && isCode(image, address) && hasUnwindTable(image);
}

// Whether the address is code in a listed image: where a return address points.
bool inListedCode(vtcrash_async_image_list* images, uint64_t address) {
    const vtcrash_async_image* image = vtcrash_async_image_list_image_containing_address(images, address);
    return image != nullptr && isCode(image, address);
}

// A frame in an object the list could not describe: nothing is known of how its code
// keeps its frames, and any guess at its caller would be garbage.
bool inUndescribedObject(const vtcrash_frame_cursor* cursor, const vtcrash_async_thread_state* frame) {
    return cursor->image_list != nullptr && vtcrash_async_thread_state_has_reg(frame, VTCRASH_REG_IP) &&
           vtcrash_async_image_list_unlisted_object_contains_address(cursor->image_list, pcLookupAddress(frame));
}

}  // namespace

vtcrash_frame_error_t vtcrash_frame_reader_return_address(const vtcrash_frame_cursor* cursor,
                                                          const vtcrash_async_thread_state* current,
                                                          const vtcrash_async_thread_state* previous,
                                                          vtcrash_async_thread_state* next) {
    if (previous != nullptr || !current->ip_is_exact || cursor->image_list == nullptr ||
        !vtcrash_async_thread_state_has_reg(current, VTCRASH_REG_IP) ||
        !vtcrash_async_thread_state_has_reg(current, VTCRASH_REG_SP)) {
        return VTCRASH_FRAME_ENOTSUP;
    }
    const uint64_t ip = vtcrash_async_thread_state_get_reg(current, VTCRASH_REG_IP);
    uint64_t stack_pointer = vtcrash_async_thread_state_get_reg(current, VTCRASH_REG_SP);
#if defined(__x86_64__)
    uint64_t return_address = 0;
    if (vtcrash_async_task_memcpy(cursor->task, stack_pointer, 0, &return_address, sizeof return_address) !=
            VTCRASH_OK ||
        !vtcrash_async_address_apply_offset(stack_pointer, sizeof return_address, &stack_pointer)) {
        return VTCRASH_FRAME_EBADFRAME;
    }
#elif defined(__aarch64__)
    if (!vtcrash_async_thread_state_has_reg(current, VTCRASH_ARM64_LR)) return VTCRASH_FRAME_ENOTSUP;
    const uint64_t return_address = vtcrash_async_thread_state_get_reg(current, VTCRASH_ARM64_LR);
#endif
    if (inUndescribedObject(cursor, current)) return VTCRASH_FRAME_ENOFRAME;
    vtcrash_async_image_list_set_reading(cursor->image_list, true);
    const bool went_astray = !inUnwindableCode(cursor->image_list, ip);
    const bool returns_into_code = return_address != 0 && inListedCode(cursor->image_list, return_address - 1);
    vtcrash_async_image_list_set_reading(cursor->image_list, false);
    if (!went_astray || !returns_into_code) return VTCRASH_FRAME_ENOTSUP;

    vtcrash_async_thread_state_copy(next, current);
    vtcrash_async_thread_state_clear_volatile_regs(next);
    vtcrash_async_thread_state_set_reg(next, VTCRASH_REG_IP, return_address);
    vtcrash_async_thread_state_set_reg(next, VTCRASH_REG_SP, stack_pointer);
    return VTCRASH_FRAME_OK;
}

vtcrash_frame_error_t vtcrash_frame_reader_frame_pointer(const vtcrash_frame_cursor* cursor,
                                                         const vtcrash_async_thread_state* current,
                                                         const vtcrash_async_thread_state* previous,
                                                         vtcrash_async_thread_state* next) {
    if (!vtcrash_async_thread_state_has_reg(current, VTCRASH_REG_FP)) return VTCRASH_FRAME_EBADFRAME;
    const uint64_t frame_pointer = vtcrash_async_thread_state_get_reg(current, VTCRASH_REG_FP);
    if (frame_pointer == 0 || inUndescribedObject(cursor, current)) return VTCRASH_FRAME_ENOFRAME;

    // Frame records lie ever further from where the stack started.
    if (previous != nullptr && vtcrash_async_thread_state_has_reg(previous, VTCRASH_REG_FP)) {
        const uint64_t previous_pointer = vtcrash_async_thread_state_get_reg(previous, VTCRASH_REG_FP);
        const uint32_t direction = vtcrash_async_thread_state_get_stack_direction(current);
        if ((direction == VTCRASH_STACK_DIRECTION_DOWN && frame_pointer < previous_pointer) ||
            (direction == VTCRASH_STACK_DIRECTION_UP && frame_pointer > previous_pointer)) {
            return VTCRASH_FRAME_EBADFRAME;
        }
    }

    // The frame record: the caller's frame pointer, then the return address.
    uint64_t record[2] = {};
    const size_t word = vtcrash_async_thread_state_get_greg_size(current);
    for (size_t index = 0; index < 2; ++index) {
        uint64_t value = 0;
        if (vtcrash_async_task_memcpy(cursor->task, frame_pointer, static_cast<int64_t>(index * word), &value, word) !=
            VTCRASH_OK) {
            return VTCRASH_FRAME_EBADFRAME;
        }
        record[index] = value;
    }
    vtcrash_async_thread_state_copy(next, current);
    vtcrash_async_thread_state_clear_all_regs(next);
    vtcrash_async_thread_state_set_reg(next, VTCRASH_REG_FP, record[0]);
    vtcrash_async_thread_state_set_reg(next, VTCRASH_REG_IP, record[1]);
#if defined(__x86_64__)
    // The record sits where the call left the stack: the caller's stack pointer is just
    // above it, which lets call frame information take over again in the caller.
    vtcrash_async_thread_state_set_reg(next, VTCRASH_REG_SP, frame_pointer + 2 * word);
#endif
    return VTCRASH_FRAME_OK;
}

void vtcrash_frame_cursor_init(vtcrash_frame_cursor* cursor, const vtcrash_async_task* task,
                               const vtcrash_async_thread_state* thread_state, vtcrash_async_image_list* image_list) {
    cursor->task = task;
    cursor->image_list = image_list;
    cursor->unwind_cache = nullptr;
    cursor->depth = 0;
    vtcrash_async_thread_state_copy(&cursor->frame, thread_state);
    vtcrash_async_thread_state_copy(&cursor->prev_frame, thread_state);
}

vtcrash_frame_error_t vtcrash_frame_cursor_next(vtcrash_frame_cursor* cursor) {
    return vtcrash_frame_cursor_next_with_readers(cursor, kReaders, sizeof kReaders / sizeof kReaders[0]);
}

vtcrash_frame_error_t vtcrash_frame_cursor_next_with_readers(vtcrash_frame_cursor* cursor,
                                                             const vtcrash_frame_reader_t* readers, size_t count) {
    if (cursor->depth == 0) {
        cursor->depth = 1;
        return VTCRASH_FRAME_OK;
    }
    if (count == 0) return VTCRASH_FRAME_EINVAL;

    const vtcrash_async_thread_state* previous = cursor->depth == 1 ? nullptr : &cursor->prev_frame;
    vtcrash_async_thread_state next;
    vtcrash_frame_error_t result = VTCRASH_FRAME_EUNKNOWN;
    for (size_t index = 0; index < count; ++index) {
        result = readers[index](cursor, &cursor->frame, previous, &next);
        if (result == VTCRASH_FRAME_OK) break;
    }
    if (result != VTCRASH_FRAME_OK) return result;
    if (!vtcrash_async_thread_state_has_reg(&next, VTCRASH_REG_IP) ||
        vtcrash_async_thread_state_get_reg(&next, VTCRASH_REG_IP) <= kFirstPageEnd) {
        return VTCRASH_FRAME_ENOFRAME;
    }
    vtcrash_async_thread_state_copy(&cursor->prev_frame, &cursor->frame);
    vtcrash_async_thread_state_copy(&cursor->frame, &next);
    ++cursor->depth;
    return VTCRASH_FRAME_OK;
}

vtcrash_frame_error_t vtcrash_frame_cursor_get_reg(const vtcrash_frame_cursor* cursor, uint32_t reg, uint64_t* out) {
    if (!vtcrash_async_thread_state_has_reg(&cursor->frame, reg)) return VTCRASH_FRAME_ENOTSUP;
    *out = vtcrash_async_thread_state_get_reg(&cursor->frame, reg);
    return VTCRASH_FRAME_OK;
}

const char* vtcrash_frame_cursor_get_regname(const vtcrash_frame_cursor* cursor, uint32_t reg) {
    return vtcrash_async_thread_state_get_reg_name(&cursor->frame, reg);
}

size_t vtcrash_frame_cursor_get_regcount(const vtcrash_frame_cursor* cursor) {
    return vtcrash_async_thread_state_get_reg_count(&cursor->frame);
}

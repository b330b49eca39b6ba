#pragma once

#include <cstddef>
#include <cstdint>

#include "crash_capture/async/vtcrash_async_cfe_reader.h"
#include "crash_capture/async/vtcrash_async_dwarf_frame.h"
#include "crash_capture/async/vtcrash_async_image_list.h"
#include "crash_capture/async/vtcrash_async_mobject.h"
#include "crash_capture/async/vtcrash_async_thread_state.h"

// Walks one thread's stack from its registers, frame by frame towards its callers. Each
// step asks the frame readers in order and the first that succeeds gives the caller's
// registers: the compact unwind table of a Mach-O image, call frame information (an ELF
// object's found through .eh_frame_hdr, a Mach-O image's searched in its __eh_frame), the
// return address of a call that went nowhere, then the frame-pointer chain. The walk ends
// when no reader succeeds or when the next instruction pointer falls into the first page
// of memory. Crash time: no allocation, no lock.

typedef enum {
    VTCRASH_FRAME_OK = 0,
    VTCRASH_FRAME_EUNKNOWN = 1,
    VTCRASH_FRAME_ENOFRAME = 2,
    VTCRASH_FRAME_EBADFRAME = 3,
    VTCRASH_FRAME_ENOTSUP = 4,
    VTCRASH_FRAME_EINVAL = 5,
    VTCRASH_FRAME_EINTERNAL = 6,
    VTCRASH_FRAME_EBADREG = 7,
} vtcrash_frame_error_t;

// A constant text for every code; any other number gives "Unhandled error code".
const char* vtcrash_frame_strerror(vtcrash_frame_error_t error);

// Windows onto the unwind tables of the images met so far. Finding a window readable
// costs kernel calls in proportion to its pages, so a writer walking many stacks opens
// each image's windows once and keeps the most recent ones here.
constexpr size_t VTCRASH_FRAME_UNWIND_CACHE_SIZE = 16;

struct vtcrash_frame_unwind_tables {
    const vtcrash_async_image* image;
    // Whether the image's call frame information could be opened; a failed image is not
    // tried again.
    bool usable;
    // An ELF object's .eh_frame_hdr search table; a Mach-O image has none.
    bool has_index;
    vtcrash_async_mobject hdr_window;
    vtcrash_async_mobject frame_window;
    vtcrash_async_dwarf_eh_frame_hdr hdr;
    vtcrash_async_dwarf_frame_reader reader;
    // A Mach-O image's compact unwind table: VTCRASH_FRAME_OK when it could be opened,
    // else the error the compact unwind reader answers with.
    vtcrash_frame_error_t compact_status;
    vtcrash_async_mobject compact_window;
    vtcrash_async_cfe_reader compact;
};

struct vtcrash_frame_unwind_cache {
    vtcrash_frame_unwind_tables entries[VTCRASH_FRAME_UNWIND_CACHE_SIZE];
    size_t count;
    // The entry replaced next once all are taken.
    size_t next_replaced;
};

// Empties the cache; its windows stay valid only while the images stay loaded.
void vtcrash_frame_unwind_cache_init(vtcrash_frame_unwind_cache* cache);

struct vtcrash_frame_cursor {
    const vtcrash_async_task* task;
    vtcrash_async_image_list* image_list;
    // Null: the DWARF reader opens its windows for every step.
    vtcrash_frame_unwind_cache* unwind_cache;
    // Frames produced so far.
    uint32_t depth;
    // The frame below the current one (its callee).
    vtcrash_async_thread_state prev_frame;
    vtcrash_async_thread_state frame;
};

// A frame reader: the caller's registers of `current`, whose callee was `previous`
// (null for the innermost frame), with the cursor's task, image list and cache.
typedef vtcrash_frame_error_t (*vtcrash_frame_reader_t)(const vtcrash_frame_cursor* cursor,
                                                        const vtcrash_async_thread_state* current,
                                                        const vtcrash_async_thread_state* previous,
                                                        vtcrash_async_thread_state* next);

// The compact unwind entry of the function holding the pc, in a Mach-O image's
// __TEXT,__unwind_info. An entry that leaves the frame to call frame information names
// its FDE in __eh_frame, through which the frame is unwound here.
vtcrash_frame_error_t vtcrash_frame_reader_compact_unwind(const vtcrash_frame_cursor* cursor,
                                                          const vtcrash_async_thread_state* current,
                                                          const vtcrash_async_thread_state* previous,
                                                          vtcrash_async_thread_state* next);
// Call frame information of the image holding the pc: an ELF object's .eh_frame found
// through its .eh_frame_hdr table, a Mach-O image's __TEXT,__eh_frame searched from its
// start.
vtcrash_frame_error_t vtcrash_frame_reader_dwarf(const vtcrash_frame_cursor* cursor,
                                                 const vtcrash_async_thread_state* current,
                                                 const vtcrash_async_thread_state* previous,
                                                 vtcrash_async_thread_state* next);
// The caller of an innermost frame whose pc is not code with unwind information, as
// after a call through a null or wild function pointer, into no image or into an
// image's data: nothing of the callee ran, so the return address is where the call left
// it (on top of the stack on x86_64, in the link register on arm64) and every register a
// call preserves is still the caller's. Only a return address into an image's code is
// taken.
vtcrash_frame_error_t vtcrash_frame_reader_return_address(const vtcrash_frame_cursor* cursor,
                                                          const vtcrash_async_thread_state* current,
                                                          const vtcrash_async_thread_state* previous,
                                                          vtcrash_async_thread_state* next);
// The chain of frame records (saved frame pointer, return address) that code built
// with frame pointers keeps. Neither this reader nor the one above guesses for a frame
// in an object the image list could not describe: the walk ends there.
vtcrash_frame_error_t vtcrash_frame_reader_frame_pointer(const vtcrash_frame_cursor* cursor,
                                                         const vtcrash_async_thread_state* current,
                                                         const vtcrash_async_thread_state* previous,
                                                         vtcrash_async_thread_state* next);

// The first frame is `thread_state` itself; no unwind cache.
void vtcrash_frame_cursor_init(vtcrash_frame_cursor* cursor, const vtcrash_async_task* task,
                               const vtcrash_async_thread_state* thread_state, vtcrash_async_image_list* image_list);

// The first call yields the first frame without asking any reader; each later call
// steps to the caller. On failure the cursor is unchanged.
vtcrash_frame_error_t vtcrash_frame_cursor_next(vtcrash_frame_cursor* cursor);
vtcrash_frame_error_t vtcrash_frame_cursor_next_with_readers(vtcrash_frame_cursor* cursor,
                                                             const vtcrash_frame_reader_t* readers, size_t count);

// VTCRASH_FRAME_ENOTSUP when the current frame lacks the register.
vtcrash_frame_error_t vtcrash_frame_cursor_get_reg(const vtcrash_frame_cursor* cursor, uint32_t reg, uint64_t* out);
const char* vtcrash_frame_cursor_get_regname(const vtcrash_frame_cursor* cursor, uint32_t reg);
size_t vtcrash_frame_cursor_get_regcount(const vtcrash_frame_cursor* cursor);

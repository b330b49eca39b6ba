#pragma once

#include <cstdint>

#include "crash_capture/async/vtcrash_async_byteorder.h"
#include "crash_capture/async/vtcrash_async_task.h"
#include "crash_capture/async/vtcrash_error.h"

// A checked window onto a range of the process's memory that many small reads share
// (unwind tables, an image's headers): the range is found readable once, with one
// kernel call per batch of pages, and every later read is checked against the window
// instead of costing a kernel call. The process reads itself, so the window is the
// memory in place and the slide is 0; the slide is kept so that readers never assume it.
struct vtcrash_async_mobject {
    const vtcrash_async_task* task;
    // Own-space address of the first requested byte.
    uint64_t address;
    // The requested address as the task sees it.
    uint64_t task_address;
    // Usable bytes from `address` on.
    uint64_t length;
    // task_address - address: subtracting it turns a task address into an own address.
    int64_t vm_slide;
    // The page-aligned range that was found readable.
    uint64_t vm_address;
    uint64_t vm_length;
};

// Opens a window on [task_address, task_address + length). Without `require_full`, a
// range that runs into memory that cannot be read gives a shorter window; with it, or
// when not even the first byte can be read, VTCRASH_ERR_NOMEM.
vtcrash_error_t vtcrash_async_mobject_init(vtcrash_async_mobject* mobj, const vtcrash_async_task* task,
                                           uint64_t task_address, uint64_t length, bool require_full);
void vtcrash_async_mobject_free(vtcrash_async_mobject* mobj);

// True when [address + offset, + length) lies inside the window, no sum wrapping.
bool vtcrash_async_mobject_verify_local_pointer(const vtcrash_async_mobject* mobj, uint64_t address, int64_t offset,
                                                uint64_t length);
// The own-space pointer for task_address + offset when `length` bytes from there are
// inside the window, else null.
const void* vtcrash_async_mobject_remap_address(const vtcrash_async_mobject* mobj, uint64_t task_address,
                                                int64_t offset, uint64_t length);

// Checked reads through the window; outside it VTCRASH_ERR_INVAL.
vtcrash_error_t vtcrash_async_mobject_read_uint8(const vtcrash_async_mobject* mobj, uint64_t task_address,
                                                 int64_t offset, uint8_t* out);
vtcrash_error_t vtcrash_async_mobject_read_uint16(const vtcrash_async_mobject* mobj,
                                                  const vtcrash_async_byteorder* order, uint64_t task_address,
                                                  int64_t offset, uint16_t* out);
vtcrash_error_t vtcrash_async_mobject_read_uint32(const vtcrash_async_mobject* mobj,
                                                  const vtcrash_async_byteorder* order, uint64_t task_address,
                                                  int64_t offset, uint32_t* out);
vtcrash_error_t vtcrash_async_mobject_read_uint64(const vtcrash_async_mobject* mobj,
                                                  const vtcrash_async_byteorder* order, uint64_t task_address,
                                                  int64_t offset, uint64_t* out);

// LEB128 numbers through the window; `out_size` receives the bytes consumed.
vtcrash_error_t vtcrash_async_mobject_read_uleb128(const vtcrash_async_mobject* mobj, uint64_t task_address,
                                                   int64_t offset, uint64_t* out_value, uint64_t* out_size);
vtcrash_error_t vtcrash_async_mobject_read_sleb128(const vtcrash_async_mobject* mobj, uint64_t task_address,
                                                   int64_t offset, int64_t* out_value, uint64_t* out_size);

const vtcrash_async_task* vtcrash_async_mobject_task(const vtcrash_async_mobject* mobj);
uint64_t vtcrash_async_mobject_base_address(const vtcrash_async_mobject* mobj);
uint64_t vtcrash_async_mobject_length(const vtcrash_async_mobject* mobj);

// LEB128 numbers straight from task memory, through a window of one page at the number.
// A wrapping address sum gives VTCRASH_ERR_INVAL.
vtcrash_error_t vtcrash_async_task_read_uleb128(const vtcrash_async_task* task, uint64_t address, int64_t offset,
                                                uint64_t* out_value, uint64_t* out_size);
vtcrash_error_t vtcrash_async_task_read_sleb128(const vtcrash_async_task* task, uint64_t address, int64_t offset,
                                                int64_t* out_value, uint64_t* out_size);

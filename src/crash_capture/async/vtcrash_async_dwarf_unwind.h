#pragma once

#include "crash_capture/async/vtcrash_async_dwarf_frame.h"
#include "crash_capture/async/vtcrash_async_thread_state.h"
#include "crash_capture/async/vtcrash_error.h"

// One step of the DWARF unwinder: the caller's registers of the frame in `thread_state`,
// from the call frame information of the image holding its instruction pointer (the
// reader's window over .eh_frame and the table of .eh_frame_hdr).
//
// A return address is looked up one byte earlier: after a call to a function that
// never returns, it lies past the end of its own function. A frame interrupted by a
// signal (a fault, or the frame a signal trampoline returns to) is looked up as it is.
// The new state's instruction pointer is exact when the FDE used was a signal frame's.
vtcrash_error_t vtcrash_async_dwarf_unwind_frame(const vtcrash_async_dwarf_frame_reader* reader,
                                                 const vtcrash_async_dwarf_eh_frame_hdr* hdr,
                                                 const vtcrash_async_thread_state* thread_state,
                                                 vtcrash_async_thread_state* new_thread_state);

// The same for an image whose frame section has no search table (a Mach-O image's
// __eh_frame): the FDE is searched entry by entry from the section's start.
vtcrash_error_t vtcrash_async_dwarf_unwind_frame_linear(const vtcrash_async_dwarf_frame_reader* reader,
                                                        const vtcrash_async_thread_state* thread_state,
                                                        vtcrash_async_thread_state* new_thread_state);

// The same with the FDE at `fde_offset` of the frame section, as a compact unwind entry
// names it; VTCRASH_ERR_NOTFOUND when that FDE does not cover the instruction pointer.
vtcrash_error_t vtcrash_async_dwarf_unwind_frame_at(const vtcrash_async_dwarf_frame_reader* reader, uint64_t fde_offset,
                                                    const vtcrash_async_thread_state* thread_state,
                                                    vtcrash_async_thread_state* new_thread_state);

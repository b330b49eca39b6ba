#pragma once

#include <cstdint>

#include "crash_capture/async/vtcrash_async_byteorder.h"
#include "crash_capture/async/vtcrash_async_mobject.h"
#include "crash_capture/async/vtcrash_error.h"

// The compact unwind table of a Mach-O image (its __TEXT,__unwind_info section): one
// 32-bit encoding per function range, found for a pc through a first-level index and
// regular or compressed second-level pages. The section is read through a window in
// host byte order. Crash time: no allocation, no lock.

// The section's header; offsets count from the section start.
struct vtcrash_async_cfe_header {
    uint32_t version;
    uint32_t common_encodings_offset;
    uint32_t common_encodings_count;
    uint32_t personalities_offset;
    uint32_t personalities_count;
    uint32_t index_offset;
    // The first-level entries, the closing sentinel included.
    uint32_t index_count;
};

struct vtcrash_async_cfe_reader {
    // The window over the section; it outlives the reader.
    const vtcrash_async_mobject* mobj;
    uint32_t cpu_type;
    const vtcrash_async_byteorder* byteorder;
    vtcrash_async_cfe_header header;
};

// A CPU type without compact encodings gives VTCRASH_ERR_NOTSUP, a header that is not
// wholly inside the window VTCRASH_ERR_INVAL, a version other than 1 VTCRASH_ERR_NOTSUP.
vtcrash_error_t vtcrash_async_cfe_reader_init(vtcrash_async_cfe_reader* reader, const vtcrash_async_mobject* mobj,
                                              uint32_t cpu_type);
void vtcrash_async_cfe_reader_free(vtcrash_async_cfe_reader* reader);

// The encoding of the function holding `pc` and where that function starts, both as
// offsets from the image header. A pc that no entry covers gives VTCRASH_ERR_NOTFOUND,
// a table that points outside the window or holds an unknown page kind or encoding index
// VTCRASH_ERR_INVAL.
vtcrash_error_t vtcrash_async_cfe_reader_find_pc(const vtcrash_async_cfe_reader* reader, uint64_t pc,
                                                 uint64_t* out_function_base, uint32_t* out_encoding);

#pragma once

#include <cstdint>

#include "crash_capture/async/vtcrash_async_byteorder.h"
#include "crash_capture/async/vtcrash_async_dwarf_encoding.h"
#include "crash_capture/async/vtcrash_async_mobject.h"
#include "crash_capture/async/vtcrash_error.h"

// The entries of an image's .eh_frame (common information entries and the frame
// description entries that point at them) and the binary-search table of its
// .eh_frame_hdr, through which an FDE is found. A Mach-O image's __eh_frame has no such
// table: its FDEs are searched one after the other, or named by a compact unwind entry.
// A running image's unwind tables are mapped with it; .debug_frame never is, so it is not
// read.

struct vtcrash_async_dwarf_cie_info {
    // Offset of the CIE's contents (after its length field) in the section window.
    uint64_t cie_offset;
    uint64_t cie_length;
    uint64_t cie_id;
    uint8_t cie_version;
    // Version 4 only.
    uint8_t address_size;
    uint8_t segment_size;
    uint64_t code_alignment_factor;
    int64_t data_alignment_factor;
    uint64_t return_address_register;
    // "z": augmentation data follows, in CIE and FDEs alike.
    bool has_eh_augmentation;
    bool has_lsda_encoding;
    uint8_t lsda_encoding;
    bool has_personality_address;
    uint64_t personality_address;
    bool has_pointer_encoding;
    uint8_t pointer_encoding;
    // "S": the frames this CIE describes are signal trampolines.
    bool signal_frame;
    uint64_t initial_instructions_offset;
    uint64_t initial_instructions_length;
};

struct vtcrash_async_dwarf_fde_info {
    // Offset of the FDE's contents (after its length field) in the section window.
    uint64_t fde_offset;
    uint64_t fde_length;
    // Section offset of the owning CIE.
    uint64_t cie_offset;
    uint64_t pc_start;
    uint64_t pc_end;
    uint64_t instructions_offset;
    uint64_t instructions_length;
};

// A window over an image's .eh_frame.
struct vtcrash_async_dwarf_frame_reader {
    const vtcrash_async_mobject* mobj;
    const vtcrash_async_byteorder* byteorder;
    // Pointer width of the image.
    bool m64;
};

// The header of an image's .eh_frame_hdr, read through a window over it.
struct vtcrash_async_dwarf_eh_frame_hdr {
    const vtcrash_async_mobject* mobj;
    const vtcrash_async_byteorder* byteorder;
    bool m64;
    // Task address of the .eh_frame section the table points into.
    uint64_t eh_frame_address;
    uint64_t fde_count;
    uint8_t table_encoding;
    // Task address of the first (initial location, FDE address) pair, and a pair's size.
    uint64_t table_address;
    uint64_t entry_size;
};

// Reads the CIE at `address` (the start of its length field).
template <typename W>
vtcrash_error_t vtcrash_async_dwarf_cie_info_init(vtcrash_async_dwarf_cie_info* info, const vtcrash_async_mobject* mobj,
                                                  const vtcrash_async_byteorder* byteorder,
                                                  const gnu_ehptr_reader<W>* ptr_reader, uint64_t address);
uint64_t vtcrash_async_dwarf_cie_info_initial_instructions_offset(const vtcrash_async_dwarf_cie_info* info);
uint64_t vtcrash_async_dwarf_cie_info_initial_instructions_length(const vtcrash_async_dwarf_cie_info* info);
void vtcrash_async_dwarf_cie_info_free(vtcrash_async_dwarf_cie_info* info);

// Reads the FDE at `address` (the start of its length field) and its CIE.
template <typename W>
vtcrash_error_t vtcrash_async_dwarf_fde_info_init(vtcrash_async_dwarf_fde_info* info, const vtcrash_async_mobject* mobj,
                                                  const vtcrash_async_byteorder* byteorder, uint64_t address);
uint64_t vtcrash_async_dwarf_fde_info_instructions_offset(const vtcrash_async_dwarf_fde_info* info);
uint64_t vtcrash_async_dwarf_fde_info_instructions_length(const vtcrash_async_dwarf_fde_info* info);
void vtcrash_async_dwarf_fde_info_free(vtcrash_async_dwarf_fde_info* info);

// Reads the header; the table must have entries of a fixed size, or nothing can be
// found through it (VTCRASH_ERR_NOTSUP).
vtcrash_error_t vtcrash_async_dwarf_eh_frame_hdr_init(vtcrash_async_dwarf_eh_frame_hdr* hdr,
                                                      const vtcrash_async_mobject* mobj,
                                                      const vtcrash_async_byteorder* byteorder, bool m64);

vtcrash_error_t vtcrash_async_dwarf_frame_reader_init(vtcrash_async_dwarf_frame_reader* reader,
                                                      const vtcrash_async_mobject* mobj,
                                                      const vtcrash_async_byteorder* byteorder, bool m64);

// The FDE covering `pc` (pc_start <= pc < pc_end), found by a binary search of the
// header's table: VTCRASH_ERR_NOTFOUND when none covers it.
vtcrash_error_t vtcrash_async_dwarf_frame_reader_find_fde(const vtcrash_async_dwarf_frame_reader* reader,
                                                          const vtcrash_async_dwarf_eh_frame_hdr* hdr, uint64_t pc,
                                                          vtcrash_async_dwarf_fde_info* out_fde);

// The FDE covering `pc`, searched entry by entry from `offset` of the section (CIEs are
// skipped): VTCRASH_ERR_NOTFOUND at the section's end or at a zero length, which ends it;
// an FDE that cannot be read gives its error at once.
vtcrash_error_t vtcrash_async_dwarf_frame_reader_find_fde_linear(const vtcrash_async_dwarf_frame_reader* reader,
                                                                 uint64_t offset, uint64_t pc,
                                                                 vtcrash_async_dwarf_fde_info* out_fde);

// The FDE at `offset` of the section: VTCRASH_ERR_NOTFOUND when it does not cover `pc`,
// VTCRASH_ERR_INVAL when the offset lies outside the section.
vtcrash_error_t vtcrash_async_dwarf_frame_reader_fde_at(const vtcrash_async_dwarf_frame_reader* reader, uint64_t offset,
                                                        uint64_t pc, vtcrash_async_dwarf_fde_info* out_fde);

#pragma once

#include <cstdint>

#include "crash_capture/async/vtcrash_async_macho.h"
#include "crash_capture/async/vtcrash_async_symbol_result.h"
#include "crash_capture/async/vtcrash_error.h"

// The symbol table of a Mach-O image, read in place in its __LINKEDIT segment: the whole
// table, and the global and local ranges when the image has a dynamic symbol table.
// Crash time: the reader maps one window and allocates nothing.

// One entry, byte order applied; 32-bit entries are widened.
struct vtcrash_async_macho_symtab_entry {
    uint32_t n_strx;
    uint8_t n_type;
    uint8_t n_sect;
    uint16_t n_desc;
    uint64_t n_value;
    // n_value with bit 0 set for a Thumb definition, as a caller of the code sees it.
    uint64_t normalized_value;
};

struct vtcrash_async_macho_symtab_reader {
    const vtcrash_async_macho* image;
    vtcrash_async_macho_mapped_segment linkedit;
    // Pointers into the __LINKEDIT window.
    const void* symtab;
    uint32_t nsyms;
    // Null without a dynamic symbol table.
    const void* globals;
    uint32_t nglobals;
    const void* locals;
    uint32_t nlocals;
    const char* string_table;
    uint32_t string_table_size;
};

// VTCRASH_ERR_NOTFOUND without a symbol table command, VTCRASH_ERR_INTERNAL when
// __LINKEDIT cannot be mapped or the tables do not lie inside it, VTCRASH_ERR_INVAL for
// a dynamic symbol table whose ranges pass the end of the table or whose command is cut.
vtcrash_error_t vtcrash_async_macho_symtab_reader_init(vtcrash_async_macho_symtab_reader* reader,
                                                       const vtcrash_async_macho* image);
void vtcrash_async_macho_symtab_reader_free(vtcrash_async_macho_symtab_reader* reader);

// The entry `index` of `table` (the whole table, the globals or the locals); false when
// it does not lie in the window.
bool vtcrash_async_macho_symtab_reader_read(const vtcrash_async_macho_symtab_reader* reader, const void* table,
                                            uint32_t index, vtcrash_async_macho_symtab_entry* out);

// The name at `string_index` of the string table; null unless every byte of it up to and
// including its NUL lies inside the string table.
const char* vtcrash_async_macho_symtab_reader_symbol_name(const vtcrash_async_macho_symtab_reader* reader,
                                                          uint32_t string_index);

// Where the first section symbol named `name` lies in the process; VTCRASH_ERR_NOTFOUND
// when there is none.
vtcrash_error_t vtcrash_async_macho_find_symbol_by_name(const vtcrash_async_macho* image, const char* name,
                                                        uint64_t* out_address);

// The section symbol with the greatest value at or below `pc`, the first met on a tie;
// the globals are searched before the locals, which win only with a greater value.
// VTCRASH_ERR_NOTFOUND when there is none, VTCRASH_ERR_INVAL when its name runs out of
// the string table.
vtcrash_error_t vtcrash_async_macho_find_symbol_by_pc(const vtcrash_async_macho* image, uint64_t pc,
                                                      vtcrash_async_found_symbol_callback callback, void* context);

#pragma once

#include <cstddef>
#include <cstdint>

#include "crash_capture/async/vtcrash_error.h"
#include "crash_capture/async/vtcrash_async_symbol_result.h"
#include "crash_capture/async/vtcrash_async_task.h"

// An ELF object loaded in the process, described from its program headers in memory:
// where its segments lie, where its unwind table and symbols are, and its build-id.
// Everything is read through checked copies, because the object may be damaged, and
// nothing is allocated, so an object can be described at crash time too.

// The most build-id bytes kept; real ones are 8 to 20 bytes long.
constexpr size_t VTCRASH_ELF_BUILD_ID_MAX = 64;
// The image uuid of a crash log: the first bytes of the build-id, zero-padded.
constexpr size_t VTCRASH_ELF_UUID_SIZE = 16;

// One symbol table and its string table, as addresses in the process.
struct vtcrash_async_elf_symbols {
    uint64_t symbols_addr;
    uint64_t symbol_count;
    uint64_t strings_addr;
    uint64_t strings_size;
};

struct vtcrash_async_elf {
    const vtcrash_async_task* task;
    // The path; storage belongs to whoever filled the record.
    const char* name;
    // Added to every virtual address of the file to give its address in the process.
    uint64_t load_bias;
    uint64_t header_addr;
    uint64_t phdr_addr;
    uint32_t phnum;
    // ELF machine number (EM_X86_64, EM_AARCH64).
    uint16_t machine;
    // From the lowest to the end of the highest PT_LOAD segment.
    uint64_t span_start;
    uint64_t span_end;
    // 0 when the object has none.
    uint64_t dynamic_addr;
    uint64_t eh_frame_hdr_addr;
    uint64_t eh_frame_hdr_size;
    uint8_t build_id[VTCRASH_ELF_BUILD_ID_MAX];
    uint32_t build_id_length;
    // .dynsym, and .symtab where the loader happened to map it; a count of 0 when absent.
    vtcrash_async_elf_symbols dynamic_symbols;
    vtcrash_async_elf_symbols static_symbols;
};

// Describes the object whose program headers (`phnum` of them) lie at `phdr_addr`, as
// the loader reports it. VTCRASH_ERR_INVAL for headers that do not describe a loaded
// object of this machine's class and byte order, VTCRASH_ERR_NOTFOUND when they cannot
// be read. `name` is kept by pointer.
vtcrash_error_t vtcrash_async_elf_init(vtcrash_async_elf* image, const vtcrash_async_task* task, const char* name,
                                       uint64_t load_bias, uint64_t phdr_addr, uint32_t phnum);

// The same for an object known only by its load bias, as the loader's own list gives
// it: its ELF header must lie at the bias (the first segment at address 0 of the file,
// as in every shared object), else VTCRASH_ERR_INVAL.
vtcrash_error_t vtcrash_async_elf_init_at_bias(vtcrash_async_elf* image, const vtcrash_async_task* task,
                                               const char* name, uint64_t load_bias);

// Whether the address lies in the span of the object's PT_LOAD segments.
bool vtcrash_async_elf_contains_address(const vtcrash_async_elf* image, uint64_t address);

// Whether the address lies in an executable PT_LOAD segment of the object: code, as
// against its read-only data, its variables or a gap between segments.
bool vtcrash_async_elf_address_is_code(const vtcrash_async_elf* image, uint64_t address);

// Whether the address lies in a PT_LOAD segment of the object whose ELF header lies at
// `load_bias`, as the loader's own list gives an object, without describing it any
// further; false when no object of this machine's kind can be read there.
bool vtcrash_async_elf_object_at_bias_contains_address(const vtcrash_async_task* task, uint64_t load_bias,
                                                       uint64_t address);

// The first 16 bytes of the build-id, zero-padded; false when the object has none.
bool vtcrash_async_elf_uuid(const vtcrash_async_elf* image, uint8_t (&uuid)[VTCRASH_ELF_UUID_SIZE]);

// Copies the NUL-terminated string at `address`, which must end before `limit`, a page
// at a time, so that a string next to memory that cannot be read still reads. A string
// longer than the buffer is cut (the buffer always ends in a NUL); one that reaches
// `limit` gives VTCRASH_ERR_INVAL, one that runs into unreadable memory the copy's error.
vtcrash_error_t vtcrash_async_task_read_string(const vtcrash_async_task* task, uint64_t address, uint64_t limit,
                                               char* buffer, size_t size);

// The function symbol that covers `pc`: among the defined symbols at or below it (and
// reaching it, when the symbol has a size) the one with the highest address, the first
// met on a tie, from .dynsym then .symtab. VTCRASH_ERR_NOTFOUND when none does.
vtcrash_error_t vtcrash_async_elf_find_symbol_by_pc(const vtcrash_async_elf* image, uint64_t pc,
                                                    vtcrash_async_found_symbol_callback callback, void* context);

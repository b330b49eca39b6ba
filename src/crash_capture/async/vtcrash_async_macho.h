#pragma once

#include <cstddef>
#include <cstdint>

#include "crash_capture/async/vtcrash_async_byteorder.h"
#include "crash_capture/async/vtcrash_async_macho_cpu_type.h"
#include "crash_capture/async/vtcrash_async_mobject.h"
#include "crash_capture/async/vtcrash_async_task.h"
#include "crash_capture/async/vtcrash_error.h"

// A Mach-O image in the process's memory, described from its header and load commands:
// its width and byte order, its __TEXT range and slide, and windows onto its segments and
// sections for the unwind readers and the symbol lookup. The image may be damaged, so
// every byte is read through a checked window or a checked copy. Only init (the name
// copy) and free touch the heap; everything else may run at crash time.

// The header's first word as read in this machine's byte order.
constexpr uint32_t VTCRASH_MACHO_MAGIC_32 = 0xfeedface;
constexpr uint32_t VTCRASH_MACHO_MAGIC_64 = 0xfeedfacf;
constexpr uint32_t VTCRASH_MACHO_MAGIC_32_SWAPPED = 0xcefaedfe;
constexpr uint32_t VTCRASH_MACHO_MAGIC_64_SWAPPED = 0xcffaedfe;

// Load command types read here.
constexpr uint32_t VTCRASH_MACHO_LC_SEGMENT = 0x1;
constexpr uint32_t VTCRASH_MACHO_LC_SYMTAB = 0x2;
constexpr uint32_t VTCRASH_MACHO_LC_DYSYMTAB = 0xb;
constexpr uint32_t VTCRASH_MACHO_LC_SEGMENT_64 = 0x19;
constexpr uint32_t VTCRASH_MACHO_LC_UUID = 0x1b;

// Segment and section names are fixed fields of this many bytes, NUL-padded.
constexpr size_t VTCRASH_MACHO_NAME_SIZE = 16;
constexpr size_t VTCRASH_MACHO_UUID_SIZE = 16;

// The header as it lies in memory, in the image's byte order.
struct vtcrash_async_macho_header {
    uint32_t magic;
    int32_t cputype;
    int32_t cpusubtype;
    uint32_t filetype;
    uint32_t ncmds;
    uint32_t sizeofcmds;
    uint32_t flags;
};
static_assert(sizeof(vtcrash_async_macho_header) == 28);

struct vtcrash_async_macho {
    const vtcrash_async_task* task;
    uint64_t header_addr;
    // header_addr - the __TEXT vmaddr: added to an address of the file's view to give
    // where it lies in the process.
    int64_t vmaddr_slide;
    // A heap copy of the path.
    char* name;
    vtcrash_async_macho_header header;
    // 28 for a 32-bit image, 32 for a 64-bit one.
    uint32_t header_size;
    // Byte order applied.
    uint32_t ncmds;
    // The sizeofcmds bytes after the header.
    vtcrash_async_mobject load_cmds;
    uint64_t text_vmaddr;
    uint64_t text_size;
    bool m64;
    const vtcrash_async_byteorder* byteorder;
};

// A window onto a segment's memory, with where the segment lies in the file.
struct vtcrash_async_macho_mapped_segment {
    vtcrash_async_mobject mobj;
    uint64_t fileoff;
    uint64_t filesize;
};

// Reads the header at `header_addr`, its load commands and its __TEXT segment. A header
// that cannot be copied gives VTCRASH_ERR_INTERNAL; an unknown magic, commands that
// cannot hold a whole __TEXT segment command, or none at all VTCRASH_ERR_INVAL; load
// commands that cannot all be read the window's error. On failure nothing is held.
vtcrash_error_t vtcrash_async_macho_init(vtcrash_async_macho* image, const vtcrash_async_task* task, const char* name,
                                         uint64_t header_addr);
void vtcrash_async_macho_free(vtcrash_async_macho* image);

const vtcrash_async_byteorder* vtcrash_async_macho_get_byteorder(const vtcrash_async_macho* image);
const vtcrash_async_macho_header* vtcrash_async_macho_get_header(const vtcrash_async_macho* image);
uint32_t vtcrash_async_macho_get_header_size(const vtcrash_async_macho* image);
// Byte order applied.
int32_t vtcrash_async_macho_get_cpu_type(const vtcrash_async_macho* image);
int32_t vtcrash_async_macho_get_cpu_subtype(const vtcrash_async_macho* image);

// header_addr <= address < header_addr + the __TEXT size.
bool vtcrash_async_macho_contains_address(const vtcrash_async_macho* image, uint64_t address);

// The load command walk. A command is handed out as a pointer into the load-command
// window, and only when its header, a size of at least 8 and all of its bytes lie in the
// window; a command that breaks this ends the walk. `previous` null gives the first.
const void* vtcrash_async_macho_next_command(const vtcrash_async_macho* image, const void* previous);
// The first command after `previous` (or the first of all) of that type.
const void* vtcrash_async_macho_next_command_type(const vtcrash_async_macho* image, const void* previous,
                                                  uint32_t type);
const void* vtcrash_async_macho_find_command(const vtcrash_async_macho* image, uint32_t type);
// The command's type and size, byte order applied.
uint32_t vtcrash_async_macho_command_type(const vtcrash_async_macho* image, const void* command);
uint32_t vtcrash_async_macho_command_size(const vtcrash_async_macho* image, const void* command);
// Copies `length` bytes at `offset` of a command handed out by the walk; false when they
// are not all inside the command.
bool vtcrash_async_macho_command_read(const vtcrash_async_macho* image, const void* command, uint64_t offset,
                                      void* dest, uint64_t length);
// The same for one field, byte order applied.
bool vtcrash_async_macho_command_read_uint32(const vtcrash_async_macho* image, const void* command, uint64_t offset,
                                             uint32_t* out);

// The first segment command of the image's width whose 16-byte name matches.
const void* vtcrash_async_macho_find_segment_cmd(const vtcrash_async_macho* image, const char* segname);

// A window onto the segment's memory, cut short where that memory cannot be read.
// VTCRASH_ERR_NOTFOUND without such a segment.
vtcrash_error_t vtcrash_async_macho_map_segment(const vtcrash_async_macho* image, const char* segname,
                                                vtcrash_async_macho_mapped_segment* out);
void vtcrash_async_macho_mapped_segment_free(vtcrash_async_macho_mapped_segment* segment);

// A window onto all of the section's memory. VTCRASH_ERR_NOTFOUND without the segment or
// the section, VTCRASH_ERR_INVAL when the segment's section headers run out of its command.
vtcrash_error_t vtcrash_async_macho_map_section(const vtcrash_async_macho* image, const char* segname,
                                                const char* sectname, vtcrash_async_mobject* out);

// The 16 bytes of the UUID command; false when the image has none.
bool vtcrash_async_macho_uuid(const vtcrash_async_macho* image, uint8_t (&uuid)[VTCRASH_MACHO_UUID_SIZE]);

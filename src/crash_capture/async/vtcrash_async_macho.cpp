#include "crash_capture/async/vtcrash_async_macho.h"

#include <new>

#include "crash_capture/async/vtcrash_async_string.h"

namespace {

constexpr uint32_t kHeaderSize32 = 28;
constexpr uint32_t kHeaderSize64 = 32;
// Every load command starts with its type and its size.
constexpr uint64_t kCommandHeaderSize = 8;

// Segment commands: type, size, name, then vmaddr, vmsize, fileoff and filesize (32 or
// 64 bits wide), then the protections, the section count and the flags. The section
// headers follow.
constexpr uint64_t kSegmentNameOffset = 8;
constexpr uint64_t kSegmentFieldsOffset = kSegmentNameOffset + VTCRASH_MACHO_NAME_SIZE;
constexpr uint64_t kSegmentCommandSize32 = 56;
constexpr uint64_t kSegmentCommandSize64 = 72;
// Section headers: name, segment name, then addr and size (32 or 64 bits wide).
constexpr uint64_t kSectionFieldsOffset = 2 * VTCRASH_MACHO_NAME_SIZE;
constexpr uint64_t kSectionSize32 = 68;
constexpr uint64_t kSectionSize64 = 80;

// The fields of a segment command that the readers use, byte order applied.
struct Segment {
    uint64_t vmaddr;
    uint64_t vmsize;
    uint64_t fileoff;
    uint64_t filesize;
    uint32_t nsects;
};

uint64_t commandAddress(const void* command) { return reinterpret_cast<uint64_t>(command); }

uint32_t segmentCommandType(const vtcrash_async_macho* image) {
    return image->m64 ? VTCRASH_MACHO_LC_SEGMENT_64 : VTCRASH_MACHO_LC_SEGMENT;
}

// A field of the image's width at `offset` of a command: 4 or 8 bytes, widened.
bool readWord(const vtcrash_async_macho* image, const void* command, uint64_t offset, uint64_t* out) {
    if (image->m64) {
        uint64_t raw = 0;
        if (!vtcrash_async_macho_command_read(image, command, offset, &raw, sizeof raw)) return false;
        *out = image->byteorder->swap64(raw);
        return true;
    }
    uint32_t raw = 0;
    if (!vtcrash_async_macho_command_read(image, command, offset, &raw, sizeof raw)) return false;
    *out = image->byteorder->swap32(raw);
    return true;
}

bool readSegment(const vtcrash_async_macho* image, const void* command, Segment* out) {
    const uint64_t word = image->m64 ? 8 : 4;
    const uint64_t size = image->m64 ? kSegmentCommandSize64 : kSegmentCommandSize32;
    uint8_t whole[kSegmentCommandSize64];
    if (!vtcrash_async_macho_command_read(image, command, 0, whole, size)) return false;
    const uint64_t fields = kSegmentFieldsOffset;
    return readWord(image, command, fields, &out->vmaddr) && readWord(image, command, fields + word, &out->vmsize) &&
           readWord(image, command, fields + 2 * word, &out->fileoff) &&
           readWord(image, command, fields + 3 * word, &out->filesize) &&
           vtcrash_async_macho_command_read_uint32(image, command, fields + 4 * word + 8, &out->nsects);
}

bool namesMatch(const char (&field)[VTCRASH_MACHO_NAME_SIZE], const char* name) {
    return vtcrash_async_strncmp(field, name, VTCRASH_MACHO_NAME_SIZE) == 0;
}

// Where [vmaddr, + size) of the file's view lies in the process.
bool slid(const vtcrash_async_macho* image, uint64_t vmaddr, uint64_t* out) {
    return vtcrash_async_address_apply_offset(vmaddr, image->vmaddr_slide, out);
}

char* copyName(const char* name) {
    const char* source = name != nullptr ? name : "";
    const size_t size = vtcrash_async_strlen(source) + 1;
    char* copy = new (std::nothrow) char[size];
    if (copy != nullptr) vtcrash_async_memcpy(copy, source, size);
    return copy;
}

vtcrash_error_t classifyMagic(vtcrash_async_macho* image) {
    switch (image->header.magic) {
    case VTCRASH_MACHO_MAGIC_32:
    case VTCRASH_MACHO_MAGIC_64:
        image->byteorder = vtcrash_async_byteorder_host();
        break;
    case VTCRASH_MACHO_MAGIC_32_SWAPPED:
    case VTCRASH_MACHO_MAGIC_64_SWAPPED:
        image->byteorder = vtcrash_async_byteorder_swapped();
        break;
    default:
        return VTCRASH_ERR_INVAL;
    }
    image->m64 = image->header.magic == VTCRASH_MACHO_MAGIC_64 || image->header.magic == VTCRASH_MACHO_MAGIC_64_SWAPPED;
    image->header_size = image->m64 ? kHeaderSize64 : kHeaderSize32;
    image->ncmds = image->byteorder->swap32(image->header.ncmds);
    return VTCRASH_OK;
}

vtcrash_error_t readImage(vtcrash_async_macho* image) {
    if (vtcrash_async_task_memcpy(image->task, image->header_addr, 0, &image->header, sizeof image->header) !=
        VTCRASH_OK) {
        return VTCRASH_ERR_INTERNAL;
    }
    const vtcrash_error_t classified = classifyMagic(image);
    if (classified != VTCRASH_OK) return classified;

    // Fewer bytes than one command header cannot describe __TEXT.
    const uint32_t sizeofcmds = image->byteorder->swap32(image->header.sizeofcmds);
    uint64_t commands = 0;
    if (sizeofcmds < kCommandHeaderSize ||
        !vtcrash_async_address_apply_offset(image->header_addr, image->header_size, &commands)) {
        return VTCRASH_ERR_INVAL;
    }
    const vtcrash_error_t mapped =
        vtcrash_async_mobject_init(&image->load_cmds, image->task, commands, sizeofcmds, true);
    if (mapped != VTCRASH_OK) return mapped;

    Segment text;
    const void* command = vtcrash_async_macho_find_segment_cmd(image, "__TEXT");
    if (command == nullptr || !readSegment(image, command, &text)) return VTCRASH_ERR_INVAL;
    image->text_vmaddr = text.vmaddr;
    image->text_size = text.vmsize;
    image->vmaddr_slide = static_cast<int64_t>(image->header_addr - text.vmaddr);
    return VTCRASH_OK;
}

}  // namespace

vtcrash_error_t vtcrash_async_macho_init(vtcrash_async_macho* image, const vtcrash_async_task* task, const char* name,
                                         uint64_t header_addr) {
    vtcrash_async_memset(image, 0, sizeof *image);
    image->task = task;
    image->header_addr = header_addr;
    image->name = copyName(name);
    if (image->name == nullptr) return VTCRASH_ERR_NOMEM;
    const vtcrash_error_t result = readImage(image);
    if (result != VTCRASH_OK) vtcrash_async_macho_free(image);
    return result;
}

void vtcrash_async_macho_free(vtcrash_async_macho* image) {
    delete[] image->name;
    vtcrash_async_mobject_free(&image->load_cmds);
    vtcrash_async_memset(image, 0, sizeof *image);
}

const vtcrash_async_byteorder* vtcrash_async_macho_get_byteorder(const vtcrash_async_macho* image) {
    return image->byteorder;
}

const vtcrash_async_macho_header* vtcrash_async_macho_get_header(const vtcrash_async_macho* image) {
    return &image->header;
}

uint32_t vtcrash_async_macho_get_header_size(const vtcrash_async_macho* image) { return image->header_size; }

int32_t vtcrash_async_macho_get_cpu_type(const vtcrash_async_macho* image) {
    return static_cast<int32_t>(image->byteorder->swap32(static_cast<uint32_t>(image->header.cputype)));
}

int32_t vtcrash_async_macho_get_cpu_subtype(const vtcrash_async_macho* image) {
    return static_cast<int32_t>(image->byteorder->swap32(static_cast<uint32_t>(image->header.cpusubtype)));
}

bool vtcrash_async_macho_contains_address(const vtcrash_async_macho* image, uint64_t address) {
    return address >= image->header_addr && address - image->header_addr < image->text_size;
}

const void* vtcrash_async_macho_next_command(const vtcrash_async_macho* image, const void* previous) {
    const vtcrash_async_mobject* window = &image->load_cmds;
    uint64_t at = window->address;
    if (previous != nullptr) {
        const uint32_t previous_size = vtcrash_async_macho_command_size(image, previous);
        if (previous_size < kCommandHeaderSize ||
            !vtcrash_async_address_apply_offset(commandAddress(previous), previous_size, &at)) {
            return nullptr;
        }
    }
    uint32_t header[2];
    if (!vtcrash_async_mobject_verify_local_pointer(window, at, 0, sizeof header)) return nullptr;
    __builtin_memcpy(header, reinterpret_cast<const void*>(at), sizeof header);
    const uint32_t size = image->byteorder->swap32(header[1]);
    if (size < kCommandHeaderSize || !vtcrash_async_mobject_verify_local_pointer(window, at, 0, size)) return nullptr;
    return reinterpret_cast<const void*>(at);
}

const void* vtcrash_async_macho_next_command_type(const vtcrash_async_macho* image, const void* previous,
                                                  uint32_t type) {
    for (const void* command = vtcrash_async_macho_next_command(image, previous); command != nullptr;
         command = vtcrash_async_macho_next_command(image, command)) {
        if (vtcrash_async_macho_command_type(image, command) == type) return command;
    }
    return nullptr;
}

const void* vtcrash_async_macho_find_command(const vtcrash_async_macho* image, uint32_t type) {
    return vtcrash_async_macho_next_command_type(image, nullptr, type);
}

uint32_t vtcrash_async_macho_command_type(const vtcrash_async_macho* image, const void* command) {
    uint32_t raw = 0;
    __builtin_memcpy(&raw, command, sizeof raw);
    return image->byteorder->swap32(raw);
}

uint32_t vtcrash_async_macho_command_size(const vtcrash_async_macho* image, const void* command) {
    uint32_t raw = 0;
    __builtin_memcpy(&raw, static_cast<const uint8_t*>(command) + 4, sizeof raw);
    return image->byteorder->swap32(raw);
}

bool vtcrash_async_macho_command_read(const vtcrash_async_macho* image, const void* command, uint64_t offset,
                                      void* dest, uint64_t length) {
    // The walk checked the command's size against the window; its fields are bounded by
    // that size, so a short command never lends bytes of the next one.
    const uint64_t size = vtcrash_async_macho_command_size(image, command);
    if (offset > size || length > size - offset) return false;
    if (!vtcrash_async_mobject_verify_local_pointer(&image->load_cmds, commandAddress(command),
                                                    static_cast<int64_t>(offset), length)) {
        return false;
    }
    __builtin_memcpy(dest, static_cast<const uint8_t*>(command) + offset, length);
    return true;
}

bool vtcrash_async_macho_command_read_uint32(const vtcrash_async_macho* image, const void* command, uint64_t offset,
                                             uint32_t* out) {
    uint32_t raw = 0;
    if (!vtcrash_async_macho_command_read(image, command, offset, &raw, sizeof raw)) return false;
    *out = image->byteorder->swap32(raw);
    return true;
}

const void* vtcrash_async_macho_find_segment_cmd(const vtcrash_async_macho* image, const char* segname) {
    const uint32_t type = segmentCommandType(image);
    for (const void* command = vtcrash_async_macho_next_command_type(image, nullptr, type); command != nullptr;
         command = vtcrash_async_macho_next_command_type(image, command, type)) {
        char name[VTCRASH_MACHO_NAME_SIZE];
        if (vtcrash_async_macho_command_read(image, command, kSegmentNameOffset, name, sizeof name) &&
            namesMatch(name, segname)) {
            return command;
        }
    }
    return nullptr;
}

vtcrash_error_t vtcrash_async_macho_map_segment(const vtcrash_async_macho* image, const char* segname,
                                                vtcrash_async_macho_mapped_segment* out) {
    vtcrash_async_memset(out, 0, sizeof *out);
    const void* command = vtcrash_async_macho_find_segment_cmd(image, segname);
    if (command == nullptr) return VTCRASH_ERR_NOTFOUND;
    Segment segment;
    uint64_t address = 0;
    if (!readSegment(image, command, &segment) || !slid(image, segment.vmaddr, &address)) return VTCRASH_ERR_INVAL;
    const vtcrash_error_t mapped = vtcrash_async_mobject_init(&out->mobj, image->task, address, segment.vmsize, false);
    if (mapped != VTCRASH_OK) return mapped;
    out->fileoff = segment.fileoff;
    out->filesize = segment.filesize;
    return VTCRASH_OK;
}

void vtcrash_async_macho_mapped_segment_free(vtcrash_async_macho_mapped_segment* segment) {
    vtcrash_async_mobject_free(&segment->mobj);
}

vtcrash_error_t vtcrash_async_macho_map_section(const vtcrash_async_macho* image, const char* segname,
                                                const char* sectname, vtcrash_async_mobject* out) {
    const void* command = vtcrash_async_macho_find_segment_cmd(image, segname);
    if (command == nullptr) return VTCRASH_ERR_NOTFOUND;
    Segment segment;
    if (!readSegment(image, command, &segment)) return VTCRASH_ERR_INVAL;
    const uint64_t word = image->m64 ? 8 : 4;
    const uint64_t section_size = image->m64 ? kSectionSize64 : kSectionSize32;
    const uint64_t first_section = image->m64 ? kSegmentCommandSize64 : kSegmentCommandSize32;
    for (uint64_t index = 0; index < segment.nsects; ++index) {
        const uint64_t at = first_section + index * section_size;
        uint8_t whole[kSectionSize64];
        if (!vtcrash_async_macho_command_read(image, command, at, whole, section_size)) return VTCRASH_ERR_INVAL;
        char name[VTCRASH_MACHO_NAME_SIZE];
        __builtin_memcpy(name, whole, sizeof name);
        if (!namesMatch(name, sectname)) continue;
        uint64_t addr = 0, size = 0, address = 0;
        if (!readWord(image, command, at + kSectionFieldsOffset, &addr) ||
            !readWord(image, command, at + kSectionFieldsOffset + word, &size) || !slid(image, addr, &address)) {
            return VTCRASH_ERR_INVAL;
        }
        return vtcrash_async_mobject_init(out, image->task, address, size, true);
    }
    return VTCRASH_ERR_NOTFOUND;
}

bool vtcrash_async_macho_uuid(const vtcrash_async_macho* image, uint8_t (&uuid)[VTCRASH_MACHO_UUID_SIZE]) {
    const void* command = vtcrash_async_macho_find_command(image, VTCRASH_MACHO_LC_UUID);
    return command != nullptr &&
           vtcrash_async_macho_command_read(image, command, kCommandHeaderSize, uuid, sizeof uuid);
}

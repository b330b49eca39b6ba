#include "crash_capture/async/vtcrash_async_macho_symtab.h"

#include "crash_capture/async/vtcrash_async_string.h"

namespace {

constexpr uint64_t kEntrySize32 = 12;
constexpr uint64_t kEntrySize64 = 16;
// A defined symbol of a section: the type bits say "section", and no debugging bits are
// set; the external and private-external bits may be either.
constexpr uint8_t kSectionTypeMask = 0xee;
constexpr uint8_t kSectionType = 0x0e;
constexpr uint16_t kThumbDefinition = 0x0008;

// The symbol table command holds symoff, nsyms, stroff and strsize after its header; the
// dynamic symbol table command starts with ilocalsym, nlocalsym, iextdefsym, nextdefsym.
enum SymtabField { kSymoff, kNsyms, kStroff, kStrsize, kSymtabFieldCount };
enum DysymtabField { kIlocalsym, kNlocalsym, kIextdefsym, kNextdefsym, kDysymtabFieldCount };
constexpr uint64_t kCommandFieldsOffset = 8;

uint64_t entrySize(const vtcrash_async_macho* image) { return image->m64 ? kEntrySize64 : kEntrySize32; }

template <size_t Count>
bool readFields(const vtcrash_async_macho* image, const void* command, uint32_t (&fields)[Count]) {
    for (uint64_t index = 0; index < Count; ++index) {
        if (!vtcrash_async_macho_command_read_uint32(image, command, kCommandFieldsOffset + 4 * index,
                                                     &fields[index])) {
            return false;
        }
    }
    return true;
}

// The local pointer to [file offset, + length) of __LINKEDIT, when the window holds it.
const void* linkeditRange(const vtcrash_async_macho_symtab_reader* reader, uint64_t file_offset, uint64_t length) {
    const vtcrash_async_macho_mapped_segment& linkedit = reader->linkedit;
    if (file_offset < linkedit.fileoff) return nullptr;
    const uint64_t offset = file_offset - linkedit.fileoff;
    if (offset > INT64_MAX) return nullptr;
    return vtcrash_async_mobject_remap_address(&linkedit.mobj, vtcrash_async_mobject_base_address(&linkedit.mobj),
                                               static_cast<int64_t>(offset), length);
}

const void* tableAt(const vtcrash_async_macho_symtab_reader* reader, uint32_t first) {
    return static_cast<const uint8_t*>(reader->symtab) + first * entrySize(reader->image);
}

vtcrash_error_t openTables(vtcrash_async_macho_symtab_reader* reader) {
    const vtcrash_async_macho* image = reader->image;
    const void* symtab_command = vtcrash_async_macho_find_command(image, VTCRASH_MACHO_LC_SYMTAB);
    if (symtab_command == nullptr) return VTCRASH_ERR_NOTFOUND;
    uint32_t symtab[kSymtabFieldCount];
    if (!readFields(image, symtab_command, symtab)) return VTCRASH_ERR_INVAL;

    if (vtcrash_async_macho_map_segment(image, "__LINKEDIT", &reader->linkedit) != VTCRASH_OK) {
        return VTCRASH_ERR_INTERNAL;
    }
    const uint32_t nsyms = symtab[kNsyms];
    reader->symtab = linkeditRange(reader, symtab[kSymoff], uint64_t{nsyms} * entrySize(image));
    reader->string_table = static_cast<const char*>(linkeditRange(reader, symtab[kStroff], symtab[kStrsize]));
    if (reader->symtab == nullptr || reader->string_table == nullptr) return VTCRASH_ERR_INTERNAL;
    reader->nsyms = nsyms;
    reader->string_table_size = symtab[kStrsize];

    const void* dysymtab_command = vtcrash_async_macho_find_command(image, VTCRASH_MACHO_LC_DYSYMTAB);
    if (dysymtab_command == nullptr) return VTCRASH_OK;
    uint32_t ranges[kDysymtabFieldCount];
    if (!readFields(image, dysymtab_command, ranges)) return VTCRASH_ERR_INVAL;
    if (uint64_t{ranges[kIextdefsym]} + ranges[kNextdefsym] > nsyms ||
        uint64_t{ranges[kIlocalsym]} + ranges[kNlocalsym] > nsyms) {
        return VTCRASH_ERR_INVAL;
    }
    reader->globals = tableAt(reader, ranges[kIextdefsym]);
    reader->nglobals = ranges[kNextdefsym];
    reader->locals = tableAt(reader, ranges[kIlocalsym]);
    reader->nlocals = ranges[kNlocalsym];
    return VTCRASH_OK;
}

bool isSectionSymbol(const vtcrash_async_macho_symtab_entry& entry) {
    return (entry.n_type & kSectionTypeMask) == kSectionType;
}

struct Best {
    bool found = false;
    vtcrash_async_macho_symtab_entry entry{};
};

void searchBest(const vtcrash_async_macho_symtab_reader* reader, const void* table, uint32_t count,
                uint64_t relative_pc, Best* best) {
    for (uint32_t index = 0; index < count; ++index) {
        vtcrash_async_macho_symtab_entry entry;
        if (!vtcrash_async_macho_symtab_reader_read(reader, table, index, &entry)) return;
        if (!isSectionSymbol(entry) || entry.n_value > relative_pc) continue;
        if (best->found && entry.n_value <= best->entry.n_value) continue;
        best->found = true;
        best->entry = entry;
    }
}

}  // namespace

vtcrash_error_t vtcrash_async_macho_symtab_reader_init(vtcrash_async_macho_symtab_reader* reader,
                                                       const vtcrash_async_macho* image) {
    vtcrash_async_memset(reader, 0, sizeof *reader);
    reader->image = image;
    const vtcrash_error_t result = openTables(reader);
    if (result != VTCRASH_OK) vtcrash_async_macho_symtab_reader_free(reader);
    return result;
}

void vtcrash_async_macho_symtab_reader_free(vtcrash_async_macho_symtab_reader* reader) {
    vtcrash_async_macho_mapped_segment_free(&reader->linkedit);
    const vtcrash_async_macho* image = reader->image;
    vtcrash_async_memset(reader, 0, sizeof *reader);
    reader->image = image;
}

bool vtcrash_async_macho_symtab_reader_read(const vtcrash_async_macho_symtab_reader* reader, const void* table,
                                            uint32_t index, vtcrash_async_macho_symtab_entry* out) {
    const vtcrash_async_macho* image = reader->image;
    const uint64_t size = entrySize(image);
    const uint64_t at = reinterpret_cast<uint64_t>(table);
    if (table == nullptr || !vtcrash_async_mobject_verify_local_pointer(&reader->linkedit.mobj, at,
                                                                        static_cast<int64_t>(index * size), size)) {
        return false;
    }
    const uint8_t* bytes = static_cast<const uint8_t*>(table) + index * size;
    uint32_t strx = 0;
    uint16_t desc = 0;
    __builtin_memcpy(&strx, bytes, sizeof strx);
    __builtin_memcpy(&desc, bytes + 6, sizeof desc);
    out->n_strx = image->byteorder->swap32(strx);
    out->n_type = bytes[4];
    out->n_sect = bytes[5];
    out->n_desc = image->byteorder->swap16(desc);
    if (image->m64) {
        uint64_t value = 0;
        __builtin_memcpy(&value, bytes + 8, sizeof value);
        out->n_value = image->byteorder->swap64(value);
    } else {
        uint32_t value = 0;
        __builtin_memcpy(&value, bytes + 8, sizeof value);
        out->n_value = image->byteorder->swap32(value);
    }
    out->normalized_value = (out->n_desc & kThumbDefinition) != 0 ? out->n_value | 1 : out->n_value;
    return true;
}

const char* vtcrash_async_macho_symtab_reader_symbol_name(const vtcrash_async_macho_symtab_reader* reader,
                                                          uint32_t string_index) {
    if (reader->string_table == nullptr) return nullptr;
    for (uint64_t at = string_index; at < reader->string_table_size; ++at) {
        if (reader->string_table[at] == '\0') return reader->string_table + string_index;
    }
    return nullptr;
}

vtcrash_error_t vtcrash_async_macho_find_symbol_by_name(const vtcrash_async_macho* image, const char* name,
                                                        uint64_t* out_address) {
    vtcrash_async_macho_symtab_reader reader;
    const vtcrash_error_t opened = vtcrash_async_macho_symtab_reader_init(&reader, image);
    if (opened != VTCRASH_OK) return opened;
    vtcrash_error_t result = VTCRASH_ERR_NOTFOUND;
    for (uint32_t index = 0; index < reader.nsyms; ++index) {
        vtcrash_async_macho_symtab_entry entry;
        if (!vtcrash_async_macho_symtab_reader_read(&reader, reader.symtab, index, &entry)) break;
        if (!isSectionSymbol(entry)) continue;
        const char* entry_name = vtcrash_async_macho_symtab_reader_symbol_name(&reader, entry.n_strx);
        if (entry_name == nullptr || vtcrash_async_strcmp(entry_name, name) != 0) continue;
        *out_address = entry.n_value + static_cast<uint64_t>(image->vmaddr_slide);
        result = VTCRASH_OK;
        break;
    }
    vtcrash_async_macho_symtab_reader_free(&reader);
    return result;
}

vtcrash_error_t vtcrash_async_macho_find_symbol_by_pc(const vtcrash_async_macho* image, uint64_t pc,
                                                      vtcrash_async_found_symbol_callback callback, void* context) {
    uint64_t relative_pc = 0;
    if (!vtcrash_async_address_remove_offset(pc, image->vmaddr_slide, &relative_pc)) return VTCRASH_ERR_NOTFOUND;
    vtcrash_async_macho_symtab_reader reader;
    const vtcrash_error_t opened = vtcrash_async_macho_symtab_reader_init(&reader, image);
    if (opened != VTCRASH_OK) return opened;

    Best best;
    if (reader.globals != nullptr && uint64_t{reader.nglobals} + reader.nlocals > 0) {
        searchBest(&reader, reader.globals, reader.nglobals, relative_pc, &best);
        searchBest(&reader, reader.locals, reader.nlocals, relative_pc, &best);
    } else {
        searchBest(&reader, reader.symtab, reader.nsyms, relative_pc, &best);
    }

    vtcrash_error_t result = VTCRASH_ERR_NOTFOUND;
    if (best.found) {
        const char* name = vtcrash_async_macho_symtab_reader_symbol_name(&reader, best.entry.n_strx);
        result = name != nullptr ? VTCRASH_OK : VTCRASH_ERR_INVAL;
        if (name != nullptr) {
            callback(best.entry.normalized_value + static_cast<uint64_t>(image->vmaddr_slide), name, context);
        }
    }
    vtcrash_async_macho_symtab_reader_free(&reader);
    return result;
}

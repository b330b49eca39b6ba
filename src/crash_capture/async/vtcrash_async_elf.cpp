#include "crash_capture/async/vtcrash_async_elf.h"

#include <elf.h>
#include <link.h>

#include "crash_capture/async/vtcrash_async_string.h"

namespace {

using Ehdr = ElfW(Ehdr);
using Phdr = ElfW(Phdr);
using Shdr = ElfW(Shdr);
using Dyn = ElfW(Dyn);
using Sym = ElfW(Sym);

#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr unsigned char kHostData = ELFDATA2LSB;
#else
constexpr unsigned char kHostData = ELFDATA2MSB;
#endif
constexpr unsigned char kHostClass = sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32;

// Bounds that keep a damaged object from sending a walk through all of memory.
constexpr uint32_t kMaxProgramHeaders = 256;
constexpr uint32_t kMaxNotes = 64;
constexpr uint32_t kMaxDynamicEntries = 1024;
constexpr uint64_t kMaxSymbols = uint64_t{1} << 24;
constexpr uint64_t kMaxChainLength = uint64_t{1} << 16;
// Symbols and hash words are copied in batches of these, on the stack.
constexpr uint32_t kSymbolBatch = 32;
constexpr uint32_t kHashWordBatch = 128;

constexpr char kGnuNoteName[] = "GNU";

bool addChecked(uint64_t a, uint64_t b, uint64_t* out) { return !__builtin_add_overflow(a, b, out); }

template <typename T>
vtcrash_error_t readValue(const vtcrash_async_task* task, uint64_t address, T* out) {
    return vtcrash_async_task_memcpy(task, address, 0, out, sizeof(T));
}

bool headerIsHostObject(const Ehdr& header) {
    return header.e_ident[EI_MAG0] == ELFMAG0 && header.e_ident[EI_MAG1] == ELFMAG1 &&
           header.e_ident[EI_MAG2] == ELFMAG2 && header.e_ident[EI_MAG3] == ELFMAG3 &&
           header.e_ident[EI_CLASS] == kHostClass && header.e_ident[EI_DATA] == kHostData &&
           header.e_ident[EI_VERSION] == EV_CURRENT;
}

vtcrash_error_t readProgramHeader(const vtcrash_async_elf* image, uint32_t index, Phdr* out) {
    return vtcrash_async_task_memcpy(image->task, image->phdr_addr, int64_t{index} * int64_t{sizeof(Phdr)}, out,
                                     sizeof(Phdr));
}

// Whether the segment, moved by the load bias, holds the address.
bool segmentHolds(uint64_t load_bias, const Phdr& segment, uint64_t address) {
    uint64_t start = 0, end = 0;
    return addChecked(load_bias, segment.p_vaddr, &start) && addChecked(start, segment.p_memsz, &end) &&
           address >= start && address < end;
}

// The address where the bytes [offset, offset + length) of the file are mapped, when
// one PT_LOAD segment maps them all.
bool fileRangeAddress(const vtcrash_async_elf* image, uint64_t offset, uint64_t length, uint64_t* out) {
    uint64_t end = 0;
    if (!addChecked(offset, length, &end)) return false;
    for (uint32_t index = 0; index < image->phnum; ++index) {
        Phdr segment;
        if (readProgramHeader(image, index, &segment) != VTCRASH_OK) return false;
        if (segment.p_type != PT_LOAD || offset < segment.p_offset) continue;
        if (end - segment.p_offset > segment.p_filesz) continue;
        return addChecked(image->load_bias + segment.p_vaddr, offset - segment.p_offset, out);
    }
    return false;
}

// Copies the note's descriptor when the PT_NOTE segment at `address` holds a GNU
// build-id. Notes are padded to the segment's alignment (4, or 8 for some segments).
void readBuildId(vtcrash_async_elf* image, uint64_t address, uint64_t size, uint64_t alignment) {
    const uint64_t pad = alignment == 8 ? 7 : 3;
    uint64_t offset = 0;
    for (uint32_t note = 0; note < kMaxNotes && size - offset >= sizeof(ElfW(Nhdr)); ++note) {
        ElfW(Nhdr) header;
        if (readValue(image->task, address + offset, &header) != VTCRASH_OK) return;
        const uint64_t name_offset = offset + sizeof header;
        const uint64_t desc_offset = name_offset + ((uint64_t{header.n_namesz} + pad) & ~pad);
        const uint64_t next = desc_offset + ((uint64_t{header.n_descsz} + pad) & ~pad);
        if (next > size) return;
        char name[sizeof kGnuNoteName] = {};
        if (header.n_type == NT_GNU_BUILD_ID && header.n_namesz == sizeof name &&
            readValue(image->task, address + name_offset, &name) == VTCRASH_OK &&
            vtcrash_async_strncmp(name, kGnuNoteName, sizeof name) == 0) {
            const uint32_t length =
                header.n_descsz < VTCRASH_ELF_BUILD_ID_MAX ? header.n_descsz : uint32_t{VTCRASH_ELF_BUILD_ID_MAX};
            if (vtcrash_async_task_memcpy(image->task, address + desc_offset, 0, image->build_id, length) ==
                VTCRASH_OK) {
                image->build_id_length = length;
            }
            return;
        }
        offset = next;
    }
}

// The loader relocates most pointers of the dynamic section in place, but not those of
// an object whose dynamic section is read-only (the vDSO): a pointer already inside the
// object is taken as it is, any other gets the load bias.
uint64_t dynamicPointer(const vtcrash_async_elf* image, uint64_t value) {
    if (vtcrash_async_elf_contains_address(image, value)) return value;
    uint64_t biased = 0;
    if (addChecked(image->load_bias, value, &biased) && vtcrash_async_elf_contains_address(image, biased)) {
        return biased;
    }
    return 0;
}

// A GNU hash table does not store the symbol count: it is one past the last symbol of
// the longest-numbered chain, whose last entry has bit 0 set.
uint64_t gnuHashSymbolCount(const vtcrash_async_task* task, uint64_t table) {
    uint32_t header[4];
    if (readValue(task, table, &header) != VTCRASH_OK) return 0;
    const uint32_t bucket_count = header[0];
    const uint32_t first_hashed = header[1];
    if (bucket_count > kMaxSymbols) return 0;
    const uint64_t buckets = table + sizeof header + uint64_t{header[2]} * sizeof(ElfW(Addr));
    uint32_t highest = 0;
    for (uint32_t done = 0; done < bucket_count;) {
        uint32_t words[kHashWordBatch];
        const uint32_t count = bucket_count - done < kHashWordBatch ? bucket_count - done : kHashWordBatch;
        if (vtcrash_async_task_memcpy(task, buckets, int64_t{done} * 4, words, count * 4) != VTCRASH_OK) return 0;
        for (uint32_t index = 0; index < count; ++index) highest = words[index] > highest ? words[index] : highest;
        done += count;
    }
    if (highest < first_hashed) return first_hashed;
    const uint64_t chains = buckets + uint64_t{bucket_count} * 4;
    for (uint64_t symbol = highest; symbol < uint64_t{highest} + kMaxChainLength; ++symbol) {
        uint32_t chain = 0;
        if (readValue(task, chains + (symbol - first_hashed) * 4, &chain) != VTCRASH_OK) return 0;
        if ((chain & 1) != 0) return symbol + 1;
    }
    return 0;
}

void readDynamicSymbols(vtcrash_async_elf* image) {
    uint64_t symbols = 0, strings = 0, strings_size = 0, hash = 0, gnu_hash = 0;
    uint64_t entry_size = sizeof(Sym);
    for (uint32_t index = 0; index < kMaxDynamicEntries; ++index) {
        Dyn entry;
        if (readValue(image->task, image->dynamic_addr + uint64_t{index} * sizeof entry, &entry) != VTCRASH_OK) {
            return;
        }
        if (entry.d_tag == DT_NULL) break;
        switch (entry.d_tag) {
        case DT_SYMTAB:
            symbols = dynamicPointer(image, entry.d_un.d_ptr);
            break;
        case DT_STRTAB:
            strings = dynamicPointer(image, entry.d_un.d_ptr);
            break;
        case DT_STRSZ:
            strings_size = entry.d_un.d_val;
            break;
        case DT_SYMENT:
            entry_size = entry.d_un.d_val;
            break;
        case DT_HASH:
            hash = dynamicPointer(image, entry.d_un.d_ptr);
            break;
        case DT_GNU_HASH:
            gnu_hash = dynamicPointer(image, entry.d_un.d_ptr);
            break;
        default:
            break;
        }
    }
    if (symbols == 0 || strings == 0 || entry_size != sizeof(Sym)) return;

    // DT_HASH stores the count as its chain length; a GNU hash table has to be walked.
    uint64_t count = 0;
    uint32_t chain_count = 0;
    if (hash != 0 && readValue(image->task, hash + 4, &chain_count) == VTCRASH_OK) {
        count = chain_count;
    } else if (gnu_hash != 0) {
        count = gnuHashSymbolCount(image->task, gnu_hash);
    }
    if (count == 0 || count > kMaxSymbols) return;
    image->dynamic_symbols = {symbols, count, strings, strings_size};
}

// .symtab is not loaded as a rule; it is used only when a segment happens to map the
// section headers, the table and its strings.
void readSectionSymbols(vtcrash_async_elf* image, const Ehdr& header) {
    uint64_t sections = 0;
    if (header.e_shoff == 0 || header.e_shentsize != sizeof(Shdr) ||
        !fileRangeAddress(image, header.e_shoff, uint64_t{header.e_shnum} * sizeof(Shdr), &sections)) {
        return;
    }
    for (uint32_t index = 0; index < header.e_shnum; ++index) {
        Shdr table;
        if (readValue(image->task, sections + uint64_t{index} * sizeof table, &table) != VTCRASH_OK) return;
        if (table.sh_type != SHT_SYMTAB || table.sh_entsize != sizeof(Sym) || table.sh_link >= header.e_shnum) {
            continue;
        }
        Shdr strings;
        uint64_t table_address = 0, strings_address = 0;
        if (readValue(image->task, sections + uint64_t{table.sh_link} * sizeof strings, &strings) != VTCRASH_OK ||
            !fileRangeAddress(image, table.sh_offset, table.sh_size, &table_address) ||
            !fileRangeAddress(image, strings.sh_offset, strings.sh_size, &strings_address)) {
            return;
        }
        const uint64_t count = table.sh_size / sizeof(Sym);
        if (count != 0 && count <= kMaxSymbols) {
            image->static_symbols = {table_address, count, strings_address, strings.sh_size};
        }
        return;
    }
}

struct SymbolMatch {
    bool found = false;
    uint64_t address = 0;
    uint64_t name_address = 0;
    uint64_t name_limit = 0;
};

bool coversPc(const vtcrash_async_elf* image, const Sym& symbol, uint64_t pc, uint64_t* out_address) {
    const unsigned type = ELF64_ST_TYPE(symbol.st_info);
    if (type != STT_FUNC && type != STT_GNU_IFUNC && type != STT_NOTYPE) return false;
    if (symbol.st_shndx == SHN_UNDEF || symbol.st_shndx == SHN_ABS || symbol.st_value == 0) return false;
    uint64_t address = 0;
    if (!addChecked(image->load_bias, symbol.st_value, &address) || address > pc) return false;
    // A symbol with a size does not reach past it: the pc then lies in code that no
    // symbol names, and the next lower symbol would name the wrong function.
    if (symbol.st_size != 0 && pc - address >= symbol.st_size) return false;
    *out_address = address;
    return true;
}

void searchTable(const vtcrash_async_elf* image, const vtcrash_async_elf_symbols& table, uint64_t pc,
                 SymbolMatch* best) {
    for (uint64_t done = 0; done < table.symbol_count;) {
        Sym batch[kSymbolBatch];
        const uint64_t remaining = table.symbol_count - done;
        const uint32_t count = remaining < kSymbolBatch ? static_cast<uint32_t>(remaining) : kSymbolBatch;
        if (vtcrash_async_task_memcpy(image->task, table.symbols_addr + done * sizeof(Sym), 0, batch,
                                      count * sizeof(Sym)) != VTCRASH_OK) {
            return;
        }
        for (uint32_t index = 0; index < count; ++index) {
            uint64_t address = 0;
            if (!coversPc(image, batch[index], pc, &address) || batch[index].st_name >= table.strings_size) continue;
            if (best->found && address <= best->address) continue;
            *best = {true, address, table.strings_addr + batch[index].st_name, table.strings_addr + table.strings_size};
        }
        done += count;
    }
}

}  // namespace

vtcrash_error_t vtcrash_async_task_read_string(const vtcrash_async_task* task, uint64_t address, uint64_t limit,
                                               char* buffer, size_t size) {
    if (size == 0) return VTCRASH_ERR_INVAL;
    size_t length = 0;
    while (length + 1 < size) {
        const uint64_t at = address + length;
        if (at >= limit) return VTCRASH_ERR_INVAL;
        uint64_t chunk = task->page_size - (at & (task->page_size - 1));
        if (chunk > size - 1 - length) chunk = size - 1 - length;
        if (chunk > limit - at) chunk = limit - at;
        const vtcrash_error_t copied = vtcrash_async_task_memcpy(task, at, 0, buffer + length, chunk);
        if (copied != VTCRASH_OK) return copied;
        for (uint64_t index = 0; index < chunk; ++index) {
            if (buffer[length + index] == '\0') return VTCRASH_OK;
        }
        length += chunk;
    }
    buffer[size - 1] = '\0';
    return VTCRASH_OK;
}

vtcrash_error_t vtcrash_async_elf_init(vtcrash_async_elf* image, const vtcrash_async_task* task, const char* name,
                                       uint64_t load_bias, uint64_t phdr_addr, uint32_t phnum) {
    vtcrash_async_memset(image, 0, sizeof *image);
    image->task = task;
    image->name = name;
    image->load_bias = load_bias;
    image->phdr_addr = phdr_addr;
    image->phnum = phnum;
    if (phnum == 0 || phnum > kMaxProgramHeaders) return VTCRASH_ERR_INVAL;

    // 1. The segments: span, header, dynamic section, unwind table, build-id.
    bool has_header = false;
    image->span_start = UINT64_MAX;
    for (uint32_t index = 0; index < phnum; ++index) {
        Phdr segment;
        const vtcrash_error_t read = readProgramHeader(image, index, &segment);
        if (read != VTCRASH_OK) return read == VTCRASH_ERR_NOMEM ? VTCRASH_ERR_INVAL : VTCRASH_ERR_NOTFOUND;
        uint64_t start = 0, end = 0;
        if (!addChecked(load_bias, segment.p_vaddr, &start) || !addChecked(start, segment.p_memsz, &end)) {
            return VTCRASH_ERR_INVAL;
        }
        switch (segment.p_type) {
        case PT_LOAD:
            image->span_start = start < image->span_start ? start : image->span_start;
            image->span_end = end > image->span_end ? end : image->span_end;
            if (segment.p_offset == 0 && !has_header) {
                image->header_addr = start;
                has_header = true;
            }
            break;
        case PT_DYNAMIC:
            image->dynamic_addr = start;
            break;
        case PT_GNU_EH_FRAME:
            image->eh_frame_hdr_addr = start;
            image->eh_frame_hdr_size = segment.p_memsz;
            break;
        case PT_NOTE:
            if (image->build_id_length == 0) readBuildId(image, start, segment.p_filesz, segment.p_align);
            break;
        default:
            break;
        }
    }
    if (!has_header) return VTCRASH_ERR_INVAL;

    // 2. The ELF header: this machine's kind of object.
    Ehdr header;
    if (readValue(task, image->header_addr, &header) != VTCRASH_OK) return VTCRASH_ERR_NOTFOUND;
    if (!headerIsHostObject(header)) return VTCRASH_ERR_INVAL;
    image->machine = header.e_machine;

    // 3. Symbols.
    if (image->dynamic_addr != 0) readDynamicSymbols(image);
    readSectionSymbols(image, header);
    return VTCRASH_OK;
}

vtcrash_error_t vtcrash_async_elf_init_at_bias(vtcrash_async_elf* image, const vtcrash_async_task* task,
                                               const char* name, uint64_t load_bias) {
    Ehdr header;
    uint64_t phdr_addr = 0;
    if (readValue(task, load_bias, &header) != VTCRASH_OK) return VTCRASH_ERR_NOTFOUND;
    if (!headerIsHostObject(header) || header.e_phentsize != sizeof(Phdr) ||
        !addChecked(load_bias, header.e_phoff, &phdr_addr)) {
        return VTCRASH_ERR_INVAL;
    }
    const vtcrash_error_t result = vtcrash_async_elf_init(image, task, name, load_bias, phdr_addr, header.e_phnum);
    if (result != VTCRASH_OK) return result;
    return image->header_addr == load_bias ? VTCRASH_OK : VTCRASH_ERR_INVAL;
}

bool vtcrash_async_elf_contains_address(const vtcrash_async_elf* image, uint64_t address) {
    return address >= image->span_start && address < image->span_end;
}

bool vtcrash_async_elf_address_is_code(const vtcrash_async_elf* image, uint64_t address) {
    if (!vtcrash_async_elf_contains_address(image, address)) return false;
    for (uint32_t index = 0; index < image->phnum; ++index) {
        Phdr segment;
        if (readProgramHeader(image, index, &segment) != VTCRASH_OK) return false;
        if (segment.p_type == PT_LOAD && (segment.p_flags & PF_X) != 0 &&
            segmentHolds(image->load_bias, segment, address)) {
            return true;
        }
    }
    return false;
}

bool vtcrash_async_elf_object_at_bias_contains_address(const vtcrash_async_task* task, uint64_t load_bias,
                                                       uint64_t address) {
    Ehdr header;
    uint64_t phdr_addr = 0;
    if (readValue(task, load_bias, &header) != VTCRASH_OK || !headerIsHostObject(header) ||
        header.e_phentsize != sizeof(Phdr) || header.e_phnum > kMaxProgramHeaders ||
        !addChecked(load_bias, header.e_phoff, &phdr_addr)) {
        return false;
    }
    for (uint32_t index = 0; index < header.e_phnum; ++index) {
        Phdr segment;
        if (vtcrash_async_task_memcpy(task, phdr_addr, int64_t{index} * int64_t{sizeof(Phdr)}, &segment,
                                      sizeof segment) != VTCRASH_OK) {
            return false;
        }
        if (segment.p_type == PT_LOAD && segmentHolds(load_bias, segment, address)) return true;
    }
    return false;
}

bool vtcrash_async_elf_uuid(const vtcrash_async_elf* image, uint8_t (&uuid)[VTCRASH_ELF_UUID_SIZE]) {
    if (image->build_id_length == 0) return false;
    vtcrash_async_memset(uuid, 0, sizeof uuid);
    const size_t length = image->build_id_length < sizeof uuid ? image->build_id_length : sizeof uuid;
    vtcrash_async_memcpy(uuid, image->build_id, length);
    return true;
}

vtcrash_error_t vtcrash_async_elf_find_symbol_by_pc(const vtcrash_async_elf* image, uint64_t pc,
                                                    vtcrash_async_found_symbol_callback callback, void* context) {
    SymbolMatch best;
    searchTable(image, image->dynamic_symbols, pc, &best);
    searchTable(image, image->static_symbols, pc, &best);
    if (!best.found) return VTCRASH_ERR_NOTFOUND;

    char name[VTCRASH_SYMBOL_NAME_SIZE];
    const vtcrash_error_t read =
        vtcrash_async_task_read_string(image->task, best.name_address, best.name_limit, name, sizeof name);
    if (read != VTCRASH_OK) return VTCRASH_ERR_INVAL;
    callback(best.address, name, context);
    return VTCRASH_OK;
}

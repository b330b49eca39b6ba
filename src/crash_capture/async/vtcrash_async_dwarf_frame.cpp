#include "crash_capture/async/vtcrash_async_dwarf_frame.h"

namespace {

// A length of all ones announces the 64-bit entry form.
constexpr uint32_t kLength64Marker = 0xffffffff;
constexpr uint8_t kHdrVersion = 1;

// Where an entry's fields begin and where the entry ends.
struct EntryHeader {
    uint64_t length;
    // 4, or 12 for the 64-bit form.
    uint64_t header_size;
    // Size of the CIE id / CIE pointer field: 4, or 8 for the 64-bit form.
    uint64_t id_size;
    uint64_t end;
};

vtcrash_error_t readEntryHeader(const vtcrash_async_mobject* mobj, const vtcrash_async_byteorder* order,
                                uint64_t address, EntryHeader* header) {
    uint32_t length32 = 0;
    if (vtcrash_async_mobject_read_uint32(mobj, order, address, 0, &length32) != VTCRASH_OK) return VTCRASH_ERR_INVAL;
    if (length32 == kLength64Marker) {
        if (vtcrash_async_mobject_read_uint64(mobj, order, address, 4, &header->length) != VTCRASH_OK) {
            return VTCRASH_ERR_INVAL;
        }
        header->header_size = 12;
        header->id_size = 8;
    } else {
        header->length = length32;
        header->header_size = 4;
        header->id_size = 4;
    }
    // A zero length ends the section; it is no entry.
    if (header->length == 0) return VTCRASH_ERR_INVAL;
    if (__builtin_add_overflow(address, header->header_size + header->length, &header->end)) return VTCRASH_ERR_INVAL;
    return VTCRASH_OK;
}

vtcrash_error_t readId(const vtcrash_async_mobject* mobj, const vtcrash_async_byteorder* order, uint64_t address,
                       uint64_t size, uint64_t* id) {
    if (size == 8) return vtcrash_async_mobject_read_uint64(mobj, order, address, 0, id);
    uint32_t id32 = 0;
    const vtcrash_error_t result = vtcrash_async_mobject_read_uint32(mobj, order, address, 0, &id32);
    *id = id32;
    return result;
}

// The pointer encoding's value size when it is fixed, 0 when it is not.
template <typename W>
uint64_t fixedSize(uint8_t encoding) {
    if ((encoding & DW_EH_PE_indirect) != 0 || encoding == DW_EH_PE_omit) return 0;
    switch (encoding & DW_EH_PE_FORMAT_MASK) {
    case DW_EH_PE_absptr:
        return sizeof(W);
    case DW_EH_PE_udata2:
    case DW_EH_PE_sdata2:
        return 2;
    case DW_EH_PE_udata4:
    case DW_EH_PE_sdata4:
        return 4;
    case DW_EH_PE_udata8:
    case DW_EH_PE_sdata8:
        return 8;
    default:
        return 0;
    }
}

template <typename W>
vtcrash_error_t hdrInit(vtcrash_async_dwarf_eh_frame_hdr* hdr) {
    const vtcrash_async_mobject* mobj = hdr->mobj;
    const uint64_t base = vtcrash_async_mobject_base_address(mobj);
    uint8_t version = 0;
    uint8_t frame_encoding = 0;
    uint8_t count_encoding = 0;
    if (vtcrash_async_mobject_read_uint8(mobj, base, 0, &version) != VTCRASH_OK ||
        vtcrash_async_mobject_read_uint8(mobj, base, 1, &frame_encoding) != VTCRASH_OK ||
        vtcrash_async_mobject_read_uint8(mobj, base, 2, &count_encoding) != VTCRASH_OK ||
        vtcrash_async_mobject_read_uint8(mobj, base, 3, &hdr->table_encoding) != VTCRASH_OK) {
        return VTCRASH_ERR_INVAL;
    }
    if (version != kHdrVersion) return VTCRASH_ERR_NOTSUP;

    // The header's values are relative to the header itself.
    gnu_ehptr_reader<W> reader(hdr->byteorder);
    reader.set_data_base(static_cast<W>(base));
    W eh_frame = 0;
    W count = 0;
    uint64_t frame_size = 0;
    uint64_t count_size = 0;
    vtcrash_error_t result = reader.read(mobj, base, 4, frame_encoding, &eh_frame, &frame_size);
    if (result != VTCRASH_OK) return result;
    result = reader.read(mobj, base, static_cast<int64_t>(4 + frame_size), count_encoding, &count, &count_size);
    if (result != VTCRASH_OK) return result;
    hdr->eh_frame_address = eh_frame;
    hdr->fde_count = count;
    hdr->table_address = base + 4 + frame_size + count_size;

    // A binary search needs entries of one size, all inside the window.
    const uint64_t value_size = fixedSize<W>(hdr->table_encoding);
    if (value_size == 0) return VTCRASH_ERR_NOTSUP;
    hdr->entry_size = 2 * value_size;
    const uint64_t window_end = base + vtcrash_async_mobject_length(mobj);
    if (hdr->table_address > window_end || hdr->fde_count > (window_end - hdr->table_address) / hdr->entry_size) {
        return VTCRASH_ERR_INVAL;
    }
    return VTCRASH_OK;
}

template <typename W>
vtcrash_error_t hdrFind(const vtcrash_async_dwarf_eh_frame_hdr* hdr, W pc, uint64_t* out_fde_address) {
    gnu_ehptr_reader<W> reader(hdr->byteorder);
    reader.set_data_base(static_cast<W>(vtcrash_async_mobject_base_address(hdr->mobj)));
    const int64_t value_size = static_cast<int64_t>(hdr->entry_size / 2);

    // The last entry whose initial location is at or below pc.
    uint64_t low = 0;
    uint64_t high = hdr->fde_count;
    while (low < high) {
        const uint64_t middle = low + (high - low) / 2;
        W location = 0;
        uint64_t size = 0;
        const vtcrash_error_t result = reader.read(hdr->mobj, hdr->table_address + middle * hdr->entry_size, 0,
                                                   hdr->table_encoding, &location, &size);
        if (result != VTCRASH_OK) return result;
        if (location <= pc) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    if (low == 0) return VTCRASH_ERR_NOTFOUND;

    W fde = 0;
    uint64_t size = 0;
    const vtcrash_error_t result = reader.read(hdr->mobj, hdr->table_address + (low - 1) * hdr->entry_size, value_size,
                                               hdr->table_encoding, &fde, &size);
    if (result != VTCRASH_OK) return result;
    *out_fde_address = fde;
    return VTCRASH_OK;
}

template <typename W>
vtcrash_error_t findFde(const vtcrash_async_dwarf_frame_reader* reader, const vtcrash_async_dwarf_eh_frame_hdr* hdr,
                        uint64_t pc, vtcrash_async_dwarf_fde_info* out_fde) {
    uint64_t fde_address = 0;
    vtcrash_error_t result = hdrFind<W>(hdr, static_cast<W>(pc), &fde_address);
    if (result != VTCRASH_OK) return result;
    result = vtcrash_async_dwarf_fde_info_init<W>(out_fde, reader->mobj, reader->byteorder, fde_address);
    if (result != VTCRASH_OK) return result;
    // The nearest entry below may end before pc: a gap without unwind information.
    return out_fde->pc_start <= pc && pc < out_fde->pc_end ? VTCRASH_OK : VTCRASH_ERR_NOTFOUND;
}

// The FDE at `address` when it covers pc.
template <typename W>
vtcrash_error_t fdeCovering(const vtcrash_async_dwarf_frame_reader* reader, uint64_t address, uint64_t pc,
                            vtcrash_async_dwarf_fde_info* out_fde) {
    const vtcrash_error_t result =
        vtcrash_async_dwarf_fde_info_init<W>(out_fde, reader->mobj, reader->byteorder, address);
    if (result != VTCRASH_OK) return result;
    return out_fde->pc_start <= pc && pc < out_fde->pc_end ? VTCRASH_OK : VTCRASH_ERR_NOTFOUND;
}

template <typename W>
vtcrash_error_t findFdeLinear(const vtcrash_async_dwarf_frame_reader* reader, uint64_t start, uint64_t pc,
                              vtcrash_async_dwarf_fde_info* out_fde) {
    const uint64_t end = vtcrash_async_mobject_base_address(reader->mobj) + vtcrash_async_mobject_length(reader->mobj);
    for (uint64_t at = start; at < end;) {
        uint32_t length32 = 0;
        if (vtcrash_async_mobject_read_uint32(reader->mobj, reader->byteorder, at, 0, &length32) != VTCRASH_OK) {
            return VTCRASH_ERR_INVAL;
        }
        if (length32 == 0) return VTCRASH_ERR_NOTFOUND;
        EntryHeader header;
        vtcrash_error_t result = readEntryHeader(reader->mobj, reader->byteorder, at, &header);
        if (result != VTCRASH_OK) return result;
        uint64_t id = 0;
        if (readId(reader->mobj, reader->byteorder, at + header.header_size, header.id_size, &id) != VTCRASH_OK) {
            return VTCRASH_ERR_INVAL;
        }
        // In .eh_frame a CIE's id is 0; an FDE's is the distance back to its CIE.
        if (id != 0) {
            result = fdeCovering<W>(reader, at, pc, out_fde);
            if (result != VTCRASH_ERR_NOTFOUND) return result;
        }
        at = header.end;
    }
    return VTCRASH_ERR_NOTFOUND;
}

// Where `offset` of the reader's section lies, when inside it.
bool sectionAddress(const vtcrash_async_dwarf_frame_reader* reader, uint64_t offset, uint64_t* out) {
    return offset < vtcrash_async_mobject_length(reader->mobj) &&
           !__builtin_add_overflow(vtcrash_async_mobject_base_address(reader->mobj), offset, out);
}

}  // namespace

template <typename W>
vtcrash_error_t vtcrash_async_dwarf_cie_info_init(vtcrash_async_dwarf_cie_info* info, const vtcrash_async_mobject* mobj,
                                                  const vtcrash_async_byteorder* byteorder,
                                                  const gnu_ehptr_reader<W>* ptr_reader, uint64_t address) {
    *info = {};
    const uint64_t base = vtcrash_async_mobject_base_address(mobj);
    if (address < base) return VTCRASH_ERR_INVAL;

    // 1. Length and id; in .eh_frame a CIE's id is 0.
    EntryHeader header;
    vtcrash_error_t result = readEntryHeader(mobj, byteorder, address, &header);
    if (result != VTCRASH_OK) return result;
    uint64_t at = address + header.header_size;
    if (readId(mobj, byteorder, at, header.id_size, &info->cie_id) != VTCRASH_OK || info->cie_id != 0) {
        return VTCRASH_ERR_INVAL;
    }
    info->cie_offset = at - base;
    info->cie_length = header.length;
    at += header.id_size;

    // 2. Version.
    if (vtcrash_async_mobject_read_uint8(mobj, at++, 0, &info->cie_version) != VTCRASH_OK) return VTCRASH_ERR_INVAL;
    if (info->cie_version != 1 && info->cie_version != 3 && info->cie_version != 4) return VTCRASH_ERR_INVAL;

    // 3. Augmentation string, kept in place for step 6.
    const uint64_t augmentation = at;
    uint8_t letter = 0;
    if (vtcrash_async_mobject_read_uint8(mobj, at, 0, &letter) != VTCRASH_OK) return VTCRASH_ERR_INVAL;
    if (letter != 0 && letter != 'z') return VTCRASH_ERR_NOTSUP;
    info->has_eh_augmentation = letter == 'z';
    do {
        if (at >= header.end || vtcrash_async_mobject_read_uint8(mobj, at++, 0, &letter) != VTCRASH_OK) {
            return VTCRASH_ERR_INVAL;
        }
    } while (letter != 0);

    // 4. Address and segment size.
    if (info->cie_version == 4) {
        if (vtcrash_async_mobject_read_uint8(mobj, at++, 0, &info->address_size) != VTCRASH_OK ||
            vtcrash_async_mobject_read_uint8(mobj, at++, 0, &info->segment_size) != VTCRASH_OK) {
            return VTCRASH_ERR_INVAL;
        }
    }

    // 5. Alignment factors and the return address column.
    uint64_t size = 0;
    if (vtcrash_async_mobject_read_uleb128(mobj, at, 0, &info->code_alignment_factor, &size) != VTCRASH_OK) {
        return VTCRASH_ERR_INVAL;
    }
    at += size;
    if (vtcrash_async_mobject_read_sleb128(mobj, at, 0, &info->data_alignment_factor, &size) != VTCRASH_OK) {
        return VTCRASH_ERR_INVAL;
    }
    at += size;
    if (vtcrash_async_mobject_read_uleb128(mobj, at, 0, &info->return_address_register, &size) != VTCRASH_OK) {
        return VTCRASH_ERR_INVAL;
    }
    at += size;

    // 6. Augmentation data: one item per letter after the "z".
    if (info->has_eh_augmentation) {
        uint64_t data_length = 0;
        if (vtcrash_async_mobject_read_uleb128(mobj, at, 0, &data_length, &size) != VTCRASH_OK) {
            return VTCRASH_ERR_INVAL;
        }
        at += size;
        const uint64_t data_end = at + data_length;
        if (data_end < at) return VTCRASH_ERR_INVAL;
        uint64_t item = at;
        for (uint64_t index = 1;; ++index) {
            if (vtcrash_async_mobject_read_uint8(mobj, augmentation, static_cast<int64_t>(index), &letter) !=
                VTCRASH_OK) {
                return VTCRASH_ERR_INVAL;
            }
            if (letter == 'L') {
                if (vtcrash_async_mobject_read_uint8(mobj, item++, 0, &info->lsda_encoding) != VTCRASH_OK) {
                    return VTCRASH_ERR_INVAL;
                }
                info->has_lsda_encoding = true;
            } else if (letter == 'P') {
                uint8_t encoding = 0;
                W personality = 0;
                if (vtcrash_async_mobject_read_uint8(mobj, item++, 0, &encoding) != VTCRASH_OK) {
                    return VTCRASH_ERR_INVAL;
                }
                result = ptr_reader->read(mobj, item, 0, encoding, &personality, &size);
                if (result != VTCRASH_OK) return result;
                item += size;
                info->has_personality_address = true;
                info->personality_address = personality;
            } else if (letter == 'R') {
                if (vtcrash_async_mobject_read_uint8(mobj, item++, 0, &info->pointer_encoding) != VTCRASH_OK) {
                    return VTCRASH_ERR_INVAL;
                }
                info->has_pointer_encoding = true;
            } else if (letter == 'S') {
                info->signal_frame = true;
            } else {
                // The end of the string, or a letter we do not know: its data is
                // skipped with the rest through the length.
                break;
            }
        }
        at = data_end;
    }

    // 7. The initial instructions fill the rest of the CIE.
    if (at > header.end) return VTCRASH_ERR_INVAL;
    info->initial_instructions_offset = at - base;
    info->initial_instructions_length = header.end - at;
    return VTCRASH_OK;
}

uint64_t vtcrash_async_dwarf_cie_info_initial_instructions_offset(const vtcrash_async_dwarf_cie_info* info) {
    return info->initial_instructions_offset;
}

uint64_t vtcrash_async_dwarf_cie_info_initial_instructions_length(const vtcrash_async_dwarf_cie_info* info) {
    return info->initial_instructions_length;
}

void vtcrash_async_dwarf_cie_info_free(vtcrash_async_dwarf_cie_info*) {}

template <typename W>
vtcrash_error_t vtcrash_async_dwarf_fde_info_init(vtcrash_async_dwarf_fde_info* info, const vtcrash_async_mobject* mobj,
                                                  const vtcrash_async_byteorder* byteorder, uint64_t address) {
    *info = {};
    const uint64_t base = vtcrash_async_mobject_base_address(mobj);
    if (address < base) return VTCRASH_ERR_INVAL;

    // 1. Length.
    EntryHeader header;
    vtcrash_error_t result = readEntryHeader(mobj, byteorder, address, &header);
    if (result != VTCRASH_OK) return result;
    const uint64_t pointer_field = address + header.header_size;
    info->fde_offset = pointer_field - base;
    info->fde_length = header.length;

    // 2. The CIE pointer counts back from the field itself; 0 would make this a CIE.
    uint64_t cie_pointer = 0;
    if (readId(mobj, byteorder, pointer_field, header.id_size, &cie_pointer) != VTCRASH_OK || cie_pointer == 0 ||
        cie_pointer > pointer_field - base) {
        return VTCRASH_ERR_INVAL;
    }
    const uint64_t cie_address = pointer_field - cie_pointer;
    info->cie_offset = cie_address - base;

    // 3. The CIE.
    const gnu_ehptr_reader<W> ptr_reader(byteorder);
    vtcrash_async_dwarf_cie_info cie;
    result = vtcrash_async_dwarf_cie_info_init<W>(&cie, mobj, byteorder, &ptr_reader, cie_address);
    if (result != VTCRASH_OK) return result;

    // 4. The range covered; its length is a plain number of the same format.
    const uint8_t encoding =
        cie.has_eh_augmentation && cie.has_pointer_encoding ? cie.pointer_encoding : uint8_t{DW_EH_PE_absptr};
    uint64_t at = pointer_field + header.id_size;
    W pc_start = 0;
    W range = 0;
    uint64_t size = 0;
    result = ptr_reader.read(mobj, at, 0, encoding, &pc_start, &size);
    if (result != VTCRASH_OK) return result;
    at += size;
    result = ptr_reader.read(mobj, at, 0, encoding & DW_EH_PE_FORMAT_MASK, &range, &size);
    if (result != VTCRASH_OK) return result;
    at += size;
    W pc_end = 0;
    if (__builtin_add_overflow(pc_start, range, &pc_end)) return VTCRASH_ERR_INVAL;
    info->pc_start = pc_start;
    info->pc_end = pc_end;

    // 5. Augmentation data, then the instructions to the end of the entry.
    if (cie.has_eh_augmentation) {
        uint64_t data_length = 0;
        if (vtcrash_async_mobject_read_uleb128(mobj, at, 0, &data_length, &size) != VTCRASH_OK) {
            return VTCRASH_ERR_INVAL;
        }
        if (__builtin_add_overflow(at, size + data_length, &at)) return VTCRASH_ERR_INVAL;
    }
    if (at > header.end) return VTCRASH_ERR_INVAL;
    info->instructions_offset = at - base;
    info->instructions_length = header.end - at;
    return VTCRASH_OK;
}

uint64_t vtcrash_async_dwarf_fde_info_instructions_offset(const vtcrash_async_dwarf_fde_info* info) {
    return info->instructions_offset;
}

uint64_t vtcrash_async_dwarf_fde_info_instructions_length(const vtcrash_async_dwarf_fde_info* info) {
    return info->instructions_length;
}

void vtcrash_async_dwarf_fde_info_free(vtcrash_async_dwarf_fde_info*) {}

vtcrash_error_t vtcrash_async_dwarf_eh_frame_hdr_init(vtcrash_async_dwarf_eh_frame_hdr* hdr,
                                                      const vtcrash_async_mobject* mobj,
                                                      const vtcrash_async_byteorder* byteorder, bool m64) {
    *hdr = {};
    hdr->mobj = mobj;
    hdr->byteorder = byteorder;
    hdr->m64 = m64;
    return m64 ? hdrInit<uint64_t>(hdr) : hdrInit<uint32_t>(hdr);
}

vtcrash_error_t vtcrash_async_dwarf_frame_reader_init(vtcrash_async_dwarf_frame_reader* reader,
                                                      const vtcrash_async_mobject* mobj,
                                                      const vtcrash_async_byteorder* byteorder, bool m64) {
    *reader = {mobj, byteorder, m64};
    return VTCRASH_OK;
}

vtcrash_error_t vtcrash_async_dwarf_frame_reader_find_fde(const vtcrash_async_dwarf_frame_reader* reader,
                                                          const vtcrash_async_dwarf_eh_frame_hdr* hdr, uint64_t pc,
                                                          vtcrash_async_dwarf_fde_info* out_fde) {
    if (hdr->entry_size == 0) return VTCRASH_ERR_NOTSUP;
    return reader->m64 ? findFde<uint64_t>(reader, hdr, pc, out_fde) : findFde<uint32_t>(reader, hdr, pc, out_fde);
}

vtcrash_error_t vtcrash_async_dwarf_frame_reader_find_fde_linear(const vtcrash_async_dwarf_frame_reader* reader,
                                                                 uint64_t offset, uint64_t pc,
                                                                 vtcrash_async_dwarf_fde_info* out_fde) {
    uint64_t start = 0;
    if (!sectionAddress(reader, offset, &start)) return VTCRASH_ERR_INVAL;
    return reader->m64 ? findFdeLinear<uint64_t>(reader, start, pc, out_fde)
                       : findFdeLinear<uint32_t>(reader, start, pc, out_fde);
}

vtcrash_error_t vtcrash_async_dwarf_frame_reader_fde_at(const vtcrash_async_dwarf_frame_reader* reader, uint64_t offset,
                                                        uint64_t pc, vtcrash_async_dwarf_fde_info* out_fde) {
    uint64_t address = 0;
    if (!sectionAddress(reader, offset, &address)) return VTCRASH_ERR_INVAL;
    return reader->m64 ? fdeCovering<uint64_t>(reader, address, pc, out_fde)
                       : fdeCovering<uint32_t>(reader, address, pc, out_fde);
}

template vtcrash_error_t vtcrash_async_dwarf_cie_info_init<uint32_t>(vtcrash_async_dwarf_cie_info*,
                                                                     const vtcrash_async_mobject*,
                                                                     const vtcrash_async_byteorder*,
                                                                     const gnu_ehptr_reader<uint32_t>*, uint64_t);
template vtcrash_error_t vtcrash_async_dwarf_cie_info_init<uint64_t>(vtcrash_async_dwarf_cie_info*,
                                                                     const vtcrash_async_mobject*,
                                                                     const vtcrash_async_byteorder*,
                                                                     const gnu_ehptr_reader<uint64_t>*, uint64_t);
template vtcrash_error_t vtcrash_async_dwarf_fde_info_init<uint32_t>(vtcrash_async_dwarf_fde_info*,
                                                                     const vtcrash_async_mobject*,
                                                                     const vtcrash_async_byteorder*, uint64_t);
template vtcrash_error_t vtcrash_async_dwarf_fde_info_init<uint64_t>(vtcrash_async_dwarf_fde_info*,
                                                                     const vtcrash_async_mobject*,
                                                                     const vtcrash_async_byteorder*, uint64_t);

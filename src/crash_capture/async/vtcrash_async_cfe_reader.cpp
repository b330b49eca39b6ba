#include "crash_capture/async/vtcrash_async_cfe_reader.h"

#include "crash_capture/async/vtcrash_async_cfe_entry.h"

namespace {

constexpr uint32_t kVersion = 1;
constexpr uint64_t kHeaderSize = 7 * sizeof(uint32_t);
constexpr uint64_t kEncodingSize = sizeof(uint32_t);

// First-level entry: function offset, second-level page offset, LSDA index offset.
constexpr uint64_t kIndexEntrySize = 12;
constexpr uint64_t kIndexPageOffset = 4;

constexpr uint32_t kRegularPage = 2;
constexpr uint32_t kCompressedPage = 3;
// Both page headers: kind (32-bit), entry array offset and entry count (16-bit each);
// a compressed page adds its encodings' offset and count (16-bit each).
constexpr uint64_t kPageEntriesOffset = 4;
constexpr uint64_t kPageEntryCount = 6;
constexpr uint64_t kPageEncodingsOffset = 8;
constexpr uint64_t kPageEncodingCount = 10;
// Regular entry: function offset, encoding. Compressed entry: encoding index in the top
// byte, function offset from the page's first-level entry below it.
constexpr uint64_t kRegularEntrySize = 8;
constexpr uint64_t kCompressedEntrySize = 4;
constexpr uint32_t kCompressedOffsetMask = 0xffffff;
constexpr uint32_t kCompressedIndexShift = 24;

bool inside(const vtcrash_async_cfe_reader* reader, uint64_t offset, uint64_t length) {
    return vtcrash_async_mobject_remap_address(reader->mobj, vtcrash_async_mobject_base_address(reader->mobj),
                                               static_cast<int64_t>(offset), length) != nullptr;
}

vtcrash_error_t read16(const vtcrash_async_cfe_reader* reader, uint64_t offset, uint16_t* out) {
    return vtcrash_async_mobject_read_uint16(reader->mobj, reader->byteorder,
                                             vtcrash_async_mobject_base_address(reader->mobj),
                                             static_cast<int64_t>(offset), out);
}

vtcrash_error_t read32(const vtcrash_async_cfe_reader* reader, uint64_t offset, uint32_t* out) {
    return vtcrash_async_mobject_read_uint32(reader->mobj, reader->byteorder,
                                             vtcrash_async_mobject_base_address(reader->mobj),
                                             static_cast<int64_t>(offset), out);
}

// The entry i of `count` sorted entries with offset(i) <= pc < offset(i + 1), the last
// entry taking every pc from its own offset on. `offsetOf` reads one entry's function
// offset and may fail.
template <typename OffsetOf>
vtcrash_error_t search(uint64_t pc, uint32_t count, OffsetOf offsetOf, uint32_t* out_index) {
    if (count == 0) return VTCRASH_ERR_NOTFOUND;
    uint32_t low = 0;
    uint32_t high = count - 1;
    while (low <= high) {
        const uint32_t middle = (low + high) / 2;
        uint64_t offset = 0;
        vtcrash_error_t result = offsetOf(middle, &offset);
        if (result != VTCRASH_OK) return result;
        if (pc > offset) {
            uint64_t next = 0;
            if (middle == high) {
                *out_index = middle;
                return VTCRASH_OK;
            }
            result = offsetOf(middle + 1, &next);
            if (result != VTCRASH_OK) return result;
            if (pc < next) {
                *out_index = middle;
                return VTCRASH_OK;
            }
            low = middle + 1;
        } else if (pc == offset) {
            *out_index = middle;
            return VTCRASH_OK;
        } else {
            if (low + high < 2) return VTCRASH_ERR_NOTFOUND;
            high = middle - 1;
        }
    }
    return VTCRASH_ERR_NOTFOUND;
}

vtcrash_error_t findInRegularPage(const vtcrash_async_cfe_reader* reader, uint64_t page, uint64_t pc,
                                  uint64_t* out_function_base, uint32_t* out_encoding) {
    uint16_t entries_offset = 0;
    uint16_t count = 0;
    if (read16(reader, page + kPageEntriesOffset, &entries_offset) != VTCRASH_OK ||
        read16(reader, page + kPageEntryCount, &count) != VTCRASH_OK) {
        return VTCRASH_ERR_INVAL;
    }
    if (count == 0) return VTCRASH_ERR_NOTFOUND;
    const uint64_t entries = page + entries_offset;
    if (!inside(reader, entries, count * kRegularEntrySize)) return VTCRASH_ERR_INVAL;

    const auto offsetOf = [&](uint32_t index, uint64_t* out) {
        uint32_t offset = 0;
        const vtcrash_error_t result = read32(reader, entries + index * kRegularEntrySize, &offset);
        *out = offset;
        return result;
    };
    uint32_t index = 0;
    const vtcrash_error_t found = search(pc, count, offsetOf, &index);
    if (found != VTCRASH_OK) return found;
    uint32_t function_offset = 0;
    uint32_t encoding = 0;
    if (read32(reader, entries + index * kRegularEntrySize, &function_offset) != VTCRASH_OK ||
        read32(reader, entries + index * kRegularEntrySize + sizeof(uint32_t), &encoding) != VTCRASH_OK) {
        return VTCRASH_ERR_INVAL;
    }
    *out_function_base = function_offset;
    *out_encoding = encoding;
    return VTCRASH_OK;
}

vtcrash_error_t findInCompressedPage(const vtcrash_async_cfe_reader* reader, uint64_t page, uint64_t page_function,
                                     uint64_t pc, uint64_t* out_function_base, uint32_t* out_encoding) {
    uint16_t entries_offset = 0;
    uint16_t count = 0;
    uint16_t encodings_offset = 0;
    uint16_t encoding_count = 0;
    if (read16(reader, page + kPageEntriesOffset, &entries_offset) != VTCRASH_OK ||
        read16(reader, page + kPageEntryCount, &count) != VTCRASH_OK ||
        read16(reader, page + kPageEncodingsOffset, &encodings_offset) != VTCRASH_OK ||
        read16(reader, page + kPageEncodingCount, &encoding_count) != VTCRASH_OK) {
        return VTCRASH_ERR_INVAL;
    }
    if (count == 0) return VTCRASH_ERR_NOTFOUND;
    const uint64_t entries = page + entries_offset;
    if (!inside(reader, entries, count * kCompressedEntrySize)) return VTCRASH_ERR_INVAL;

    const auto offsetOf = [&](uint32_t index, uint64_t* out) {
        uint32_t entry = 0;
        const vtcrash_error_t result = read32(reader, entries + index * kCompressedEntrySize, &entry);
        *out = page_function + (entry & kCompressedOffsetMask);
        return result;
    };
    uint32_t index = 0;
    const vtcrash_error_t found = search(pc, count, offsetOf, &index);
    if (found != VTCRASH_OK) return found;
    uint32_t entry = 0;
    if (read32(reader, entries + index * kCompressedEntrySize, &entry) != VTCRASH_OK) return VTCRASH_ERR_INVAL;

    // Indices below the common count name the section's encodings, the next ones the page's.
    const uint32_t encoding_index = entry >> kCompressedIndexShift;
    const uint32_t common_count = reader->header.common_encodings_count;
    uint64_t encoding_at = 0;
    if (encoding_index < common_count) {
        encoding_at = reader->header.common_encodings_offset + encoding_index * kEncodingSize;
    } else if (encoding_index - common_count < encoding_count) {
        encoding_at = page + encodings_offset + (encoding_index - common_count) * kEncodingSize;
    } else {
        return VTCRASH_ERR_INVAL;
    }
    if (read32(reader, encoding_at, out_encoding) != VTCRASH_OK) return VTCRASH_ERR_INVAL;
    *out_function_base = page_function + (entry & kCompressedOffsetMask);
    return VTCRASH_OK;
}

}  // namespace

vtcrash_error_t vtcrash_async_cfe_reader_init(vtcrash_async_cfe_reader* reader, const vtcrash_async_mobject* mobj,
                                              uint32_t cpu_type) {
    *reader = {};
    reader->mobj = mobj;
    reader->cpu_type = cpu_type;
    reader->byteorder = vtcrash_async_byteorder_host();
    if (vtcrash_async_cfe_cpu_type_machine(cpu_type) == 0) return VTCRASH_ERR_NOTSUP;
    if (!inside(reader, 0, kHeaderSize)) return VTCRASH_ERR_INVAL;

    uint32_t* const fields[] = {
        &reader->header.version,
        &reader->header.common_encodings_offset,
        &reader->header.common_encodings_count,
        &reader->header.personalities_offset,
        &reader->header.personalities_count,
        &reader->header.index_offset,
        &reader->header.index_count,
    };
    for (uint64_t index = 0; index < sizeof fields / sizeof fields[0]; ++index) {
        if (read32(reader, index * sizeof(uint32_t), fields[index]) != VTCRASH_OK) return VTCRASH_ERR_INVAL;
    }
    if (reader->header.version != kVersion) return VTCRASH_ERR_NOTSUP;
    return VTCRASH_OK;
}

void vtcrash_async_cfe_reader_free(vtcrash_async_cfe_reader*) {}

vtcrash_error_t vtcrash_async_cfe_reader_find_pc(const vtcrash_async_cfe_reader* reader, uint64_t pc,
                                                 uint64_t* out_function_base, uint32_t* out_encoding) {
    // 1. The common encodings and the first-level entries before the sentinel.
    const vtcrash_async_cfe_header& header = reader->header;
    if (header.index_count < 2) return VTCRASH_ERR_NOTFOUND;
    const uint32_t entry_count = header.index_count - 1;
    if (!inside(reader, header.common_encodings_offset, header.common_encodings_count * kEncodingSize) ||
        !inside(reader, header.index_offset, entry_count * kIndexEntrySize)) {
        return VTCRASH_ERR_INVAL;
    }

    // 2. The first-level entry whose range holds the pc.
    const auto offsetOf = [&](uint32_t index, uint64_t* out) {
        uint32_t offset = 0;
        const vtcrash_error_t result = read32(reader, header.index_offset + index * kIndexEntrySize, &offset);
        *out = offset;
        return result;
    };
    uint32_t index = 0;
    const vtcrash_error_t found = search(pc, entry_count, offsetOf, &index);
    if (found != VTCRASH_OK) return found;
    // The search gives the last entry every pc from its offset on, but the sentinel's
    // offset ends that range: what lies past it (stubs, code of no described function)
    // would otherwise be unwound with the last function's encoding.
    if (index == entry_count - 1) {
        uint64_t end = 0;
        if (offsetOf(entry_count, &end) != VTCRASH_OK) return VTCRASH_ERR_INVAL;
        if (pc >= end) return VTCRASH_ERR_NOTFOUND;
    }
    uint64_t page_function = 0;
    uint32_t page = 0;
    if (offsetOf(index, &page_function) != VTCRASH_OK ||
        read32(reader, header.index_offset + index * kIndexEntrySize + kIndexPageOffset, &page) != VTCRASH_OK) {
        return VTCRASH_ERR_INVAL;
    }

    // 3. The second-level page by its kind.
    uint32_t kind = 0;
    if (read32(reader, page, &kind) != VTCRASH_OK) return VTCRASH_ERR_INVAL;
    switch (kind) {
    case kCompressedPage:
        return findInCompressedPage(reader, page, page_function, pc, out_function_base, out_encoding);
    case kRegularPage:
        return findInRegularPage(reader, page, pc, out_function_base, out_encoding);
    default:
        return VTCRASH_ERR_INVAL;
    }
}

#include "crash_capture/async/vtcrash_async_dwarf_encoding.h"

#include <type_traits>

namespace {

// Reads one fixed-size value through the window and widens it to W, with sign when S is
// a signed type.
template <typename W, typename S, typename U>
vtcrash_error_t readFixed(const vtcrash_async_mobject* mobj, const vtcrash_async_byteorder* order, uint64_t at, W* out,
                          uint64_t* size) {
    U raw = 0;
    vtcrash_error_t result = VTCRASH_ERR_INVAL;
    if constexpr (sizeof(U) == 2) result = vtcrash_async_mobject_read_uint16(mobj, order, at, 0, &raw);
    if constexpr (sizeof(U) == 4) result = vtcrash_async_mobject_read_uint32(mobj, order, at, 0, &raw);
    if constexpr (sizeof(U) == 8) result = vtcrash_async_mobject_read_uint64(mobj, order, at, 0, &raw);
    if (result != VTCRASH_OK) return result;
    *out = static_cast<W>(static_cast<S>(raw));
    *size += sizeof(U);
    return VTCRASH_OK;
}

}  // namespace

template <typename W>
void gnu_ehptr_reader<W>::set_frame_section_base(uint64_t task_address, uint64_t vm_address) {
    has_frame_section_ = true;
    frame_section_task_address_ = task_address;
    frame_section_vm_address_ = vm_address;
}

template <typename W>
void gnu_ehptr_reader<W>::set_text_base(W value) {
    text_ = {true, value};
}

template <typename W>
void gnu_ehptr_reader<W>::set_data_base(W value) {
    data_ = {true, value};
}

template <typename W>
void gnu_ehptr_reader<W>::set_func_base(W value) {
    func_ = {true, value};
}

template <typename W>
vtcrash_error_t gnu_ehptr_reader<W>::read(const vtcrash_async_mobject* mobj, uint64_t location, int64_t offset,
                                          uint8_t encoding, W* out_value, uint64_t* out_size) const {
    if (encoding == DW_EH_PE_omit) return VTCRASH_ERR_NOTFOUND;
    *out_size = 0;
    uint64_t at = 0;
    if (!vtcrash_async_address_apply_offset(location, offset, &at)) return VTCRASH_ERR_INVAL;

    // 1. What the value is relative to.
    W base = 0;
    switch (encoding & DW_EH_PE_APPLICATION_MASK) {
    case DW_EH_PE_absptr:
        break;
    case DW_EH_PE_pcrel:
        base = static_cast<W>(at);
        break;
    case DW_EH_PE_textrel:
        if (!text_.present) return VTCRASH_ERR_NOTSUP;
        base = text_.value;
        break;
    case DW_EH_PE_datarel:
        if (!data_.present) return VTCRASH_ERR_NOTSUP;
        base = data_.value;
        break;
    case DW_EH_PE_funcrel:
        if (!func_.present) return VTCRASH_ERR_NOTSUP;
        base = func_.value;
        break;
    case DW_EH_PE_aligned: {
        if (!has_frame_section_) return VTCRASH_ERR_NOTSUP;
        // Alignment counts in the addresses the section was linked at.
        const uint64_t linked = frame_section_vm_address_ + (at - frame_section_task_address_);
        const uint64_t padding = (sizeof(W) - linked % sizeof(W)) % sizeof(W);
        if (__builtin_add_overflow(at, padding, &at)) return VTCRASH_ERR_INVAL;
        *out_size += padding;
        break;
    }
    default:
        return VTCRASH_ERR_NOTSUP;
    }

    // 2. The value itself.
    W value = 0;
    vtcrash_error_t result = VTCRASH_OK;
    switch (encoding & DW_EH_PE_FORMAT_MASK) {
    case DW_EH_PE_absptr:
        result = sizeof(W) == 8 ? readFixed<W, W, uint64_t>(mobj, byteorder_, at, &value, out_size)
                                : readFixed<W, W, uint32_t>(mobj, byteorder_, at, &value, out_size);
        break;
    case DW_EH_PE_uleb128: {
        uint64_t number = 0;
        uint64_t size = 0;
        result = vtcrash_async_mobject_read_uleb128(mobj, at, 0, &number, &size);
        value = static_cast<W>(number);
        *out_size += size;
        break;
    }
    case DW_EH_PE_sleb128: {
        int64_t number = 0;
        uint64_t size = 0;
        result = vtcrash_async_mobject_read_sleb128(mobj, at, 0, &number, &size);
        value = static_cast<W>(number);
        *out_size += size;
        break;
    }
    case DW_EH_PE_udata2:
        result = readFixed<W, uint16_t, uint16_t>(mobj, byteorder_, at, &value, out_size);
        break;
    case DW_EH_PE_udata4:
        result = readFixed<W, uint32_t, uint32_t>(mobj, byteorder_, at, &value, out_size);
        break;
    case DW_EH_PE_udata8:
        result = readFixed<W, uint64_t, uint64_t>(mobj, byteorder_, at, &value, out_size);
        break;
    case DW_EH_PE_sdata2:
        result = readFixed<W, int16_t, uint16_t>(mobj, byteorder_, at, &value, out_size);
        break;
    case DW_EH_PE_sdata4:
        result = readFixed<W, int32_t, uint32_t>(mobj, byteorder_, at, &value, out_size);
        break;
    case DW_EH_PE_sdata8:
        result = readFixed<W, int64_t, uint64_t>(mobj, byteorder_, at, &value, out_size);
        break;
    default:
        return VTCRASH_ERR_NOTSUP;
    }
    if (result != VTCRASH_OK) return result;

    // 3. Relative to the base, in the image's word; then through the pointer it names.
    W pointer = static_cast<W>(base + value);
    if ((encoding & DW_EH_PE_indirect) != 0) {
        const vtcrash_async_task* task = vtcrash_async_mobject_task(mobj);
        if constexpr (sizeof(W) == 8) {
            result = vtcrash_async_task_read_uint64(task, byteorder_, pointer, 0, &pointer);
        } else {
            result = vtcrash_async_task_read_uint32(task, byteorder_, pointer, 0, &pointer);
        }
        if (result != VTCRASH_OK) return result;
    }
    *out_value = pointer;
    return VTCRASH_OK;
}

template class gnu_ehptr_reader<uint32_t>;
template class gnu_ehptr_reader<uint64_t>;

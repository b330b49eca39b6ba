#pragma once

#include <cstdint>

#include "crash_capture/async/vtcrash_async_byteorder.h"
#include "crash_capture/async/vtcrash_async_mobject.h"
#include "crash_capture/async/vtcrash_error.h"

// Pointer encodings of .eh_frame and .eh_frame_hdr (one byte: the value's format in the
// low four bits, what it is relative to in bits 4 to 6, indirection in bit 7).
enum : uint8_t {
    DW_EH_PE_absptr = 0x00,
    DW_EH_PE_uleb128 = 0x01,
    DW_EH_PE_udata2 = 0x02,
    DW_EH_PE_udata4 = 0x03,
    DW_EH_PE_udata8 = 0x04,
    DW_EH_PE_sleb128 = 0x09,
    DW_EH_PE_sdata2 = 0x0a,
    DW_EH_PE_sdata4 = 0x0b,
    DW_EH_PE_sdata8 = 0x0c,
    DW_EH_PE_pcrel = 0x10,
    DW_EH_PE_textrel = 0x20,
    DW_EH_PE_datarel = 0x30,
    DW_EH_PE_funcrel = 0x40,
    DW_EH_PE_aligned = 0x50,
    DW_EH_PE_indirect = 0x80,
    DW_EH_PE_omit = 0xff,
};

constexpr uint8_t DW_EH_PE_FORMAT_MASK = 0x0f;
constexpr uint8_t DW_EH_PE_APPLICATION_MASK = 0x70;

// Reads pointers stored with an encoding, for images whose pointers are the width of
// the machine word W. The bases that some encodings are relative to are set by whoever
// knows them; a read that needs one that is not set is refused.
template <typename W>
class gnu_ehptr_reader {
public:
    explicit gnu_ehptr_reader(const vtcrash_async_byteorder* byteorder) : byteorder_(byteorder) {}

    // The section holding the values: its task address and the virtual address it was
    // linked at, from which aligned values are measured.
    void set_frame_section_base(uint64_t task_address, uint64_t vm_address);
    void set_text_base(W value);
    void set_data_base(W value);
    void set_func_base(W value);

    // Decodes the pointer stored at location + offset. `out_size` receives the bytes
    // consumed, alignment padding included.
    vtcrash_error_t read(const vtcrash_async_mobject* mobj, uint64_t location, int64_t offset, uint8_t encoding,
                         W* out_value, uint64_t* out_size) const;

private:
    struct Base {
        bool present = false;
        W value = 0;
    };

    const vtcrash_async_byteorder* byteorder_;
    bool has_frame_section_ = false;
    uint64_t frame_section_task_address_ = 0;
    uint64_t frame_section_vm_address_ = 0;
    Base text_;
    Base data_;
    Base func_;
};

extern template class gnu_ehptr_reader<uint32_t>;
extern template class gnu_ehptr_reader<uint64_t>;

#include "crash_capture/async/vtcrash_async_dwarf_unwind.h"

#include "crash_capture/async/vtcrash_async_dwarf_cfa_state.h"

namespace {

// How the FDE for the pc is found: through the search table when there is one, else at
// the offset a compact unwind entry names, else by a search of the whole section.
struct FdeSource {
    const vtcrash_async_dwarf_eh_frame_hdr* hdr;
    bool at_offset;
    uint64_t offset;
};

vtcrash_error_t findFde(const vtcrash_async_dwarf_frame_reader* reader, const FdeSource& source, uint64_t pc,
                        vtcrash_async_dwarf_fde_info* fde) {
    if (source.hdr != nullptr) return vtcrash_async_dwarf_frame_reader_find_fde(reader, source.hdr, pc, fde);
    if (source.at_offset) return vtcrash_async_dwarf_frame_reader_fde_at(reader, source.offset, pc, fde);
    return vtcrash_async_dwarf_frame_reader_find_fde_linear(reader, 0, pc, fde);
}

template <typename W>
vtcrash_error_t unwind(const vtcrash_async_dwarf_frame_reader* reader, const FdeSource& source,
                       const vtcrash_async_thread_state* thread_state, vtcrash_async_thread_state* new_thread_state) {
    // 1. The address to look up.
    if (!vtcrash_async_thread_state_has_reg(thread_state, VTCRASH_REG_IP)) return VTCRASH_ERR_INVAL;
    const uint64_t ip = vtcrash_async_thread_state_get_reg(thread_state, VTCRASH_REG_IP);
    const W pc = static_cast<W>(thread_state->ip_is_exact ? ip : ip - 1);
    if (pc == 0 || ip == 0) return VTCRASH_ERR_NOTFOUND;

    // 2. Its FDE and CIE.
    vtcrash_async_dwarf_fde_info fde;
    vtcrash_error_t result = findFde(reader, source, pc, &fde);
    if (result != VTCRASH_OK) return result;
    const uint64_t base = vtcrash_async_mobject_base_address(reader->mobj);
    const gnu_ehptr_reader<W> ptr_reader(reader->byteorder);
    vtcrash_async_dwarf_cie_info cie;
    result =
        vtcrash_async_dwarf_cie_info_init<W>(&cie, reader->mobj, reader->byteorder, &ptr_reader, base + fde.cie_offset);
    if (result != VTCRASH_OK) return result;

    // 3. The rules at pc: the CIE's initial instructions, then the FDE's.
    dwarf_cfa_state<W> rules;
    result =
        rules.eval_program(reader->mobj, pc, static_cast<W>(fde.pc_start), &cie, &ptr_reader, reader->byteorder, base,
                           static_cast<int64_t>(cie.initial_instructions_offset), cie.initial_instructions_length);
    if (result != VTCRASH_OK) return result;
    result = rules.eval_program(reader->mobj, pc, static_cast<W>(fde.pc_start), &cie, &ptr_reader, reader->byteorder,
                                base, static_cast<int64_t>(fde.instructions_offset), fde.instructions_length);
    if (result != VTCRASH_OK) return result;

    // 4. The caller's registers.
    result =
        rules.apply_state(reader->mobj, reader->mobj->task, &cie, thread_state, reader->byteorder, new_thread_state);
    if (result != VTCRASH_OK) return result;
    new_thread_state->ip_is_exact = cie.signal_frame;
    return VTCRASH_OK;
}

vtcrash_error_t unwindFrom(const vtcrash_async_dwarf_frame_reader* reader, const FdeSource& source,
                           const vtcrash_async_thread_state* thread_state,
                           vtcrash_async_thread_state* new_thread_state) {
    return reader->m64 ? unwind<uint64_t>(reader, source, thread_state, new_thread_state)
                       : unwind<uint32_t>(reader, source, thread_state, new_thread_state);
}

}  // namespace

vtcrash_error_t vtcrash_async_dwarf_unwind_frame(const vtcrash_async_dwarf_frame_reader* reader,
                                                 const vtcrash_async_dwarf_eh_frame_hdr* hdr,
                                                 const vtcrash_async_thread_state* thread_state,
                                                 vtcrash_async_thread_state* new_thread_state) {
    if (hdr == nullptr) return VTCRASH_ERR_INVAL;
    return unwindFrom(reader, {hdr, false, 0}, thread_state, new_thread_state);
}

vtcrash_error_t vtcrash_async_dwarf_unwind_frame_linear(const vtcrash_async_dwarf_frame_reader* reader,
                                                        const vtcrash_async_thread_state* thread_state,
                                                        vtcrash_async_thread_state* new_thread_state) {
    return unwindFrom(reader, {nullptr, false, 0}, thread_state, new_thread_state);
}

vtcrash_error_t vtcrash_async_dwarf_unwind_frame_at(const vtcrash_async_dwarf_frame_reader* reader, uint64_t fde_offset,
                                                    const vtcrash_async_thread_state* thread_state,
                                                    vtcrash_async_thread_state* new_thread_state) {
    return unwindFrom(reader, {nullptr, true, fde_offset}, thread_state, new_thread_state);
}

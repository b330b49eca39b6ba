#include "crash_capture/async/vtcrash_async_cfe_entry.h"

#include "crash_capture/async/vtcrash_async_byteorder.h"

namespace {

constexpr uint32_t kModeShift = 24;
constexpr uint32_t kDwarfOffsetMask = 0xffffff;

constexpr uint32_t kX86ModeNone = 0;
constexpr uint32_t kX86ModeFramePointer = 1;
constexpr uint32_t kX86ModeFramelessImmediate = 2;
constexpr uint32_t kX86ModeFramelessIndirect = 3;
constexpr uint32_t kX86ModeDwarf = 4;

constexpr uint32_t kArm64ModeNone = 0;
constexpr uint32_t kArm64ModeFrameless = 2;
constexpr uint32_t kArm64ModeDwarf = 3;
constexpr uint32_t kArm64ModeFrame = 4;

// Encoding register numbers 0 (none) to 6 as thread-state registers; 7 names nothing.
constexpr uint32_t kX86_64Registers[] = {
    VTCRASH_CFE_REG_NONE,   VTCRASH_X86_64_RBX,     VTCRASH_X86_64_R12, VTCRASH_X86_64_R12 + 1,
    VTCRASH_X86_64_R12 + 2, VTCRASH_X86_64_R12 + 3, VTCRASH_REG_FP,
};
constexpr uint32_t kI386Registers[] = {
    VTCRASH_CFE_REG_NONE, VTCRASH_X86_EBX, VTCRASH_X86_ECX, VTCRASH_X86_EDX,
    VTCRASH_X86_EDI,      VTCRASH_X86_ESI, VTCRASH_REG_FP,
};
constexpr uint32_t kX86RegisterNumbers = 7;

// The arm64 pairs by flag bit, in the order they lie on the stack, lowest first.
struct Arm64Pair {
    uint32_t flag;
    uint32_t first;
    uint32_t second;
};
constexpr uint32_t x(uint32_t n) { return VTCRASH_ARM64_X0 + n; }
constexpr Arm64Pair kArm64Pairs[] = {
    {0x10, x(28), x(27)}, {0x08, x(26), x(25)}, {0x04, x(24), x(23)}, {0x02, x(22), x(21)}, {0x01, x(20), x(19)},
};
constexpr uint32_t kArm64Word = 8;
constexpr uint32_t kArm64StackUnit = 16;

// The bases of the factorial numbering that packs an ordered choice of `count` of the six
// registers into ten bits. Six registers take the bases of five: the last one is what is
// left over.
constexpr uint32_t kPermutationBases[VTCRASH_CFE_PERMUTATION_REGISTERS_MAX + 1][5] = {
    {}, {1}, {5, 1}, {20, 4, 1}, {60, 12, 3, 1}, {120, 24, 6, 2, 1}, {120, 24, 6, 2, 1},
};
constexpr uint32_t permutationDigits(uint32_t count) { return count < 5 ? count : 5; }

constexpr uint32_t bits(uint32_t value, uint32_t shift, uint32_t width) {
    return (value >> shift) & ((uint32_t{1} << width) - 1);
}

void clearEntry(vtcrash_async_cfe_entry* entry, uint32_t cpu_type) {
    entry->type = VTCRASH_CFE_TYPE_NONE;
    entry->cpu_type = cpu_type;
    entry->stack_offset = 0;
    entry->stack_adjust = 0;
    entry->return_address_register = VTCRASH_CFE_REG_NONE;
    entry->register_count = 0;
    for (uint32_t& reg : entry->register_list) reg = VTCRASH_CFE_REG_NONE;
}

vtcrash_error_t decodeX86(vtcrash_async_cfe_entry* entry, uint32_t encoding, uint32_t word, const uint32_t* registers) {
    const uint32_t stack_field = bits(encoding, 16, 8);
    switch (bits(encoding, kModeShift, 4)) {
    case kX86ModeNone:
        return VTCRASH_OK;
    case kX86ModeFramePointer: {
        entry->type = VTCRASH_CFE_TYPE_FRAME_POINTER;
        entry->stack_offset = -static_cast<int64_t>(stack_field * word);
        // Five 3-bit slots, lowest first; a zero slot inside the list is a gap.
        uint32_t slots = bits(encoding, 0, 15);
        uint32_t count = 0;
        for (; slots != 0; slots >>= 3, ++count) {
            const uint32_t number = slots & 7;
            if (number >= kX86RegisterNumbers) return VTCRASH_ERR_INVAL;
            entry->register_list[count] = registers[number];
        }
        entry->register_count = count;
        return VTCRASH_OK;
    }
    case kX86ModeFramelessImmediate:
    case kX86ModeFramelessIndirect: {
        const bool immediate = bits(encoding, kModeShift, 4) == kX86ModeFramelessImmediate;
        entry->type = immediate ? VTCRASH_CFE_TYPE_FRAMELESS_IMMEDIATE : VTCRASH_CFE_TYPE_FRAMELESS_INDIRECT;
        entry->stack_offset = immediate ? int64_t{stack_field} * word : int64_t{stack_field};
        entry->stack_adjust = immediate ? 0 : bits(encoding, 13, 3) * word;
        const uint32_t count = bits(encoding, 10, 3);
        uint32_t numbers[VTCRASH_CFE_PERMUTATION_REGISTERS_MAX];
        const vtcrash_error_t decoded = vtcrash_async_cfe_register_decode(bits(encoding, 0, 10), count, numbers);
        if (decoded != VTCRASH_OK) return decoded;
        for (uint32_t index = 0; index < count; ++index) entry->register_list[index] = registers[numbers[index]];
        entry->register_count = count;
        return VTCRASH_OK;
    }
    case kX86ModeDwarf:
        entry->type = VTCRASH_CFE_TYPE_DWARF;
        entry->stack_offset = encoding & kDwarfOffsetMask;
        return VTCRASH_OK;
    default:
        return VTCRASH_ERR_NOTSUP;
    }
}

vtcrash_error_t decodeArm64(vtcrash_async_cfe_entry* entry, uint32_t encoding) {
    const uint32_t mode = bits(encoding, kModeShift, 4);
    switch (mode) {
    case kArm64ModeNone:
        return VTCRASH_OK;
    case kArm64ModeDwarf:
        entry->type = VTCRASH_CFE_TYPE_DWARF;
        entry->stack_offset = encoding & kDwarfOffsetMask;
        return VTCRASH_OK;
    case kArm64ModeFrameless:
    case kArm64ModeFrame:
        break;
    default:
        return VTCRASH_ERR_NOTSUP;
    }
    uint32_t count = 0;
    for (const Arm64Pair& pair : kArm64Pairs) {
        if ((encoding & pair.flag) == 0) continue;
        entry->register_list[count++] = pair.first;
        entry->register_list[count++] = pair.second;
    }
    entry->register_count = count;
    if (mode == kArm64ModeFrameless) {
        entry->type = VTCRASH_CFE_TYPE_FRAMELESS_IMMEDIATE;
        entry->stack_offset = int64_t{bits(encoding, 12, 12)} * kArm64StackUnit;
        entry->return_address_register = VTCRASH_ARM64_LR;
    } else {
        entry->type = VTCRASH_CFE_TYPE_FRAME_POINTER;
        entry->stack_offset = -static_cast<int64_t>(count * kArm64Word);
    }
    return VTCRASH_OK;
}

vtcrash_error_t readWord(const vtcrash_async_task* task, uint64_t address, uint64_t word, uint64_t* out) {
    if (word == sizeof(uint32_t)) {
        uint32_t value = 0;
        const vtcrash_error_t result =
            vtcrash_async_task_read_uint32(task, vtcrash_async_byteorder_host(), address, 0, &value);
        *out = value;
        return result;
    }
    return vtcrash_async_task_read_uint64(task, vtcrash_async_byteorder_host(), address, 0, out);
}

// Where the saved registers start and the caller's ip and sp, of a frameless function.
vtcrash_error_t unwindFrameless(const vtcrash_async_task* task, uint64_t function_address,
                                const vtcrash_async_thread_state* state, const vtcrash_async_cfe_entry* entry,
                                uint64_t* saved, vtcrash_async_thread_state* caller) {
    const auto word = static_cast<int64_t>(vtcrash_async_thread_state_get_greg_size(state));
    if (!vtcrash_async_thread_state_has_reg(state, VTCRASH_REG_SP)) return VTCRASH_ERR_NOTFOUND;
    int64_t stack_size = entry->stack_offset;
    if (entry->type == VTCRASH_CFE_TYPE_FRAMELESS_INDIRECT) {
        // The function's own `sub` instruction holds the size it takes.
        uint32_t immediate = 0;
        const vtcrash_error_t read = vtcrash_async_task_read_uint32(task, vtcrash_async_byteorder_host(),
                                                                    function_address, entry->stack_offset, &immediate);
        if (read != VTCRASH_OK) return read;
        stack_size = int64_t{immediate} + entry->stack_adjust;
    }
    uint64_t stack_pointer = 0;
    if (!vtcrash_async_address_apply_offset(vtcrash_async_thread_state_get_reg(state, VTCRASH_REG_SP), stack_size,
                                            &stack_pointer)) {
        return VTCRASH_ERR_INVAL;
    }
    const int64_t saved_size = word * entry->register_count;
    uint64_t return_address = 0;
    if (entry->return_address_register != VTCRASH_CFE_REG_NONE) {
        if (!vtcrash_async_thread_state_has_reg(state, entry->return_address_register)) return VTCRASH_ERR_NOTFOUND;
        return_address = vtcrash_async_thread_state_get_reg(state, entry->return_address_register);
        if (!vtcrash_async_address_apply_offset(stack_pointer, -saved_size, saved)) return VTCRASH_ERR_INVAL;
    } else {
        // The call pushed the return address just above the function's own stack.
        uint64_t return_slot = 0;
        if (!vtcrash_async_address_apply_offset(stack_pointer, -word, &return_slot) ||
            !vtcrash_async_address_apply_offset(return_slot, -saved_size, saved)) {
            return VTCRASH_ERR_INVAL;
        }
        const vtcrash_error_t read = readWord(task, return_slot, static_cast<uint64_t>(word), &return_address);
        if (read != VTCRASH_OK) return read;
    }
    vtcrash_async_thread_state_set_reg(caller, VTCRASH_REG_SP, stack_pointer);
    vtcrash_async_thread_state_set_reg(caller, VTCRASH_REG_IP, return_address);
    return VTCRASH_OK;
}

vtcrash_error_t unwindFramePointer(const vtcrash_async_task* task, const vtcrash_async_thread_state* state,
                                   const vtcrash_async_cfe_entry* entry, uint64_t* saved,
                                   vtcrash_async_thread_state* caller) {
    const auto word = static_cast<int64_t>(vtcrash_async_thread_state_get_greg_size(state));
    if (!vtcrash_async_thread_state_has_reg(state, VTCRASH_REG_FP)) return VTCRASH_ERR_NOTFOUND;
    const uint64_t frame_pointer = vtcrash_async_thread_state_get_reg(state, VTCRASH_REG_FP);
    uint64_t stack_pointer = 0;
    uint64_t return_slot = 0;
    if (!vtcrash_async_address_apply_offset(frame_pointer, 2 * word, &stack_pointer) ||
        !vtcrash_async_address_apply_offset(frame_pointer, word, &return_slot) ||
        !vtcrash_async_address_apply_offset(frame_pointer, entry->stack_offset, saved)) {
        return VTCRASH_ERR_INVAL;
    }
    uint64_t caller_frame_pointer = 0;
    uint64_t return_address = 0;
    vtcrash_error_t read = readWord(task, frame_pointer, static_cast<uint64_t>(word), &caller_frame_pointer);
    if (read == VTCRASH_OK) read = readWord(task, return_slot, static_cast<uint64_t>(word), &return_address);
    if (read != VTCRASH_OK) return read;
    vtcrash_async_thread_state_set_reg(caller, VTCRASH_REG_SP, stack_pointer);
    vtcrash_async_thread_state_set_reg(caller, VTCRASH_REG_FP, caller_frame_pointer);
    vtcrash_async_thread_state_set_reg(caller, VTCRASH_REG_IP, return_address);
    return VTCRASH_OK;
}

}  // namespace

uint32_t vtcrash_async_cfe_cpu_type_machine(uint32_t cpu_type) {
    switch (cpu_type) {
    case VTCRASH_MACHO_CPU_TYPE_X86:
        return VTCRASH_CPU_X86;
    case VTCRASH_MACHO_CPU_TYPE_X86_64:
        return VTCRASH_CPU_X86_64;
    case VTCRASH_MACHO_CPU_TYPE_ARM64:
        return VTCRASH_CPU_ARM64;
    default:
        return 0;
    }
}

vtcrash_error_t vtcrash_async_cfe_entry_init(vtcrash_async_cfe_entry* entry, uint32_t cpu_type, uint32_t encoding) {
    clearEntry(entry, cpu_type);
    switch (cpu_type) {
    case VTCRASH_MACHO_CPU_TYPE_X86:
        return decodeX86(entry, encoding, sizeof(uint32_t), kI386Registers);
    case VTCRASH_MACHO_CPU_TYPE_X86_64:
        return decodeX86(entry, encoding, sizeof(uint64_t), kX86_64Registers);
    case VTCRASH_MACHO_CPU_TYPE_ARM64:
        return decodeArm64(entry, encoding);
    default:
        return VTCRASH_ERR_NOTSUP;
    }
}

void vtcrash_async_cfe_entry_free(vtcrash_async_cfe_entry*) {}

vtcrash_async_cfe_type_t vtcrash_async_cfe_entry_type(const vtcrash_async_cfe_entry* entry) { return entry->type; }

int64_t vtcrash_async_cfe_entry_stack_offset(const vtcrash_async_cfe_entry* entry) { return entry->stack_offset; }

uint32_t vtcrash_async_cfe_entry_stack_adjust(const vtcrash_async_cfe_entry* entry) { return entry->stack_adjust; }

uint32_t vtcrash_async_cfe_entry_return_address_register(const vtcrash_async_cfe_entry* entry) {
    return entry->return_address_register;
}

uint32_t vtcrash_async_cfe_entry_register_count(const vtcrash_async_cfe_entry* entry) { return entry->register_count; }

void vtcrash_async_cfe_entry_register_list(const vtcrash_async_cfe_entry* entry, uint32_t* out_registers) {
    for (uint32_t index = 0; index < entry->register_count; ++index) {
        out_registers[index] = entry->register_list[index];
    }
}

vtcrash_error_t vtcrash_async_cfe_entry_apply(const vtcrash_async_task* task, uint64_t function_address,
                                              const vtcrash_async_thread_state* thread_state,
                                              const vtcrash_async_cfe_entry* entry,
                                              vtcrash_async_thread_state* new_thread_state) {
    // Register numbers mean something only on the machine the entry was decoded for.
    const uint32_t machine = vtcrash_async_cfe_cpu_type_machine(entry->cpu_type);
    if (machine == 0 || machine != thread_state->cpu_type) return VTCRASH_ERR_INVAL;
    const uint64_t word = vtcrash_async_thread_state_get_greg_size(thread_state);

    // 1. The caller keeps what a call preserves; the rest comes from the frame.
    vtcrash_async_thread_state caller;
    vtcrash_async_thread_state_copy(&caller, thread_state);
    vtcrash_async_thread_state_clear_volatile_regs(&caller);

    // 2. The caller's ip and sp (and fp), and where the saved registers lie.
    uint64_t saved = 0;
    vtcrash_error_t result = VTCRASH_OK;
    switch (entry->type) {
    case VTCRASH_CFE_TYPE_FRAMELESS_IMMEDIATE:
    case VTCRASH_CFE_TYPE_FRAMELESS_INDIRECT:
        result = unwindFrameless(task, function_address, thread_state, entry, &saved, &caller);
        break;
    case VTCRASH_CFE_TYPE_FRAME_POINTER:
        result = unwindFramePointer(task, thread_state, entry, &saved, &caller);
        break;
    case VTCRASH_CFE_TYPE_DWARF:
    case VTCRASH_CFE_TYPE_NONE:
        return VTCRASH_ERR_NOTSUP;
    default:
        return VTCRASH_ERR_INVAL;
    }
    if (result != VTCRASH_OK) return result;

    // 3. The saved registers, one word each; an empty slot still takes its word.
    for (uint32_t index = 0; index < entry->register_count && index < VTCRASH_CFE_SAVED_REGISTERS_MAX; ++index) {
        const uint32_t reg = entry->register_list[index];
        if (reg == VTCRASH_CFE_REG_NONE) continue;
        uint64_t slot = 0;
        if (!vtcrash_async_address_apply_offset(saved, static_cast<int64_t>(index * word), &slot))
            return VTCRASH_ERR_INVAL;
        uint64_t value = 0;
        result = readWord(task, slot, word, &value);
        if (result != VTCRASH_OK) return result;
        vtcrash_async_thread_state_set_reg(&caller, reg, value);
    }
    vtcrash_async_thread_state_copy(new_thread_state, &caller);
    return VTCRASH_OK;
}

uint32_t vtcrash_async_cfe_register_encode(const uint32_t* registers, uint32_t count) {
    if (count > VTCRASH_CFE_PERMUTATION_REGISTERS_MAX) return 0;
    uint32_t permutation = 0;
    for (uint32_t index = 0; index < permutationDigits(count); ++index) {
        // The register's rank among those not yet taken.
        uint32_t digit = registers[index] - 1;
        for (uint32_t before = 0; before < index; ++before) {
            if (registers[before] < registers[index]) --digit;
        }
        permutation += digit * kPermutationBases[count][index];
    }
    return permutation;
}

vtcrash_error_t vtcrash_async_cfe_register_decode(uint32_t permutation, uint32_t count, uint32_t* out_registers) {
    if (count > VTCRASH_CFE_PERMUTATION_REGISTERS_MAX) return VTCRASH_ERR_INVAL;
    uint32_t digits[VTCRASH_CFE_PERMUTATION_REGISTERS_MAX] = {};
    uint32_t rest = permutation;
    for (uint32_t index = 0; index < permutationDigits(count); ++index) {
        digits[index] = rest / kPermutationBases[count][index];
        rest %= kPermutationBases[count][index];
    }
    bool taken[VTCRASH_CFE_PERMUTATION_REGISTERS_MAX + 1] = {};
    for (uint32_t index = 0; index < count; ++index) {
        // The digit-th register, counting from 0, among those not yet taken.
        uint32_t skip = digits[index];
        uint32_t reg = 1;
        for (; reg <= VTCRASH_CFE_PERMUTATION_REGISTERS_MAX; ++reg) {
            if (taken[reg]) continue;
            if (skip == 0) break;
            --skip;
        }
        if (reg > VTCRASH_CFE_PERMUTATION_REGISTERS_MAX) return VTCRASH_ERR_INVAL;
        taken[reg] = true;
        out_registers[index] = reg;
    }
    return VTCRASH_OK;
}

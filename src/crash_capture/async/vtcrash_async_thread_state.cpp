#include "crash_capture/async/vtcrash_async_thread_state.h"

namespace {

constexpr uint64_t kNoDwarf = UINT64_MAX;

struct CpuDescription {
    uint32_t cpu_type;
    uint32_t register_size;
    uint32_t register_count;
    const char* const* names;
    // DWARF number of each of our registers, kNoDwarf where it has none.
    const uint64_t* dwarf_numbers;
    uint64_t callee_saved;
    // Bits of ip, fp, sp (and lr) that hold an address; the rest may carry a signature.
    uint64_t address_mask;
    uint32_t link_register;
};

constexpr uint64_t bit(uint32_t reg) { return uint64_t{1} << reg; }

constexpr const char* kX86Names[VTCRASH_X86_64_REG_COUNT] = {"rip", "rbp", "rsp", "rax", "rbx", "rcx",
                                                             "rdx", "rdi", "rsi", "r8",  "r9",  "r10",
                                                             "r11", "r12", "r13", "r14", "r15", "rflags"};
// The System V numbering: rax rdx rcx rbx rsi rdi rbp rsp r8..r15; 16 is the return
// address column, not a register of ours; 49 the flags.
constexpr uint64_t kX86Dwarf[VTCRASH_X86_64_REG_COUNT] = {kNoDwarf, 6, 7,  0,  3,  2,  1,  5,  4,
                                                          8,        9, 10, 11, 12, 13, 14, 15, 49};
constexpr uint64_t kX86CalleeSaved = bit(VTCRASH_REG_FP) | bit(VTCRASH_X86_64_RBX) | bit(VTCRASH_X86_64_R12) |
                                     bit(VTCRASH_X86_64_R12 + 1) | bit(VTCRASH_X86_64_R12 + 2) |
                                     bit(VTCRASH_X86_64_R12 + 3);

constexpr const char* kArm64Names[VTCRASH_ARM64_REG_COUNT] = {
    "pc",  "fp",  "sp",  "x0",  "x1",  "x2",  "x3",  "x4",  "x5",  "x6",  "x7",  "x8",
    "x9",  "x10", "x11", "x12", "x13", "x14", "x15", "x16", "x17", "x18", "x19", "x20",
    "x21", "x22", "x23", "x24", "x25", "x26", "x27", "x28", "lr",  "cpsr"};
// x0..x28 are 0..28, fp 29, lr 30, sp 31; the pc and the flags have no number.
constexpr uint64_t kArm64Dwarf[VTCRASH_ARM64_REG_COUNT] = {kNoDwarf, 29, 31, 0,  1,  2,  3,  4,  5,  6,       7,  8,
                                                           9,        10, 11, 12, 13, 14, 15, 16, 17, 18,      19, 20,
                                                           21,       22, 23, 24, 25, 26, 27, 28, 30, kNoDwarf};
// x19..x28 and fp.
constexpr uint64_t kArm64CalleeSaved = (((bit(10) - 1) << VTCRASH_ARM64_X19)) | bit(VTCRASH_REG_FP);
// Linux user addresses on arm64 take at most 48 bits; above them sit the tag byte and
// the pointer-authentication code.
constexpr uint64_t kArm64AddressMask = (uint64_t{1} << 48) - 1;

constexpr const char* kI386Names[VTCRASH_X86_REG_COUNT] = {"eip", "ebp", "esp", "eax", "edx",
                                                           "ecx", "ebx", "esi", "edi", "eflags"};
// The i386 System V numbering: eax ecx edx ebx esp ebp esi edi, eip 8 (also the return
// address column), eflags 9.
constexpr uint64_t kI386Dwarf[VTCRASH_X86_REG_COUNT] = {8, 5, 4, 0, 2, 1, 3, 6, 7, 9};
constexpr uint64_t kI386CalleeSaved =
    bit(VTCRASH_REG_FP) | bit(VTCRASH_X86_EBX) | bit(VTCRASH_X86_ESI) | bit(VTCRASH_X86_EDI);

constexpr CpuDescription kCpus[] = {
    {VTCRASH_CPU_X86_64, 8, VTCRASH_X86_64_REG_COUNT, kX86Names, kX86Dwarf, kX86CalleeSaved, UINT64_MAX,
     VTCRASH_REG_IP},
    {VTCRASH_CPU_ARM64, 8, VTCRASH_ARM64_REG_COUNT, kArm64Names, kArm64Dwarf, kArm64CalleeSaved, kArm64AddressMask,
     VTCRASH_ARM64_LR},
    {VTCRASH_CPU_X86, 4, VTCRASH_X86_REG_COUNT, kI386Names, kI386Dwarf, kI386CalleeSaved, UINT64_MAX, VTCRASH_REG_IP},
};

const CpuDescription* describe(uint32_t cpu_type) {
    for (const CpuDescription& cpu : kCpus) {
        if (cpu.cpu_type == cpu_type) return &cpu;
    }
    return nullptr;
}

bool holdsAddress(const CpuDescription* cpu, uint32_t reg) {
    return reg == VTCRASH_REG_IP || reg == VTCRASH_REG_FP || reg == VTCRASH_REG_SP || reg == cpu->link_register;
}

}  // namespace

vtcrash_error_t vtcrash_async_thread_state_init(vtcrash_async_thread_state* state, uint32_t cpu_type) {
    *state = {};
    const CpuDescription* cpu = describe(cpu_type);
    if (cpu == nullptr) return VTCRASH_ERR_NOTSUP;
    state->stack_direction = VTCRASH_STACK_DIRECTION_DOWN;
    state->cpu_type = cpu_type;
    state->greg_size = cpu->register_size;
    return VTCRASH_OK;
}

vtcrash_error_t vtcrash_async_thread_state_ucontext_init(vtcrash_async_thread_state* state, const ucontext_t* context) {
#if defined(__x86_64__)
    const greg_t* gregs = context->uc_mcontext.gregs;
    constexpr int kSources[VTCRASH_X86_64_REG_COUNT] = {REG_RIP, REG_RBP, REG_RSP, REG_RAX, REG_RBX, REG_RCX,
                                                        REG_RDX, REG_RDI, REG_RSI, REG_R8,  REG_R9,  REG_R10,
                                                        REG_R11, REG_R12, REG_R13, REG_R14, REG_R15, REG_EFL};
    vtcrash_async_thread_state_init(state, VTCRASH_CPU_X86_64);
    for (uint32_t reg = 0; reg < VTCRASH_X86_64_REG_COUNT; ++reg) {
        vtcrash_async_thread_state_set_reg(state, reg, static_cast<uint64_t>(gregs[kSources[reg]]));
    }
#elif defined(__aarch64__)
    const mcontext_t& machine = context->uc_mcontext;
    vtcrash_async_thread_state_init(state, VTCRASH_CPU_ARM64);
    vtcrash_async_thread_state_set_reg(state, VTCRASH_REG_IP, machine.pc);
    vtcrash_async_thread_state_set_reg(state, VTCRASH_REG_FP, machine.regs[29]);
    vtcrash_async_thread_state_set_reg(state, VTCRASH_REG_SP, machine.sp);
    for (uint32_t n = 0; n <= 28; ++n) vtcrash_async_thread_state_set_reg(state, VTCRASH_ARM64_X0 + n, machine.regs[n]);
    vtcrash_async_thread_state_set_reg(state, VTCRASH_ARM64_LR, machine.regs[30]);
    vtcrash_async_thread_state_set_reg(state, VTCRASH_ARM64_CPSR, machine.pstate);
#else
#error "crash capture knows the registers of x86_64 and arm64 only"
#endif
    state->ip_is_exact = true;
    return VTCRASH_OK;
}

void vtcrash_async_thread_state_copy(vtcrash_async_thread_state* dest, const vtcrash_async_thread_state* source) {
    *dest = *source;
}

bool vtcrash_async_thread_state_has_reg(const vtcrash_async_thread_state* state, uint32_t reg) {
    return reg < VTCRASH_THREAD_STATE_MAX_REGS && (state->valid_regs & bit(reg)) != 0;
}

void vtcrash_async_thread_state_clear_reg(vtcrash_async_thread_state* state, uint32_t reg) {
    if (reg >= VTCRASH_THREAD_STATE_MAX_REGS) return;
    state->valid_regs &= ~bit(reg);
    if (reg == VTCRASH_REG_IP) state->ip_is_exact = false;
}

void vtcrash_async_thread_state_clear_all_regs(vtcrash_async_thread_state* state) {
    state->valid_regs = 0;
    state->ip_is_exact = false;
}

void vtcrash_async_thread_state_clear_volatile_regs(vtcrash_async_thread_state* state) {
    const CpuDescription* cpu = describe(state->cpu_type);
    state->valid_regs &= cpu != nullptr ? cpu->callee_saved : 0;
    state->ip_is_exact = false;
}

uint64_t vtcrash_async_thread_state_get_reg(const vtcrash_async_thread_state* state, uint32_t reg) {
    const CpuDescription* cpu = describe(state->cpu_type);
    const uint64_t value = state->regs[reg];
    return cpu != nullptr && holdsAddress(cpu, reg) ? value & cpu->address_mask : value;
}

void vtcrash_async_thread_state_set_reg(vtcrash_async_thread_state* state, uint32_t reg, uint64_t value) {
    if (reg >= VTCRASH_THREAD_STATE_MAX_REGS) return;
    state->regs[reg] = value;
    state->valid_regs |= bit(reg);
}

size_t vtcrash_async_thread_state_get_reg_count(const vtcrash_async_thread_state* state) {
    const CpuDescription* cpu = describe(state->cpu_type);
    return cpu != nullptr ? cpu->register_count : 0;
}

const char* vtcrash_async_thread_state_get_reg_name(const vtcrash_async_thread_state* state, uint32_t reg) {
    const CpuDescription* cpu = describe(state->cpu_type);
    return cpu != nullptr && reg < cpu->register_count ? cpu->names[reg] : nullptr;
}

size_t vtcrash_async_thread_state_get_greg_size(const vtcrash_async_thread_state* state) {
    return static_cast<size_t>(state->greg_size);
}

uint32_t vtcrash_async_thread_state_get_stack_direction(const vtcrash_async_thread_state* state) {
    return state->stack_direction;
}

bool vtcrash_async_thread_state_map_reg_to_dwarf(const vtcrash_async_thread_state* state, uint32_t reg,
                                                 uint64_t* out_dwarf) {
    const CpuDescription* cpu = describe(state->cpu_type);
    if (cpu == nullptr || reg >= cpu->register_count || cpu->dwarf_numbers[reg] == kNoDwarf) return false;
    *out_dwarf = cpu->dwarf_numbers[reg];
    return true;
}

bool vtcrash_async_thread_state_map_dwarf_to_reg(const vtcrash_async_thread_state* state, uint64_t dwarf,
                                                 uint32_t* out_reg) {
    const CpuDescription* cpu = describe(state->cpu_type);
    if (cpu == nullptr || dwarf == kNoDwarf) return false;
    for (uint32_t reg = 0; reg < cpu->register_count; ++reg) {
        if (cpu->dwarf_numbers[reg] == dwarf) {
            *out_reg = reg;
            return true;
        }
    }
    return false;
}

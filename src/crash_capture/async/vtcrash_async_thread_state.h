#pragma once

#include <cstddef>
#include <cstdint>
#include <ucontext.h>

#include "crash_capture/async/vtcrash_error.h"

// One frame's registers, machine-independent: a value and a validity bit per register.
// The machines are named by their ELF machine numbers, as the images name them.
constexpr uint32_t VTCRASH_CPU_X86 = 3;
constexpr uint32_t VTCRASH_CPU_X86_64 = 62;
constexpr uint32_t VTCRASH_CPU_ARM64 = 183;

constexpr uint32_t VTCRASH_STACK_DIRECTION_UP = 1;
constexpr uint32_t VTCRASH_STACK_DIRECTION_DOWN = 2;

// Numbers 0, 1 and 2 are the instruction, frame and stack pointer on every machine.
constexpr uint32_t VTCRASH_REG_IP = 0;
constexpr uint32_t VTCRASH_REG_FP = 1;
constexpr uint32_t VTCRASH_REG_SP = 2;

// x86_64: rip, rbp, rsp, then rax rbx rcx rdx rdi rsi r8..r15 and rflags.
constexpr uint32_t VTCRASH_X86_64_RAX = 3;
constexpr uint32_t VTCRASH_X86_64_RBX = 4;
constexpr uint32_t VTCRASH_X86_64_R8 = 9;
constexpr uint32_t VTCRASH_X86_64_R12 = 13;
constexpr uint32_t VTCRASH_X86_64_RFLAGS = 17;
constexpr uint32_t VTCRASH_X86_64_REG_COUNT = 18;
// arm64: pc, fp, sp, then x0..x28, lr and cpsr.
constexpr uint32_t VTCRASH_ARM64_X0 = 3;
constexpr uint32_t VTCRASH_ARM64_X19 = 22;
constexpr uint32_t VTCRASH_ARM64_LR = 32;
constexpr uint32_t VTCRASH_ARM64_CPSR = 33;
constexpr uint32_t VTCRASH_ARM64_REG_COUNT = 34;
// 32-bit x86, whose frames are only ever described by tables, never captured here: eip,
// ebp, esp, then eax edx ecx ebx esi edi and eflags, in 4-byte registers.
constexpr uint32_t VTCRASH_X86_EAX = 3;
constexpr uint32_t VTCRASH_X86_EDX = 4;
constexpr uint32_t VTCRASH_X86_ECX = 5;
constexpr uint32_t VTCRASH_X86_EBX = 6;
constexpr uint32_t VTCRASH_X86_ESI = 7;
constexpr uint32_t VTCRASH_X86_EDI = 8;
constexpr uint32_t VTCRASH_X86_EFLAGS = 9;
constexpr uint32_t VTCRASH_X86_REG_COUNT = 10;

constexpr size_t VTCRASH_THREAD_STATE_MAX_REGS = 34;

struct vtcrash_async_thread_state {
    uint32_t stack_direction;
    uint32_t cpu_type;
    uint64_t greg_size;
    uint64_t valid_regs;
    // True when the instruction pointer is where the thread was stopped (a fault, an
    // interrupting signal) rather than a return address. A return address may lie just
    // past its function, after a call to a function that never returns, so unwinders
    // look it up one byte earlier. Clearing the instruction pointer clears this too.
    bool ip_is_exact;
    uint64_t regs[VTCRASH_THREAD_STATE_MAX_REGS];
};

// Zeroes the state for the machine; VTCRASH_ERR_NOTSUP for any other.
vtcrash_error_t vtcrash_async_thread_state_init(vtcrash_async_thread_state* state, uint32_t cpu_type);

// The registers a signal handler was given, of the machine this is built for; every
// register valid, the instruction pointer exact.
vtcrash_error_t vtcrash_async_thread_state_ucontext_init(vtcrash_async_thread_state* state, const ucontext_t* context);

typedef vtcrash_error_t (*vtcrash_async_thread_state_callback)(vtcrash_async_thread_state* state, void* context);

// Captures the calling thread and returns callback(state, context). The state is the
// caller's at the call: the instruction pointer the return address, the frame and stack
// pointers the caller's; the other registers as they stand (the first argument register
// holds the callback).
extern "C" vtcrash_error_t vtcrash_async_thread_state_current(vtcrash_async_thread_state_callback callback,
                                                              void* context);

void vtcrash_async_thread_state_copy(vtcrash_async_thread_state* dest, const vtcrash_async_thread_state* source);

bool vtcrash_async_thread_state_has_reg(const vtcrash_async_thread_state* state, uint32_t reg);
void vtcrash_async_thread_state_clear_reg(vtcrash_async_thread_state* state, uint32_t reg);
void vtcrash_async_thread_state_clear_all_regs(vtcrash_async_thread_state* state);
// Keeps only the registers that a call preserves.
void vtcrash_async_thread_state_clear_volatile_regs(vtcrash_async_thread_state* state);
// The caller tests has_reg first. On arm64 the pointer-authentication bits of pc, fp,
// sp and lr are removed.
uint64_t vtcrash_async_thread_state_get_reg(const vtcrash_async_thread_state* state, uint32_t reg);
void vtcrash_async_thread_state_set_reg(vtcrash_async_thread_state* state, uint32_t reg, uint64_t value);
size_t vtcrash_async_thread_state_get_reg_count(const vtcrash_async_thread_state* state);
// Numbers below the count only.
const char* vtcrash_async_thread_state_get_reg_name(const vtcrash_async_thread_state* state, uint32_t reg);
size_t vtcrash_async_thread_state_get_greg_size(const vtcrash_async_thread_state* state);
uint32_t vtcrash_async_thread_state_get_stack_direction(const vtcrash_async_thread_state* state);

// Between our register numbers and the machine's DWARF numbers; false when the number
// has no counterpart (the return address column of x86_64, the arm64 pc and cpsr).
bool vtcrash_async_thread_state_map_reg_to_dwarf(const vtcrash_async_thread_state* state, uint32_t reg,
                                                 uint64_t* out_dwarf);
bool vtcrash_async_thread_state_map_dwarf_to_reg(const vtcrash_async_thread_state* state, uint64_t dwarf,
                                                 uint32_t* out_reg);

#include "crash_capture/async/vtcrash_async_thread_state.h"

// The capture itself is a few instructions of assembly: the registers must be stored
// before any compiled code changes them. It saves them in our numbering into a block on
// its own stack and hands the block to the finisher below.

extern "C" __attribute__((visibility("hidden"))) vtcrash_error_t vtcrash_async_thread_state_current_finish(
    const uint64_t* regs, vtcrash_async_thread_state_callback callback, void* context) {
    vtcrash_async_thread_state state;
#if defined(__x86_64__)
    constexpr uint32_t kCpu = VTCRASH_CPU_X86_64;
    constexpr uint32_t kCount = VTCRASH_X86_64_REG_COUNT;
#elif defined(__aarch64__)
    constexpr uint32_t kCpu = VTCRASH_CPU_ARM64;
    constexpr uint32_t kCount = VTCRASH_ARM64_REG_COUNT;
#endif
    vtcrash_async_thread_state_init(&state, kCpu);
    for (uint32_t reg = 0; reg < kCount; ++reg) vtcrash_async_thread_state_set_reg(&state, reg, regs[reg]);
    return callback(&state, context);
}

#if defined(__x86_64__)
// Block: rip rbp rsp rax rbx rcx rdx rdi rsi r8..r15 rflags, 18 words.
asm(R"(
    .text
    .globl vtcrash_async_thread_state_current
    .type vtcrash_async_thread_state_current, @function
    .p2align 4
vtcrash_async_thread_state_current:
    .cfi_startproc
    pushq %rbp
    .cfi_def_cfa_offset 16
    .cfi_offset %rbp, -16
    movq %rsp, %rbp
    .cfi_def_cfa_register %rbp
    subq $144, %rsp
    movq %rax, 24(%rsp)
    movq %rbx, 32(%rsp)
    movq %rcx, 40(%rsp)
    movq %rdx, 48(%rsp)
    movq %rdi, 56(%rsp)
    movq %rsi, 64(%rsp)
    movq %r8, 72(%rsp)
    movq %r9, 80(%rsp)
    movq %r10, 88(%rsp)
    movq %r11, 96(%rsp)
    movq %r12, 104(%rsp)
    movq %r13, 112(%rsp)
    movq %r14, 120(%rsp)
    movq %r15, 128(%rsp)
    pushfq
    popq %rax
    movq %rax, 136(%rsp)
    movq 8(%rbp), %rax
    movq %rax, 0(%rsp)
    movq 0(%rbp), %rax
    movq %rax, 8(%rsp)
    leaq 16(%rbp), %rax
    movq %rax, 16(%rsp)
    movq %rsi, %rdx
    movq %rdi, %rsi
    movq %rsp, %rdi
    call vtcrash_async_thread_state_current_finish
    leave
    .cfi_def_cfa %rsp, 8
    .cfi_restore %rbp
    ret
    .cfi_endproc
    .size vtcrash_async_thread_state_current, .-vtcrash_async_thread_state_current
)");
#elif defined(__aarch64__)
// Block: pc fp sp x0..x28 lr cpsr, 34 words.
asm(R"(
    .text
    .globl vtcrash_async_thread_state_current
    .type vtcrash_async_thread_state_current, %function
    .p2align 2
vtcrash_async_thread_state_current:
    .cfi_startproc
    stp x29, x30, [sp, #-16]!
    .cfi_def_cfa_offset 16
    .cfi_offset 29, -16
    .cfi_offset 30, -8
    mov x29, sp
    .cfi_def_cfa_register 29
    sub sp, sp, #272
    stp x0, x1, [sp, #24]
    stp x2, x3, [sp, #40]
    stp x4, x5, [sp, #56]
    stp x6, x7, [sp, #72]
    stp x8, x9, [sp, #88]
    stp x10, x11, [sp, #104]
    stp x12, x13, [sp, #120]
    stp x14, x15, [sp, #136]
    stp x16, x17, [sp, #152]
    stp x18, x19, [sp, #168]
    stp x20, x21, [sp, #184]
    stp x22, x23, [sp, #200]
    stp x24, x25, [sp, #216]
    stp x26, x27, [sp, #232]
    str x28, [sp, #248]
    str x30, [sp, #0]
    ldr x9, [x29]
    str x9, [sp, #8]
    add x9, x29, #16
    str x9, [sp, #16]
    str x30, [sp, #256]
    str xzr, [sp, #264]
    mov x2, x1
    mov x1, x0
    mov x0, sp
    bl vtcrash_async_thread_state_current_finish
    mov sp, x29
    ldp x29, x30, [sp], #16
    .cfi_def_cfa 31, 0
    .cfi_restore 29
    .cfi_restore 30
    ret
    .cfi_endproc
    .size vtcrash_async_thread_state_current, .-vtcrash_async_thread_state_current
)");
#endif

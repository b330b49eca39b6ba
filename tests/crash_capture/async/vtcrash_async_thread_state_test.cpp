#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <string>

#include "crash_capture/async/vtcrash_async_signal_info.h"
#include "crash_capture/async/vtcrash_async_thread_state.h"

namespace {

vtcrash_async_thread_state fullState(uint32_t cpu) {
    vtcrash_async_thread_state state;
    EXPECT_EQ(vtcrash_async_thread_state_init(&state, cpu), VTCRASH_OK);
    for (uint32_t reg = 0; reg < vtcrash_async_thread_state_get_reg_count(&state); ++reg) {
        vtcrash_async_thread_state_set_reg(&state, reg, 0x1000 + reg);
    }
    return state;
}

std::string validNames(const vtcrash_async_thread_state& state) {
    std::string names;
    for (uint32_t reg = 0; reg < vtcrash_async_thread_state_get_reg_count(&state); ++reg) {
        if (vtcrash_async_thread_state_has_reg(&state, reg)) {
            names += std::string(names.empty() ? "" : " ") + vtcrash_async_thread_state_get_reg_name(&state, reg);
        }
    }
    return names;
}

TEST(AsyncThreadState, OnlyTheRegistersACallPreservesSurviveClearingTheVolatileOnes) {
    const struct {
        uint32_t cpu;
        const char* expected;
    } cases[] = {
        {VTCRASH_CPU_X86_64, "rbp rbx r12 r13 r14 r15"},
        {VTCRASH_CPU_ARM64, "fp x19 x20 x21 x22 x23 x24 x25 x26 x27 x28"},
        {VTCRASH_CPU_X86, "ebp ebx esi edi"},
    };
    for (const auto& c : cases) {
        vtcrash_async_thread_state state = fullState(c.cpu);
        state.ip_is_exact = true;
        vtcrash_async_thread_state_clear_volatile_regs(&state);
        EXPECT_EQ(validNames(state), c.expected);
        EXPECT_FALSE(state.ip_is_exact);
    }
    vtcrash_async_thread_state state;
    EXPECT_EQ(vtcrash_async_thread_state_init(&state, 40 /* 32-bit ARM */), VTCRASH_ERR_NOTSUP);
}

TEST(AsyncThreadState, Arm64AddressRegistersLoseOnlyTheBitsAboveTheUserAddressSpace) {
    // A 48-bit user address signed with a pointer-authentication code in its top bits.
    constexpr uint64_t kAddress = 0x0000ffffa0123456;
    constexpr uint64_t kSigned = 0x005b000000000000 | kAddress;
    vtcrash_async_thread_state state = fullState(VTCRASH_CPU_ARM64);
    for (const uint32_t reg : {VTCRASH_REG_IP, VTCRASH_REG_FP, VTCRASH_REG_SP, VTCRASH_ARM64_LR}) {
        vtcrash_async_thread_state_set_reg(&state, reg, kSigned);
        EXPECT_EQ(vtcrash_async_thread_state_get_reg(&state, reg), kAddress) << reg;
    }
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_ARM64_X0, kSigned);
    EXPECT_EQ(vtcrash_async_thread_state_get_reg(&state, VTCRASH_ARM64_X0), kSigned);
}

TEST(AsyncSignalInfo, LinuxSignalsAndCodesAreNamedFromTheSystemsConstants) {
    const struct {
        int signo;
        int code;
        const char* name;
        const char* code_name;
    } cases[] = {
        // The crash tests check the codes of real crashes.
        {SIGBUS, BUS_ADRALN, "SIGBUS", "BUS_ADRALN"},
        {SIGSYS, 1, "SIGSYS", "#1"},
        {SIGRTMIN + 1, SI_QUEUE, "#35", "SI_QUEUE"},
        {SIGUSR1, INT_MIN, "SIGUSR1", "#-2147483648"},
    };
    for (const auto& c : cases) {
        char name[VTCRASH_SIGNAL_TEXT_SIZE];
        char code[VTCRASH_SIGNAL_TEXT_SIZE];
        EXPECT_STREQ(vtcrash_async_signal_name_text(c.signo, name), c.name);
        EXPECT_STREQ(vtcrash_async_signal_code_text(c.signo, c.code, code), c.code_name);
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "crash_capture/async/vtcrash_async_cfe_entry.h"

namespace {

constexpr uint32_t kNone = VTCRASH_CFE_REG_NONE;
constexpr uint32_t kX86 = VTCRASH_MACHO_CPU_TYPE_X86;
constexpr uint32_t kX86_64 = VTCRASH_MACHO_CPU_TYPE_X86_64;
constexpr uint32_t kArm64 = VTCRASH_MACHO_CPU_TYPE_ARM64;
constexpr uint32_t x(uint32_t n) { return VTCRASH_ARM64_X0 + n; }
constexpr uint32_t kR13 = VTCRASH_X86_64_R12 + 1;
constexpr uint32_t kR14 = VTCRASH_X86_64_R12 + 2;
constexpr uint32_t kR15 = VTCRASH_X86_64_R12 + 3;

// x86 encodings by their fields.
constexpr uint32_t frame(uint32_t words, uint32_t slots) { return 0x01000000 | words << 16 | slots; }
constexpr uint32_t frameless(uint32_t words, uint32_t count, uint32_t permutation) {
    return 0x02000000 | words << 16 | count << 10 | permutation;
}
constexpr uint32_t indirect(uint32_t at, uint32_t adjust_words, uint32_t count, uint32_t permutation) {
    return 0x03000000 | at << 16 | adjust_words << 13 | count << 10 | permutation;
}

TEST(AsyncCfeEntry, EncodingsOfTheThreeCpuTypesDecode) {
    const struct {
        uint32_t cpu;
        uint32_t encoding;
        vtcrash_error_t error;
        vtcrash_async_cfe_type_t type = VTCRASH_CFE_TYPE_NONE;
        int64_t stack_offset = 0;
        uint32_t stack_adjust = 0;
        uint32_t return_register = kNone;
        std::vector<uint32_t> registers = {};
    } cases[] = {
        {kX86_64, 0x00000000, VTCRASH_OK, VTCRASH_CFE_TYPE_NONE, 0, 0, kNone, {}},
        {kX86_64,
         frame(2, 2 | 1 << 3),
         VTCRASH_OK,
         VTCRASH_CFE_TYPE_FRAME_POINTER,
         -16,
         0,
         kNone,
         {VTCRASH_X86_64_R12, VTCRASH_X86_64_RBX}},
        // A zero slot inside the list is a gap that still takes its word.
        {kX86_64,
         frame(3, 1 | 0 << 3 | 4 << 6),
         VTCRASH_OK,
         VTCRASH_CFE_TYPE_FRAME_POINTER,
         -24,
         0,
         kNone,
         {VTCRASH_X86_64_RBX, kNone, kR14}},
        {kX86_64,
         frame(5, 5 | 3 << 3 | 6 << 6 | 2 << 9 | 1 << 12),
         VTCRASH_OK,
         VTCRASH_CFE_TYPE_FRAME_POINTER,
         -40,
         0,
         kNone,
         {kR15, kR13, VTCRASH_REG_FP, VTCRASH_X86_64_R12, VTCRASH_X86_64_RBX}},
        {kX86_64, frame(1, 7), VTCRASH_ERR_INVAL},
        // Registers 3, 1: digits 2 and 0.
        {kX86_64,
         frameless(5, 2, 10),
         VTCRASH_OK,
         VTCRASH_CFE_TYPE_FRAMELESS_IMMEDIATE,
         40,
         0,
         kNone,
         {kR13, VTCRASH_X86_64_RBX}},
        {kX86_64, frameless(0xff, 0, 0), VTCRASH_OK, VTCRASH_CFE_TYPE_FRAMELESS_IMMEDIATE, 0xff * 8, 0, kNone, {}},
        {kX86_64,
         frameless(1, 6, 0),
         VTCRASH_OK,
         VTCRASH_CFE_TYPE_FRAMELESS_IMMEDIATE,
         8,
         0,
         kNone,
         {VTCRASH_X86_64_RBX, VTCRASH_X86_64_R12, kR13, kR14, kR15, VTCRASH_REG_FP}},
        {kX86_64, frameless(1, 7, 0), VTCRASH_ERR_INVAL},
        {kX86_64, frameless(1, 1, 6), VTCRASH_ERR_INVAL},
        {kX86_64,
         indirect(0x21, 3, 1, 5),
         VTCRASH_OK,
         VTCRASH_CFE_TYPE_FRAMELESS_INDIRECT,
         0x21,
         24,
         kNone,
         {VTCRASH_REG_FP}},
        {kX86_64, 0x04abcdef, VTCRASH_OK, VTCRASH_CFE_TYPE_DWARF, 0xabcdef, 0, kNone, {}},
        {kX86_64, 0x05000000, VTCRASH_ERR_NOTSUP},
        {kX86,
         frame(3, 1 | 5 << 3 | 6 << 6),
         VTCRASH_OK,
         VTCRASH_CFE_TYPE_FRAME_POINTER,
         -12,
         0,
         kNone,
         {VTCRASH_X86_EBX, VTCRASH_X86_ESI, VTCRASH_REG_FP}},
        {kX86,
         frame(2, 2 | 3 << 3 | 4 << 6),
         VTCRASH_OK,
         VTCRASH_CFE_TYPE_FRAME_POINTER,
         -8,
         0,
         kNone,
         {VTCRASH_X86_ECX, VTCRASH_X86_EDX, VTCRASH_X86_EDI}},
        {kX86,
         frameless(5, 3, 0),
         VTCRASH_OK,
         VTCRASH_CFE_TYPE_FRAMELESS_IMMEDIATE,
         20,
         0,
         kNone,
         {VTCRASH_X86_EBX, VTCRASH_X86_ECX, VTCRASH_X86_EDX}},
        {kX86,
         indirect(7, 2, 2, 20),
         VTCRASH_OK,
         VTCRASH_CFE_TYPE_FRAMELESS_INDIRECT,
         7,
         8,
         kNone,
         {VTCRASH_X86_ESI, VTCRASH_X86_EBX}},
        {kX86, 0x04000010, VTCRASH_OK, VTCRASH_CFE_TYPE_DWARF, 0x10, 0, kNone, {}},
        {kX86, 0x0f000000, VTCRASH_ERR_NOTSUP},
        {kArm64, 0x00000000, VTCRASH_OK, VTCRASH_CFE_TYPE_NONE, 0, 0, kNone, {}},
        {kArm64, 0x04000001, VTCRASH_OK, VTCRASH_CFE_TYPE_FRAME_POINTER, -16, 0, kNone, {x(20), x(19)}},
        {kArm64,
         0x0400001f,
         VTCRASH_OK,
         VTCRASH_CFE_TYPE_FRAME_POINTER,
         -80,
         0,
         kNone,
         {x(28), x(27), x(26), x(25), x(24), x(23), x(22), x(21), x(20), x(19)}},
        {kArm64, 0x02001000, VTCRASH_OK, VTCRASH_CFE_TYPE_FRAMELESS_IMMEDIATE, 16, 0, VTCRASH_ARM64_LR, {}},
        {kArm64,
         0x02fff00a,
         VTCRASH_OK,
         VTCRASH_CFE_TYPE_FRAMELESS_IMMEDIATE,
         0xfff * 16,
         0,
         VTCRASH_ARM64_LR,
         {x(26), x(25), x(22), x(21)}},
        {kArm64, 0x03000abc, VTCRASH_OK, VTCRASH_CFE_TYPE_DWARF, 0xabc, 0, kNone, {}},
        {kArm64, 0x01000000, VTCRASH_ERR_NOTSUP},
        {kArm64, 0x05000000, VTCRASH_ERR_NOTSUP},
        {12, 0x00000000, VTCRASH_ERR_NOTSUP},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "cpu " << std::hex << c.cpu << ", encoding " << c.encoding);
        vtcrash_async_cfe_entry entry;
        ASSERT_EQ(vtcrash_async_cfe_entry_init(&entry, c.cpu, c.encoding), c.error);
        if (c.error != VTCRASH_OK) continue;
        EXPECT_EQ(vtcrash_async_cfe_entry_type(&entry), c.type);
        EXPECT_EQ(vtcrash_async_cfe_entry_stack_offset(&entry), c.stack_offset);
        EXPECT_EQ(vtcrash_async_cfe_entry_stack_adjust(&entry), c.stack_adjust);
        EXPECT_EQ(vtcrash_async_cfe_entry_return_address_register(&entry), c.return_register);
        std::vector<uint32_t> registers(vtcrash_async_cfe_entry_register_count(&entry));
        vtcrash_async_cfe_entry_register_list(&entry, registers.data());
        EXPECT_EQ(registers, c.registers);
        vtcrash_async_cfe_entry_free(&entry);
    }
}

TEST(AsyncCfeEntry, EveryRegisterPermutationDecodesAndEncodesBack) {
    // The ordered choices of n of the six registers.
    constexpr uint32_t kChoices[] = {1, 6, 30, 120, 360, 720, 720};
    for (uint32_t count = 1; count <= VTCRASH_CFE_PERMUTATION_REGISTERS_MAX; ++count) {
        std::set<std::vector<uint32_t>> seen;
        for (uint32_t value = 0; value < 1024; ++value) {
            std::vector<uint32_t> registers(count);
            const vtcrash_error_t result = vtcrash_async_cfe_register_decode(value, count, registers.data());
            ASSERT_EQ(result, value < kChoices[count] ? VTCRASH_OK : VTCRASH_ERR_INVAL) << count << " " << value;
            if (result != VTCRASH_OK) continue;
            EXPECT_TRUE(std::all_of(registers.begin(), registers.end(), [](uint32_t r) { return r >= 1 && r <= 6; }));
            seen.insert(registers);
            EXPECT_EQ(vtcrash_async_cfe_register_encode(registers.data(), count), value) << count << " " << value;
        }
        // Distinct values give distinct lists of distinct registers.
        EXPECT_EQ(seen.size(), kChoices[count]);
        for (const auto& registers : seen) EXPECT_EQ(std::set(registers.begin(), registers.end()).size(), count);
    }
    uint32_t registers[VTCRASH_CFE_PERMUTATION_REGISTERS_MAX + 1] = {};
    EXPECT_EQ(vtcrash_async_cfe_register_decode(0, 0, registers), VTCRASH_OK);
    EXPECT_EQ(vtcrash_async_cfe_register_encode(registers, 0), 0u);
    EXPECT_EQ(vtcrash_async_cfe_register_decode(0, 7, registers), VTCRASH_ERR_INVAL);
}

// A stack of 32 words of the machine's size in our own memory: word k holds 0x5000 + k.
class FakeStack {
public:
    explicit FakeStack(size_t word) : word_(word), bytes_(32 * word) {
        for (uint64_t k = 0; k < 32; ++k) {
            const uint64_t value = val(k);
            std::memcpy(&bytes_[k * word], &value, word);
        }
    }
    uint64_t at(uint64_t k) const { return uint64_t(bytes_.data()) + k * word_; }
    static uint64_t val(uint64_t k) { return 0x5000 + k; }

private:
    size_t word_;
    std::vector<uint8_t> bytes_;
};

// What a caller's register must hold: the address of stack word n, the word itself, or n.
struct Want {
    enum Kind { Address, Word, Constant };
    uint32_t reg;
    Kind kind;
    uint64_t n;
};
Want address(uint32_t reg, uint64_t k) { return {reg, Want::Address, k}; }
Want word(uint32_t reg, uint64_t k) { return {reg, Want::Word, k}; }
Want constant(uint32_t reg, uint64_t value) { return {reg, Want::Constant, value}; }

TEST(AsyncCfeEntry, EachEntryTypeGivesTheCallersRegistersFromAStack) {
    // Every frame starts with sp at word 0, fp at word 10, arm64's lr 0x4444 and every
    // other register 0xa000 + its number.
    constexpr uint64_t kLinkRegister = 0x4444;
    // A function whose `sub rsp, 32` immediate lies 3 bytes in.
    const uint8_t code[] = {0x48, 0x81, 0xec, 0x20, 0x00, 0x00, 0x00, 0xc3};
    const uint32_t kX86_64State = VTCRASH_CPU_X86_64;
    const uint32_t kX86State = VTCRASH_CPU_X86;
    const uint32_t kArm64State = VTCRASH_CPU_ARM64;
    const uint32_t rbx = VTCRASH_X86_64_RBX, r12 = VTCRASH_X86_64_R12, ip = VTCRASH_REG_IP, sp = VTCRASH_REG_SP,
                   fp = VTCRASH_REG_FP;
    struct Case {
        const char* situation;
        uint32_t machine;
        uint32_t cpu;
        uint32_t encoding;
        std::vector<Want> want;
        vtcrash_error_t error = VTCRASH_OK;
        std::vector<uint32_t> absent = {};
        std::optional<uint64_t> frame_pointer = std::nullopt;
        bool unreadable_code = false;
    };
    const Case cases[] = {
        {"x86_64 frameless: the return address tops its stack, the saved registers below it",
         kX86_64State,
         kX86_64,
         frameless(5, 2, 10),
         {word(ip, 4), address(sp, 5), word(kR13, 2), word(rbx, 3)}},
        {"x86_64 frameless, the stack size read from the code",
         kX86_64State,
         kX86_64,
         indirect(3, 1, 1, 5),
         {word(ip, 4), address(sp, 5), word(fp, 3)}},
        {"x86_64 frame pointer",
         kX86_64State,
         kX86_64,
         frame(2, 2 | 1 << 3),
         {address(sp, 12), word(fp, 10), word(ip, 11), word(r12, 8), word(rbx, 9)}},
        {"x86_64 frame pointer, a gap among the saved registers",
         kX86_64State,
         kX86_64,
         frame(3, 1 | 4 << 6),
         {address(sp, 12), word(fp, 10), word(ip, 11), word(rbx, 7), word(kR14, 9)}},
        {"i386 frameless",
         kX86State,
         kX86,
         frameless(5, 2, 20),
         {word(ip, 4), address(sp, 5), word(VTCRASH_X86_ESI, 2), word(VTCRASH_X86_EBX, 3)}},
        {"i386 frameless, the stack size read from the code",
         kX86State,
         kX86,
         indirect(3, 1, 1, 5),
         {word(ip, 8), address(sp, 9), word(fp, 7)}},
        {"i386 frame pointer",
         kX86State,
         kX86,
         frame(2, 4 | 5 << 3),
         {address(sp, 12), word(fp, 10), word(ip, 11), word(VTCRASH_X86_EDI, 8), word(VTCRASH_X86_ESI, 9)}},
        {"arm64 frameless: the return address is in lr",
         kArm64State,
         kArm64,
         0x02004003,
         {constant(ip, kLinkRegister), address(sp, 8), word(x(22), 4), word(x(21), 5), word(x(20), 6), word(x(19), 7)}},
        {"arm64 frame record",
         kArm64State,
         kArm64,
         0x04000010,
         {address(sp, 12), word(fp, 10), word(ip, 11), word(x(28), 8), word(x(27), 9)}},
        {"frameless without a stack pointer",
         kX86_64State,
         kX86_64,
         frameless(5, 0, 0),
         {},
         VTCRASH_ERR_NOTFOUND,
         {sp}},
        {"frame pointer based without a frame pointer",
         kX86_64State,
         kX86_64,
         frame(2, 0),
         {},
         VTCRASH_ERR_NOTFOUND,
         {fp}},
        {"arm64 frameless without lr", kArm64State, kArm64, 0x02001000, {}, VTCRASH_ERR_NOTFOUND, {VTCRASH_ARM64_LR}},
        {"DWARF is left to the DWARF reader", kX86_64State, kX86_64, 0x04000010, {}, VTCRASH_ERR_NOTSUP},
        {"nothing known", kArm64State, kArm64, 0x00000000, {}, VTCRASH_ERR_NOTSUP},
        {"an x86_64 entry on an arm64 frame", kArm64State, kX86_64, frame(2, 0), {}, VTCRASH_ERR_INVAL},
        {"a frame record that would run past the top of memory",
         kX86_64State,
         kX86_64,
         frame(0, 0),
         {},
         VTCRASH_ERR_INVAL,
         {},
         UINT64_MAX - 8},
        {"a frame pointer into the first page", kX86_64State, kX86_64, frame(0, 0), {}, VTCRASH_ERR_NOTFOUND, {}, 0x10},
        {"code that cannot be read",
         kX86_64State,
         kX86_64,
         indirect(3, 1, 0, 0),
         {},
         VTCRASH_ERR_NOTFOUND,
         {},
         std::nullopt,
         true},
    };
    vtcrash_async_task task;
    ASSERT_EQ(vtcrash_async_task_init(&task), VTCRASH_OK);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        vtcrash_async_thread_state state;
        ASSERT_EQ(vtcrash_async_thread_state_init(&state, c.machine), VTCRASH_OK);
        const FakeStack stack(vtcrash_async_thread_state_get_greg_size(&state));
        const auto count = static_cast<uint32_t>(vtcrash_async_thread_state_get_reg_count(&state));
        for (uint32_t reg = 0; reg < count; ++reg) vtcrash_async_thread_state_set_reg(&state, reg, 0xa000 + reg);
        vtcrash_async_thread_state_set_reg(&state, sp, stack.at(0));
        vtcrash_async_thread_state_set_reg(&state, fp, c.frame_pointer.value_or(stack.at(10)));
        if (c.machine == kArm64State) vtcrash_async_thread_state_set_reg(&state, VTCRASH_ARM64_LR, kLinkRegister);
        for (const uint32_t reg : c.absent) vtcrash_async_thread_state_clear_reg(&state, reg);
        vtcrash_async_cfe_entry entry;
        ASSERT_EQ(vtcrash_async_cfe_entry_init(&entry, c.cpu, c.encoding), VTCRASH_OK);

        vtcrash_async_thread_state caller;
        const uint64_t function = c.unreadable_code ? 0 : uint64_t(code);
        ASSERT_EQ(vtcrash_async_cfe_entry_apply(&task, function, &state, &entry, &caller), c.error);
        if (c.error != VTCRASH_OK) continue;

        // What a call preserves stays as it was unless the frame restores it; the rest is gone.
        vtcrash_async_thread_state preserved = state;
        vtcrash_async_thread_state_clear_volatile_regs(&preserved);
        uint64_t wanted = 0;
        for (const Want& want : c.want) {
            const uint64_t expected = want.kind == Want::Address ? stack.at(want.n)
                                      : want.kind == Want::Word  ? FakeStack::val(want.n)
                                                                 : want.n;
            ASSERT_TRUE(vtcrash_async_thread_state_has_reg(&caller, want.reg)) << want.reg;
            EXPECT_EQ(vtcrash_async_thread_state_get_reg(&caller, want.reg), expected) << want.reg;
            wanted |= uint64_t{1} << want.reg;
        }
        EXPECT_EQ(caller.valid_regs, preserved.valid_regs | wanted);
        for (uint32_t reg = 0; reg < count; ++reg) {
            if ((wanted >> reg & 1) == 0 && vtcrash_async_thread_state_has_reg(&preserved, reg)) {
                EXPECT_EQ(vtcrash_async_thread_state_get_reg(&caller, reg),
                          vtcrash_async_thread_state_get_reg(&preserved, reg))
                    << reg;
            }
        }
        EXPECT_FALSE(caller.ip_is_exact);
    }
    vtcrash_async_task_free(&task);
}

}  // namespace

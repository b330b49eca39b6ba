#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "crash_capture/async/vtcrash_async_dwarf_unwind.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes operator+(Bytes left, const Bytes& right) {
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

struct Cie {
    std::string augmentation = "zR";
    Bytes augmentation_data = {DW_EH_PE_pcrel | DW_EH_PE_sdata4};
    Bytes instructions;
    uint8_t version = 1;
    uint8_t code_alignment = 1;
    uint8_t data_alignment = 0x78;  // SLEB128 -8
    uint8_t return_address = 16;
};

struct Fde {
    uint64_t start;
    uint64_t length;
    Bytes instructions;
    Bytes augmentation_data;
};

// A hand-assembled .eh_frame_hdr followed by .eh_frame with one CIE, as a linker lays
// them out (pc-relative FDE addresses, a data-relative search table), over made-up code
// addresses that are never executed.
class CfiImage {
public:
    CfiImage(const Cie& cie, const std::vector<Fde>& fdes) : storage_(1 << 16) {
        task_.reader = VTCRASH_TASK_READER_VM;
        vtcrash_async_task_init(&task_);
        const size_t hdr_size = 12 + 8 * fdes.size();
        size_t at = hdr_size;
        const size_t cie_at = at;
        at = writeCie(at, cie);
        std::vector<std::pair<uint64_t, size_t>> table;
        for (const Fde& fde : fdes) {
            table.emplace_back(code(fde.start), at);
            at = writeFde(at, fde, cie, cie_at);
        }
        at = put<uint32_t>(at, 0);

        storage_[0] = 1;
        storage_[1] = DW_EH_PE_pcrel | DW_EH_PE_sdata4;
        storage_[2] = DW_EH_PE_udata4;
        storage_[3] = DW_EH_PE_datarel | DW_EH_PE_sdata4;
        put<int32_t>(4, int32_t(hdr_size - 4));
        put<uint32_t>(8, uint32_t(fdes.size()));
        std::sort(table.begin(), table.end());
        for (size_t i = 0; i < table.size(); ++i) {
            put<int32_t>(12 + 8 * i, int32_t(table[i].first - address(0)));
            put<int32_t>(16 + 8 * i, int32_t(table[i].second));
        }
        vtcrash_async_mobject_init(&hdr_window_, &task_, address(0), hdr_size, true);
        vtcrash_async_mobject_init(&frame_window_, &task_, address(hdr_size), at - hdr_size, true);
        EXPECT_EQ(vtcrash_async_dwarf_eh_frame_hdr_init(&hdr_, &hdr_window_, vtcrash_async_byteorder_host(), true),
                  VTCRASH_OK);
        vtcrash_async_dwarf_frame_reader_init(&reader_, &frame_window_, vtcrash_async_byteorder_host(), true);
    }
    ~CfiImage() { vtcrash_async_task_free(&task_); }

    uint64_t code(uint64_t offset) const { return address(0) + 0x100000 + offset; }
    vtcrash_error_t unwind(const vtcrash_async_thread_state& state, vtcrash_async_thread_state* caller) const {
        return vtcrash_async_dwarf_unwind_frame(&reader_, &hdr_, &state, caller);
    }

private:
    uint64_t address(size_t at) const { return uint64_t(storage_.data() + at); }
    template <typename T>
    size_t put(size_t at, T value) {
        std::memcpy(&storage_[at], &value, sizeof value);
        return at + sizeof value;
    }
    size_t putBytes(size_t at, const Bytes& bytes) {
        std::copy(bytes.begin(), bytes.end(), storage_.begin() + at);
        return at + bytes.size();
    }
    size_t writeCie(size_t start, const Cie& cie) {
        size_t at = put<uint32_t>(start + 4, 0);
        at = putBytes(at, Bytes{cie.version} + Bytes(cie.augmentation.begin(), cie.augmentation.end()) + Bytes{0});
        at = putBytes(at, {cie.code_alignment, cie.data_alignment, cie.return_address});
        if (!cie.augmentation.empty()) {
            at = putBytes(at, Bytes{uint8_t(cie.augmentation_data.size())} + cie.augmentation_data);
        }
        at = putBytes(at, cie.instructions);
        put<uint32_t>(start, uint32_t(at - start - 4));
        return at;
    }
    size_t writeFde(size_t start, const Fde& fde, const Cie& cie, size_t cie_at) {
        size_t at = put<uint32_t>(start + 4, uint32_t(start + 4 - cie_at));
        if (cie.augmentation.find('R') != std::string::npos) {
            at = put<int32_t>(at, int32_t(code(fde.start) - address(at)));
            at = put<int32_t>(at, int32_t(fde.length));
        } else {
            at = put<uint64_t>(at, code(fde.start));
            at = put<uint64_t>(at, fde.length);
        }
        if (!cie.augmentation.empty()) {
            at = putBytes(at, Bytes{uint8_t(fde.augmentation_data.size())} + fde.augmentation_data);
        }
        at = putBytes(at, fde.instructions);
        put<uint32_t>(start, uint32_t(at - start - 4));
        return at;
    }

    std::vector<uint8_t> storage_;
    vtcrash_async_task task_{};
    vtcrash_async_mobject hdr_window_{};
    vtcrash_async_mobject frame_window_{};
    vtcrash_async_dwarf_eh_frame_hdr hdr_{};
    vtcrash_async_dwarf_frame_reader reader_{};
};

Cie cie(Bytes instructions, std::string augmentation = "zR", Bytes augmentation_data = {0x1b}, uint8_t version = 1) {
    Cie made;
    made.instructions = std::move(instructions);
    made.augmentation = std::move(augmentation);
    made.augmentation_data = std::move(augmentation_data);
    made.version = version;
    return made;
}

// code alignment 4, return address in x30.
Cie arm64Cie(Bytes instructions) {
    Cie made = cie(std::move(instructions));
    made.code_alignment = 4;
    made.return_address = 30;
    return made;
}

// What a case checks of the caller's registers; `other` is rbx on x86_64, lr on arm64.
struct Expected {
    explicit Expected(vtcrash_error_t expected_error = VTCRASH_OK) : error(expected_error) {}
    Expected& sp(uint64_t value) { return set(sp_, value); }
    Expected& ip(uint64_t value) { return set(ip_, value); }
    Expected& fp(uint64_t value) { return set(fp_, value); }
    Expected& other(uint64_t value) { return set(other_, value); }
    Expected& exact(bool value) {
        exact_ = value;
        return *this;
    }
    Expected& set(std::optional<uint64_t>& field, uint64_t value) {
        field = value;
        return *this;
    }
    vtcrash_error_t error;
    std::optional<uint64_t> sp_, ip_, fp_, other_;
    std::optional<bool> exact_;
};

// def_cfa rsp+8; the return address at CFA-8.
const Bytes kX86Entry = {0x0c, 0x07, 0x08, 0x90, 0x01};

Bytes sameValues(uint8_t first, size_t count) {
    Bytes rules;
    for (size_t reg = first; reg < first + count; ++reg) {
        rules = rules + (reg < 0x80 ? Bytes{0x08, uint8_t(reg)} : Bytes{0x08, uint8_t(reg | 0x80), uint8_t(reg >> 7)});
    }
    return rules;
}

TEST(AsyncDwarfUnwind, HandAssembledCallFrameInformationGivesTheCallersRegisters) {
    // The stack: word k holds 0x5000 + k; rsp points at word 8, so at(i) and val(i)
    // count words from rsp, below it too.
    uint64_t stack[32];
    for (uint64_t k = 0; k < 32; ++k) stack[k] = 0x5000 + k;
    auto at = [&](int i) { return uint64_t(&stack[8 + i]); };
    auto val = [&](int i) { return stack[8 + i]; };
    const uint64_t rbp = at(8);

    struct Case {
        const char* situation;
        Cie cie;
        std::vector<Fde> fdes;
        uint64_t pc;
        Expected expected;
        bool exact = true;
        uint32_t cpu = VTCRASH_CPU_X86_64;
    };
    const Cie entry = cie(kX86Entry);
    const auto one = [](Bytes instructions) { return std::vector<Fde>{{0, 0x20000, std::move(instructions), {}}}; };
    const Case cases[] = {
        {"at entry", entry, one({}), 0, Expected().sp(at(1)).ip(val(0)).fp(rbp).other(0xb0)},
        {"after advance_loc and push rbp", entry, one({0x41, 0x0e, 0x10, 0x86, 0x02}), 1,
         Expected().sp(at(2)).ip(val(1)).fp(val(0))},
        {"advance_loc1 not yet reached", entry, one({0x02, 0x10, 0x0e, 0x10}), 0x0f, Expected().sp(at(1))},
        {"advance_loc1, 2 and 4", entry,
         one({0x02, 0x10, 0x0e, 0x10, 0x03, 0x00, 0x01, 0x0e, 0x18, 0x04, 0x00, 0x00, 0x01, 0x00, 0x0e, 0x20}), 0x10110,
         Expected().sp(at(4)).ip(val(3))},
        {"def_cfa_register keeps the offset", entry, one({0x0d, 0x06}), 0, Expected().sp(rbp + 8).ip(val(8))},
        {"def_cfa_sf", entry, one({0x12, 0x06, 0x7e}), 0, Expected().sp(rbp + 16).ip(val(9))},
        {"def_cfa_offset_sf", entry, one({0x13, 0x7d}), 0, Expected().sp(at(3)).ip(val(2))},
        {"def_cfa_expression", entry, one({0x0f, 0x02, 0x77, 0x10}), 0, Expected().sp(at(2)).ip(val(1))},
        {"def_cfa_offset without a register CFA", cie({}), one({0x0e, 0x10}), 0, Expected(VTCRASH_ERR_INVAL)},
        {"offset_extended_sf", entry, one({0x11, 0x03, 0x7e}), 0, Expected().other(val(3))},
        {"val_offset_sf", entry, one({0x15, 0x03, 0x7f}), 0, Expected().other(at(2))},
        {"register", entry, one({0x09, 0x03, 0x0c}), 0, Expected().other(0xc0)},
        {"expression and val_expression start from the CFA", entry,
         one({0x10, 0x06, 0x02, 0x77, 0x00, 0x16, 0x03, 0x02, 0x23, 0x10}), 0, Expected().fp(val(0)).other(at(3))},
        {"restore returns to the CIE's rule", cie(kX86Entry + Bytes{0x86, 0x02}), one({0x41, 0x86, 0x03, 0x41, 0xc6}),
         2, Expected().fp(val(-1))},
        {"the overriding rule before restore", cie(kX86Entry + Bytes{0x86, 0x02}), one({0x41, 0x86, 0x03, 0x41, 0xc6}),
         1, Expected().fp(val(-2))},
        {"restore_extended of a register the CIE leaves alone", entry, one({0x41, 0x83, 0x02, 0x41, 0x06, 0x03}), 2,
         Expected().other(0xb0)},
        {"remember_state keeps the row", entry, one({0x41, 0x0e, 0x10, 0x0a, 0x41, 0x0e, 0x20, 0x41, 0x0b}), 2,
         Expected().sp(at(4)).ip(val(3))},
        {"restore_state returns to it", entry, one({0x41, 0x0e, 0x10, 0x0a, 0x41, 0x0e, 0x20, 0x41, 0x0b}), 3,
         Expected().sp(at(2)).ip(val(1))},
        {"restore_state at the first level", entry, one({0x0b}), 0, Expected(VTCRASH_ERR_INVAL)},
        {"five remember_states", entry, one(Bytes(5, 0x0a)), 0, Expected().sp(at(1))},
        {"a sixth remember_state", entry, one(Bytes(6, 0x0a)), 0, Expected(VTCRASH_ERR_NOMEM)},
        {"100 rules", cie(kX86Entry + sameValues(50, 99)), one({}), 0, Expected().ip(val(0))},
        {"a 101st rule", cie(kX86Entry + sameValues(50, 99)), one({0x08, 0x03}), 0, Expected(VTCRASH_ERR_NOMEM)},
        {"remember/restore pairs give their entries back", cie(kX86Entry + sameValues(50, 40)),
         one(Bytes{0x0a, 0x0b, 0x0a, 0x0b, 0x0a, 0x0b, 0x0a, 0x0b}), 0, Expected().ip(val(0))},
        {"an undefined return address", entry, one({0x07, 0x10}), 0, Expected(VTCRASH_ERR_INVAL)},
        {"a rule for a vector register", entry, one({0x91, 0x02}), 0, Expected().ip(val(0))},
        {"GNU_args_size", entry, one({0x2e, 0x10}), 0, Expected().ip(val(0))},
        {"an unknown opcode", entry, one({0x17}), 0, Expected(VTCRASH_ERR_NOTSUP)},
        {"personality, LSDA and augmentation data skipped",
         cie(kX86Entry, "zPLR", {0x00, 0x34, 0x12, 0, 0, 0, 0, 0, 0, 0x1b, 0x1b}),
         {{0, 0x100, {0x41, 0x0e, 0x10}, Bytes(8, 0x0b)}},
         1,
         Expected().sp(at(2)).ip(val(1))},
        {"a CIE without augmentation", cie(kX86Entry, "", {}), one({}), 0, Expected().ip(val(0))},
        {"a signal frame's caller is exact", cie(kX86Entry, "zRS"), one({}), 0, Expected().exact(true)},
        {"an ordinary caller is a return address", entry, one({}), 0, Expected().exact(false)},
        {"CIE version 2", cie(kX86Entry, "zR", {0x1b}, 2), one({}), 0, Expected(VTCRASH_ERR_INVAL)},
        {"augmentation eh", cie(kX86Entry, "eh", {}), one({}), 0, Expected(VTCRASH_ERR_NOTSUP)},
        {"a return address at the end of a function that called a noreturn one",
         entry,
         {{0x100, 0x10, {0x0e, 0x10}, {}}, {0x110, 0x10, {}, {}}},
         0x110,
         Expected().sp(at(2)).ip(val(1)),
         false},
        {"an exact pc there belongs to the next function",
         entry,
         {{0x100, 0x10, {0x0e, 0x10}, {}}, {0x110, 0x10, {}, {}}},
         0x110,
         Expected().sp(at(1)).ip(val(0))},
        {"pc_end is not covered",
         entry,
         {{0x100, 0x10, {}, {}}, {0x200, 0x10, {}, {}}},
         0x110,
         Expected(VTCRASH_ERR_NOTFOUND)},
        {"below the first FDE", entry, {{0x100, 0x10, {}, {}}}, 0xff, Expected(VTCRASH_ERR_NOTFOUND)},
        {"arm64 leaf: the caller is in lr", arm64Cie({0x0c, 0x1f, 0x00}), one({}), 0, Expected().sp(at(0)).ip(0x4444),
         true, VTCRASH_CPU_ARM64},
        {"arm64 frame record", arm64Cie({0x0c, 0x1f, 0x10}), one({0x9d, 0x02, 0x9e, 0x01}), 0,
         Expected().sp(at(2)).ip(val(1)).fp(val(0)).other(val(1)), true, VTCRASH_CPU_ARM64},
    };
    for (const Case& c : cases) {
        const CfiImage image(c.cie, c.fdes);
        vtcrash_async_thread_state state;
        vtcrash_async_thread_state_init(&state, c.cpu);
        const uint32_t other = c.cpu == VTCRASH_CPU_ARM64 ? VTCRASH_ARM64_LR : VTCRASH_X86_64_RBX;
        vtcrash_async_thread_state_set_reg(&state, VTCRASH_REG_IP, image.code(c.pc));
        vtcrash_async_thread_state_set_reg(&state, VTCRASH_REG_SP, at(0));
        vtcrash_async_thread_state_set_reg(&state, VTCRASH_REG_FP, rbp);
        vtcrash_async_thread_state_set_reg(&state, other, c.cpu == VTCRASH_CPU_ARM64 ? 0x4444 : 0xb0);
        vtcrash_async_thread_state_set_reg(&state, c.cpu == VTCRASH_CPU_ARM64 ? 15 : VTCRASH_X86_64_R12, 0xc0);
        state.ip_is_exact = c.exact;

        vtcrash_async_thread_state caller;
        ASSERT_EQ(image.unwind(state, &caller), c.expected.error) << c.situation;
        if (c.expected.error != VTCRASH_OK) continue;
        const auto reg = [&](uint32_t n) { return vtcrash_async_thread_state_get_reg(&caller, n); };
        EXPECT_EQ(c.expected.sp_.value_or(reg(VTCRASH_REG_SP)), reg(VTCRASH_REG_SP)) << c.situation;
        EXPECT_EQ(c.expected.ip_.value_or(reg(VTCRASH_REG_IP)), reg(VTCRASH_REG_IP)) << c.situation;
        EXPECT_EQ(c.expected.fp_.value_or(reg(VTCRASH_REG_FP)), reg(VTCRASH_REG_FP)) << c.situation;
        EXPECT_EQ(c.expected.other_.value_or(reg(other)), reg(other)) << c.situation;
        EXPECT_EQ(c.expected.exact_.value_or(caller.ip_is_exact), caller.ip_is_exact) << c.situation;
        // Registers that a call does not preserve are gone.
        EXPECT_FALSE(vtcrash_async_thread_state_has_reg(&caller, c.cpu == VTCRASH_CPU_ARM64 ? 3 : VTCRASH_X86_64_RAX));
    }
}

}  // namespace

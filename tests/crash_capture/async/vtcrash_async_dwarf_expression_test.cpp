#include <gtest/gtest.h>

#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

#include "crash_capture/async/vtcrash_async_dwarf_encoding.h"
#include "crash_capture/async/vtcrash_async_dwarf_expression.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes operator+(Bytes left, const Bytes& right) {
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

template <typename T>
Bytes le(T value) {
    Bytes bytes(sizeof value);
    std::memcpy(bytes.data(), &value, sizeof value);
    return bytes;
}

Bytes repeat(uint8_t op, size_t count) { return Bytes(count, op); }

struct Task {
    Task() { vtcrash_async_task_init(&task); }
    ~Task() { vtcrash_async_task_free(&task); }
    vtcrash_async_task task{};
};

// An address whose page cannot be read.
struct GuardPage {
    GuardPage() : address(::mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)) {}
    ~GuardPage() { ::munmap(address, 4096); }
    void* address;
};

template <typename W>
vtcrash_error_t evaluate(const Bytes& expression, const std::vector<W>& initial, W* result) {
    Task task;
    vtcrash_async_thread_state state;
    vtcrash_async_thread_state_init(&state, VTCRASH_CPU_X86_64);
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_REG_FP, 0x7000);
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_X86_64_RBX, 0x100);
    // One byte more than the expression, so that an empty one still has a window.
    const Bytes padded = expression + Bytes{0};
    vtcrash_async_mobject window;
    EXPECT_EQ(vtcrash_async_mobject_init(&window, &task.task, uint64_t(padded.data()), padded.size(), true),
              VTCRASH_OK);
    return vtcrash_async_dwarf_expression_eval<W>(&window, &task.task, &state, vtcrash_async_byteorder_host(),
                                                  uint64_t(padded.data()), 0, expression.size(), initial.data(),
                                                  initial.size(), result);
}

TEST(AsyncDwarfExpression, EvaluatesArithmeticStackOperatorsRegistersAndCheckedReads) {
    const uint64_t stored = 0x1122334455667788;
    GuardPage guard;
    const uint64_t at = uint64_t(&stored);
    const uint64_t unreadable = uint64_t(guard.address);
    struct Case {
        const char* situation;
        Bytes expression;
        std::vector<uint64_t> initial;
        vtcrash_error_t expected;
        uint64_t result;
    };
    const Case cases[] = {
        {"lit1 lit2 plus", {0x31, 0x32, 0x22}, {}, VTCRASH_OK, 3},
        {"5 - 7 wraps", {0x35, 0x37, 0x1c}, {}, VTCRASH_OK, uint64_t(-2)},
        {"signed division", {0x09, 0xf8, 0x32, 0x1b}, {}, VTCRASH_OK, uint64_t(-4)},
        {"the one quotient that overflows",
         Bytes{0x0e} + le(INT64_MIN) + Bytes{0x09, 0xff, 0x1b},
         {},
         VTCRASH_OK,
         uint64_t(INT64_MIN)},
        {"division by zero", {0x31, 0x30, 0x1b}, {}, VTCRASH_ERR_INVAL, 0},
        {"modulo by zero", {0x31, 0x30, 0x1d}, {}, VTCRASH_ERR_INVAL, 0},
        {"7 mod 3", {0x37, 0x33, 0x1d}, {}, VTCRASH_OK, 1},
        {"shr is logical", {0x09, 0xff, 0x31, 0x25}, {}, VTCRASH_OK, UINT64_MAX >> 1},
        {"shra keeps the sign", {0x09, 0xff, 0x31, 0x26}, {}, VTCRASH_OK, UINT64_MAX},
        {"shift counts wrap at the word", {0x31, 0x08, 65, 0x24}, {}, VTCRASH_OK, 2},
        {"comparisons are signed", {0x09, 0xff, 0x30, 0x2d}, {}, VTCRASH_OK, 1},
        {"rot over swap: 1 - 2", {0x31, 0x32, 0x33, 0x17, 0x14, 0x16, 0x1c}, {}, VTCRASH_OK, uint64_t(-1)},
        {"pick within the stack", {0x31, 0x32, 0x15, 0x01}, {}, VTCRASH_OK, 1},
        {"pick below the stack", {0x31, 0x15, 0x01}, {}, VTCRASH_ERR_INVAL, 0},
        {"drop of an empty stack", {0x13}, {}, VTCRASH_ERR_INVAL, 0},
        {"plus of an empty stack", {0x22}, {}, VTCRASH_ERR_INTERNAL, 0},
        {"the initial value", {0x23, 0x08}, {0x40}, VTCRASH_OK, 0x48},
        {"100 values fit", repeat(0x30, 99), {1}, VTCRASH_OK, 0},
        {"a 101st value does not", repeat(0x30, 101), {}, VTCRASH_ERR_INTERNAL, 0},
        {"nothing left", {}, {}, VTCRASH_ERR_INVAL, 0},
        {"bra taken", {0x31, 0x28, 0x01, 0x00, 0x32, 0x33}, {}, VTCRASH_OK, 3},
        {"bra not taken", {0x30, 0x28, 0x01, 0x00, 0x32, 0x33}, {}, VTCRASH_OK, 3},
        {"skip past the end", {0x2f, 0x05, 0x00}, {}, VTCRASH_ERR_INVAL, 0},
        {"skip back forever", {0x2f, 0xfd, 0xff}, {}, VTCRASH_ERR_INVAL, 0},
        {"operand cut by the end", {0x0c, 0x01, 0x02}, {}, VTCRASH_ERR_INVAL, 0},
        {"breg6 is rbp", {0x76, 0x10}, {}, VTCRASH_OK, 0x7010},
        {"bregx of rbx", {0x92, 0x03, 0x7f}, {}, VTCRASH_OK, 0xff},
        {"breg of an absent register", {0x70, 0x00}, {}, VTCRASH_ERR_NOTFOUND, 0},
        {"the return address column has no register", {0x92, 0x10, 0x00}, {}, VTCRASH_ERR_NOTSUP, 0},
        {"an unknown opcode", {0x07}, {}, VTCRASH_ERR_NOTSUP, 0},
        {"deref", Bytes{0x0e} + le(at) + Bytes{0x06}, {}, VTCRASH_OK, stored},
        {"deref_size 2", Bytes{0x0e} + le(at) + Bytes{0x94, 0x02}, {}, VTCRASH_OK, 0x7788},
        {"deref_size 3", Bytes{0x0e} + le(at) + Bytes{0x94, 0x03}, {}, VTCRASH_ERR_INVAL, 0},
        {"xderef drops the address space", Bytes{0x30, 0x0e} + le(at) + Bytes{0x18}, {}, VTCRASH_OK, stored},
        {"deref of an unreadable page", Bytes{0x0e} + le(unreadable) + Bytes{0x06}, {}, VTCRASH_ERR_NOTFOUND, 0},
    };
    for (const Case& c : cases) {
        uint64_t result = 0;
        EXPECT_EQ(evaluate<uint64_t>(c.expression, c.initial, &result), c.expected) << c.situation;
        if (c.expected == VTCRASH_OK) {
            EXPECT_EQ(result, c.result) << c.situation;
        }
    }
}

TEST(AsyncDwarfEncodedPointer, EveryFormatAndApplicationDecodes) {
    Task task;
    const uint64_t target = 0xabcdef0123456789;
    GuardPage guard;
    enum Base { kNone, kText, kData, kFunc, kSection };
    struct Case {
        const char* situation;
        uint8_t encoding;
        Bytes stored;
        // Where the value starts: the buffer is 8-aligned, so 3 tests alignment.
        size_t misalignment;
        Base base;
        vtcrash_error_t expected;
        // Added to the value's own address for pc-relative rows.
        bool relative_to_location;
        uint64_t value;
        uint64_t size;
    };
    const Case cases[] = {
        {"absptr", DW_EH_PE_absptr, le(uint64_t(0x1234)), 0, kNone, VTCRASH_OK, false, 0x1234, 8},
        {"uleb128", DW_EH_PE_uleb128, {0xe5, 0x8e, 0x26}, 0, kNone, VTCRASH_OK, false, 624485, 3},
        {"udata2", DW_EH_PE_udata2, le(uint16_t(0xfffe)), 0, kNone, VTCRASH_OK, false, 0xfffe, 2},
        {"udata4", DW_EH_PE_udata4, le(uint32_t(0xfffffffe)), 0, kNone, VTCRASH_OK, false, 0xfffffffe, 4},
        {"udata8", DW_EH_PE_udata8, le(uint64_t(7)), 0, kNone, VTCRASH_OK, false, 7, 8},
        {"sleb128", DW_EH_PE_sleb128, {0x7e}, 0, kNone, VTCRASH_OK, false, uint64_t(-2), 1},
        {"sdata2", DW_EH_PE_sdata2, le(int16_t(-2)), 0, kNone, VTCRASH_OK, false, uint64_t(-2), 2},
        {"sdata8", DW_EH_PE_sdata8, le(int64_t(-2)), 0, kNone, VTCRASH_OK, false, uint64_t(-2), 8},
        {"pc-relative sdata4", DW_EH_PE_pcrel | DW_EH_PE_sdata4, le(int32_t(-16)), 0, kNone, VTCRASH_OK, true,
         uint64_t(-16), 4},
        {"text-relative", DW_EH_PE_textrel | DW_EH_PE_udata2, le(uint16_t(5)), 0, kText, VTCRASH_OK, false, 0x1005, 2},
        {"text-relative without a base", DW_EH_PE_textrel | DW_EH_PE_udata2, le(uint16_t(5)), 0, kNone,
         VTCRASH_ERR_NOTSUP, false, 0, 0},
        {"data-relative", DW_EH_PE_datarel | DW_EH_PE_sdata4, le(int32_t(-1)), 0, kData, VTCRASH_OK, false, 0x1fff, 4},
        {"function-relative", DW_EH_PE_funcrel | DW_EH_PE_uleb128, {0x01}, 0, kFunc, VTCRASH_OK, false, 0x3001, 1},
        {"aligned", DW_EH_PE_aligned, Bytes(5, 0) + le(uint64_t(0x42)), 3, kSection, VTCRASH_OK, false, 0x42, 13},
        {"aligned without a section", DW_EH_PE_aligned, le(uint64_t(0x42)), 0, kNone, VTCRASH_ERR_NOTSUP, false, 0, 0},
        {"application 6", 0x60, le(uint64_t(1)), 0, kNone, VTCRASH_ERR_NOTSUP, false, 0, 0},
        {"format 5", 0x05, le(uint64_t(1)), 0, kNone, VTCRASH_ERR_NOTSUP, false, 0, 0},
        {"omitted", DW_EH_PE_omit, le(uint64_t(1)), 0, kNone, VTCRASH_ERR_NOTFOUND, false, 0, 0},
        {"indirect", DW_EH_PE_indirect | DW_EH_PE_absptr, le(uint64_t(&target)), 0, kNone, VTCRASH_OK, false, target,
         8},
        {"indirect through an unreadable page", DW_EH_PE_indirect | DW_EH_PE_absptr, le(uint64_t(guard.address)), 0,
         kNone, VTCRASH_ERR_NOTFOUND, false, 0, 0},
        {"cut by the window", DW_EH_PE_udata8, le(uint32_t(1)), 0, kNone, VTCRASH_ERR_INVAL, false, 0, 0},
    };
    for (const Case& c : cases) {
        alignas(8) uint8_t buffer[32] = {};
        std::memcpy(buffer + c.misalignment, c.stored.data(), c.stored.size());
        const uint64_t location = uint64_t(buffer) + c.misalignment;
        vtcrash_async_mobject window;
        vtcrash_async_mobject_init(&window, &task.task, location, c.stored.size(), true);
        gnu_ehptr_reader<uint64_t> reader(vtcrash_async_byteorder_host());
        if (c.base == kText) reader.set_text_base(0x1000);
        if (c.base == kData) reader.set_data_base(0x2000);
        if (c.base == kFunc) reader.set_func_base(0x3000);
        if (c.base == kSection) reader.set_frame_section_base(uint64_t(buffer), 0x10000);
        uint64_t value = 0;
        uint64_t size = 0;
        EXPECT_EQ(reader.read(&window, location, 0, c.encoding, &value, &size), c.expected) << c.situation;
        if (c.expected != VTCRASH_OK) continue;
        EXPECT_EQ(value, c.value + (c.relative_to_location ? location : 0)) << c.situation;
        EXPECT_EQ(size, c.size) << c.situation;
    }
}

}  // namespace

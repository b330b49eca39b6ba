#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "crash_capture/async/macho_image_builder_support.h"
#include "crash_capture/async/unwind_info_builder_support.h"
#include "crash_capture/async/vtcrash_async_dwarf_encoding.h"
#include "crash_capture/async/vtcrash_frame_cursor.h"

namespace {

using vlt::testing::buildUnwindInfo;
using vlt::testing::MachOImageBuilder;
using vlt::testing::UnwindInfoPageKind;
using vlt::testing::UnwindInfoTable;

constexpr uint64_t kText = 0x100000000;
constexpr uint64_t kUnwindInfo = kText + 0x800;
constexpr uint64_t kEhFrame = kText + 0xa00;

// Functions (offsets from the header) and what describes each.
constexpr uint32_t kCompactAndDwarf = 0x1000;  // a frameless entry; an FDE says otherwise
constexpr uint32_t kCompactNamesFde = 0x1100;  // a DWARF entry naming the second of two FDEs
constexpr uint32_t kNoCompactEntry = 0x1200;   // encoding 0; an FDE
constexpr uint32_t kNothing = 0x1300;          // past the table's end; no FDE
constexpr uint32_t kTableEnd = 0x1300;
constexpr uint32_t kFunctionSize = 0x100;

// x86_64 call frame information as a Mach-O linker writes __eh_frame: one CIE (CFA at
// rsp + 8, the return address just below it, pc-relative FDE addresses), then FDEs whose
// only instruction sets the CFA's offset from rsp.
class EhFrame {
public:
    explicit EhFrame(uint64_t address) : address_(address) {
        const size_t start = bytes_.size();
        put<uint32_t>(0);
        put<uint32_t>(0);  // CIE id
        bytes_.insert(bytes_.end(),
                      {1, 'z', 'R', 0, 1, 0x78 /* -8 */, 16 /* rip */, 1, DW_EH_PE_pcrel | DW_EH_PE_sdata4});
        bytes_.insert(bytes_.end(), {0x0c, 7, 8 /* def_cfa rsp, 8 */, 0x90, 1 /* rip at cfa - 8 */, 0, 0});
        finish(start);
    }
    // The FDE's offset in the section.
    uint32_t addFde(uint64_t function, uint64_t size, uint8_t cfa_offset) {
        const size_t start = bytes_.size();
        put<uint32_t>(0);
        put<uint32_t>(static_cast<uint32_t>(bytes_.size()));  // back to the CIE at 0
        put<int32_t>(static_cast<int32_t>(function - (address_ + bytes_.size())));
        put<uint32_t>(static_cast<uint32_t>(size));
        bytes_.insert(bytes_.end(), {0, 0x0e, cfa_offset /* def_cfa_offset */, 0});
        finish(start);
        return static_cast<uint32_t>(start);
    }
    std::vector<uint8_t> bytes() const {
        std::vector<uint8_t> section = bytes_;
        section.insert(section.end(), 4, 0);  // the terminating zero length
        return section;
    }

private:
    template <typename T>
    void put(T value) {
        const size_t at = bytes_.size();
        bytes_.resize(at + sizeof value);
        std::memcpy(&bytes_[at], &value, sizeof value);
    }
    void finish(size_t start) {
        const auto length = static_cast<uint32_t>(bytes_.size() - start - 4);
        std::memcpy(&bytes_[start], &length, sizeof length);
    }
    uint64_t address_;
    std::vector<uint8_t> bytes_;
};

// The image above, listed as a loaded object.
struct TableImage {
    TableImage() {
        vtcrash_async_task_init(&task);
        vtcrash_async_image_list_init(&list, &task);
        image.addSegment("__TEXT", kText, 0x2000);
        image.addSection("__TEXT", "__text", kText + kCompactAndDwarf, 4 * kFunctionSize);
        const uint32_t compactNamesFde = 0x04000000;  // mode 4; the FDE offset is or'ed in
        EhFrame frames(image.at(kEhFrame));
        frames.addFde(image.at(kText + kCompactAndDwarf), kFunctionSize, 32);
        frames.addFde(image.at(kText + kCompactNamesFde), kFunctionSize, 24);
        const uint32_t named = frames.addFde(image.at(kText + kCompactNamesFde), kFunctionSize, 40);
        frames.addFde(image.at(kText + kNoCompactEntry), kFunctionSize, 48);
        const UnwindInfoTable table = {
            {},
            {{UnwindInfoPageKind::Regular,
              {{kCompactAndDwarf, 0x02000000 | (2 << 16)}, {kCompactNamesFde, compactNamesFde | named}}},
             {UnwindInfoPageKind::Compressed, {{kNoCompactEntry, 0}}}},
            kTableEnd,
        };
        image.addSection("__TEXT", "__unwind_info", kUnwindInfo, buildUnwindInfo(table).bytes);
        image.addSection("__TEXT", "__eh_frame", kEhFrame, frames.bytes());
        image.finish();
        EXPECT_EQ(vtcrash_async_image_list_append_at(&list, image.base(), "table image"), VTCRASH_OK);
    }
    ~TableImage() { vtcrash_async_image_list_free(&list); }
    TableImage(const TableImage&) = delete;
    TableImage& operator=(const TableImage&) = delete;

    vtcrash_async_task task{};
    vtcrash_async_image_list list{};
    MachOImageBuilder image;
};

// A stack whose every word tells where it lies: word i holds 0x10000 + 0x100 * i.
struct MarkedStack {
    MarkedStack() {
        for (uint64_t index = 0; index < 32; ++index) words[index] = word(index);
    }
    static uint64_t word(uint64_t index) { return 0x10000 + 0x100 * index; }
    uint64_t at(uint64_t index) const { return uint64_t(&words[index]); }
    uint64_t words[32];
};

#if defined(__x86_64__)

// The caller of a frame stopped at `ip` (exact, as a fault leaves it), with rsp at word 4
// and rbp at word 12 of the stack.
struct Step {
    vtcrash_frame_error_t result;
    uint64_t ip;
    uint64_t sp;
};
Step step(TableImage& table, const MarkedStack& stack, uint64_t ip, vtcrash_frame_unwind_cache* cache) {
    vtcrash_async_thread_state state;
    vtcrash_async_thread_state_init(&state, VTCRASH_CPU_X86_64);
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_REG_IP, ip);
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_REG_SP, stack.at(4));
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_REG_FP, stack.at(12));
    state.ip_is_exact = true;
    vtcrash_frame_cursor cursor;
    vtcrash_frame_cursor_init(&cursor, &table.task, &state, &table.list);
    cursor.unwind_cache = cache;
    vtcrash_frame_cursor_next(&cursor);
    Step taken = {vtcrash_frame_cursor_next(&cursor), 0, 0};
    vtcrash_frame_cursor_get_reg(&cursor, VTCRASH_REG_IP, &taken.ip);
    vtcrash_frame_cursor_get_reg(&cursor, VTCRASH_REG_SP, &taken.sp);
    return taken;
}

// The first reader that knows the function decides: the compact entry over an FDE that
// also covers it, the FDE a DWARF entry names over an earlier one a search would find,
// call frame information where the compact table has nothing, and the frame-pointer chain
// where nothing describes the function at all.
TEST(VTCrashFrameCursorMachO, EachFunctionIsUnwoundByTheFirstReaderThatDescribesIt) {
    TableImage table;
    const MarkedStack stack;
    struct Case {
        const char* situation;
        uint32_t function;
        uint64_t ip_word;  // the return address's word
        uint64_t sp_word;  // where the caller's stack pointer stands, 0: none
    };
    const Case cases[] = {
        {"a frameless entry of 16 bytes, not the FDE's 32", kCompactAndDwarf, 5, 6},
        {"the FDE the entry names (CFA + 40), not the first that covers the pc (+ 24)", kCompactNamesFde, 8, 9},
        {"an entry without unwind information: the FDE (+ 48)", kNoCompactEntry, 9, 10},
        {"neither: the frame record at rbp", kNothing, 13, 14},
    };
    vtcrash_frame_unwind_cache cache;
    vtcrash_frame_unwind_cache_init(&cache);
    for (vtcrash_frame_unwind_cache* withCache : {static_cast<vtcrash_frame_unwind_cache*>(nullptr), &cache}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.situation) + (withCache ? ", cached" : ""));
            const Step taken = step(table, stack, table.image.at(kText + c.function + 4), withCache);
            ASSERT_EQ(taken.result, VTCRASH_FRAME_OK);
            EXPECT_EQ(taken.ip, MarkedStack::word(c.ip_word));
            EXPECT_EQ(taken.sp, stack.at(c.sp_word));
        }
    }
    // The image's tables were opened once for all four.
    ASSERT_EQ(cache.count, 1u);
    EXPECT_EQ(cache.entries[0].compact_status, VTCRASH_FRAME_OK);
    EXPECT_TRUE(cache.entries[0].usable);
    EXPECT_FALSE(cache.entries[0].has_index);
}

// A call through a wild pointer made from the image's code: nothing ran at the target, so
// the return address the call left on top of the stack names the caller in the image.
TEST(VTCrashFrameCursorMachO, AWildCallFromTheImageReturnsIntoIt) {
    TableImage table;
    MarkedStack stack;
    const uint64_t returnAddress = table.image.at(kText + kCompactAndDwarf + 8);
    stack.words[4] = returnAddress;
    const Step taken = step(table, stack, 0x1234, nullptr);
    ASSERT_EQ(taken.result, VTCRASH_FRAME_OK);
    EXPECT_EQ(taken.ip, returnAddress);
    EXPECT_EQ(taken.sp, stack.at(5));
}

#endif

// A Mach-O image is looked up by its __TEXT range, from its header on.
TEST(VTCrashFrameCursorMachO, TheImageHoldsItsTextSegmentOnly) {
    TableImage table;
    const uint64_t header = table.image.base();
    EXPECT_NE(vtcrash_async_image_list_image_containing_address(&table.list, header), nullptr);
    EXPECT_NE(vtcrash_async_image_list_image_containing_address(&table.list, header + 0x1fff), nullptr);
    EXPECT_EQ(vtcrash_async_image_list_image_containing_address(&table.list, header + 0x2000), nullptr);
    EXPECT_EQ(vtcrash_async_image_list_image_containing_address(&table.list, header - 1), nullptr);
}

}  // namespace

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "crash_capture/async/unwind_info_builder_support.h"
#include "crash_capture/async/vtcrash_async_cfe_entry.h"
#include "crash_capture/async/vtcrash_async_cfe_reader.h"

namespace {

using vlt::testing::buildUnwindInfo;
using vlt::testing::UnwindInfoFunction;
using vlt::testing::UnwindInfoPage;
using vlt::testing::UnwindInfoPageKind;
using vlt::testing::UnwindInfoSection;
using vlt::testing::UnwindInfoTable;

// A section in our own memory, read through a window as the cursor reads an image's.
class SectionReader {
public:
    explicit SectionReader(std::vector<uint8_t> bytes, uint32_t cpu = VTCRASH_MACHO_CPU_TYPE_X86_64,
                           size_t window = SIZE_MAX)
        : bytes_(std::move(bytes)) {
        vtcrash_async_task_init(&task_);
        vtcrash_async_mobject_init(&window_, &task_, uint64_t(bytes_.data()), std::min(window, bytes_.size()), true);
        opened_ = vtcrash_async_cfe_reader_init(&reader_, &window_, cpu);
    }
    SectionReader(const SectionReader&) = delete;
    SectionReader& operator=(const SectionReader&) = delete;
    ~SectionReader() {
        vtcrash_async_cfe_reader_free(&reader_);
        vtcrash_async_mobject_free(&window_);
        vtcrash_async_task_free(&task_);
    }

    vtcrash_error_t opened() const { return opened_; }
    const vtcrash_async_task* task() const { return &task_; }
    vtcrash_error_t lookup(uint64_t pc, uint64_t* base, uint32_t* encoding) const {
        return vtcrash_async_cfe_reader_find_pc(&reader_, pc, base, encoding);
    }
    // "function base:encoding" in hex, or the error's text.
    std::string find(uint64_t pc) const {
        uint64_t base = 0;
        uint32_t encoding = 0;
        const vtcrash_error_t result = lookup(pc, &base, &encoding);
        return result == VTCRASH_OK ? found(base, encoding) : vtcrash_async_strerror(result);
    }
    static std::string found(uint64_t base, uint32_t encoding) {
        char text[40];
        std::snprintf(text, sizeof text, "%llx:%08x", static_cast<unsigned long long>(base), encoding);
        return text;
    }

private:
    std::vector<uint8_t> bytes_;
    vtcrash_async_task task_{};
    vtcrash_async_mobject window_{};
    vtcrash_async_cfe_reader reader_{};
    vtcrash_error_t opened_ = VTCRASH_ERR_UNKNOWN;
};

template <typename T>
void patch(UnwindInfoSection& section, uint32_t at, T value) {
    std::memcpy(&section.bytes[at], &value, sizeof value);
}

const std::string kNotFound = vtcrash_async_strerror(VTCRASH_ERR_NOTFOUND);
const std::string kInvalid = vtcrash_async_strerror(VTCRASH_ERR_INVAL);

// Two pages: a regular one, then a compressed one whose encodings are partly common.
UnwindInfoTable twoPages() {
    return {{0x02010000},
            {{UnwindInfoPageKind::Regular, {{0x1000, 0x01000000}, {0x1040, 0x02020000}}},
             {UnwindInfoPageKind::Compressed, {{0x2000, 0x02010000}, {0x2010, 0x04000123}, {0x2080, 0x02030000}}}},
            0x3000};
}

TEST(AsyncCfeReader, TheHeaderIsCheckedWhenTheReaderOpens) {
    const std::vector<uint8_t> valid = buildUnwindInfo(twoPages()).bytes;
    std::vector<uint8_t> version2 = valid;
    version2[0] = 2;
    const struct {
        const char* situation;
        std::vector<uint8_t> bytes;
        uint32_t cpu;
        size_t window;
        vtcrash_error_t expected;
    } cases[] = {
        {"x86_64", valid, VTCRASH_MACHO_CPU_TYPE_X86_64, SIZE_MAX, VTCRASH_OK},
        {"i386", valid, VTCRASH_MACHO_CPU_TYPE_X86, SIZE_MAX, VTCRASH_OK},
        {"arm64", valid, VTCRASH_MACHO_CPU_TYPE_ARM64, SIZE_MAX, VTCRASH_OK},
        {"32-bit ARM", valid, 12, SIZE_MAX, VTCRASH_ERR_NOTSUP},
        {"version 2", version2, VTCRASH_MACHO_CPU_TYPE_X86_64, SIZE_MAX, VTCRASH_ERR_NOTSUP},
        {"a window one byte short of the header", valid, VTCRASH_MACHO_CPU_TYPE_X86_64, 27, VTCRASH_ERR_INVAL},
    };
    for (const auto& c : cases) {
        const SectionReader reader(c.bytes, c.cpu, c.window);
        EXPECT_EQ(reader.opened(), c.expected) << c.situation;
    }
}

TEST(AsyncCfeReader, EveryPcFindsTheFunctionALinearScanFinds) {
    // Tables of one to three pages of one to seven functions, regular and compressed
    // pages alternating, at uneven distances; every pc from just below the first function
    // to just past the sentinel is looked up.
    for (uint32_t pages = 1; pages <= 3; ++pages) {
        for (uint32_t per_page = 1; per_page <= 7; ++per_page) {
            for (const bool compressed_first : {false, true}) {
                UnwindInfoTable table;
                std::vector<UnwindInfoFunction> all;
                uint32_t offset = 0x400;
                for (uint32_t page = 0; page < pages; ++page) {
                    const bool compressed = (page % 2 == 0) == compressed_first;
                    UnwindInfoPage made{compressed ? UnwindInfoPageKind::Compressed : UnwindInfoPageKind::Regular, {}};
                    for (uint32_t index = 0; index < per_page; ++index) {
                        const auto number = static_cast<uint32_t>(all.size());
                        const uint32_t encoding = 0x02000000 | number << 16;
                        // Every third encoding is common, the others the pages' own.
                        if (number % 3 == 0) table.common_encodings.push_back(encoding);
                        made.functions.push_back({offset, encoding});
                        all.push_back({offset, encoding});
                        offset += 4 + 8 * (number % 3);
                    }
                    table.pages.push_back(made);
                }
                table.end_offset = offset;
                const SectionReader reader(buildUnwindInfo(table).bytes);
                ASSERT_EQ(reader.opened(), VTCRASH_OK);

                for (uint64_t pc = all.front().offset - 2; pc < table.end_offset + 2; ++pc) {
                    std::string expected = kNotFound;
                    for (const UnwindInfoFunction& function : all) {
                        if (function.offset <= pc && pc < table.end_offset) {
                            expected = SectionReader::found(function.offset, function.encoding);
                        }
                    }
                    ASSERT_EQ(reader.find(pc), expected)
                        << pages << " pages of " << per_page << ", pc " << std::hex << pc;
                }
            }
        }
    }
}

TEST(AsyncCfeReader, TablesThatDescribeNothingOrPointOutsideTheWindow) {
    const auto first = [](const UnwindInfoSection& section) { return section.page_offsets[0]; };
    const auto second = [](const UnwindInfoSection& section) { return section.page_offsets[1]; };
    // The header's fields and the first-level entries of twoPages().
    constexpr uint32_t kCommonCount = 8;
    constexpr uint32_t kIndexCount = 24;
    constexpr uint32_t kFirstIndexEntry = 32;
    const struct {
        const char* situation;
        UnwindInfoTable table;
        std::function<void(UnwindInfoSection&)> change;
        uint64_t pc;
        std::string expected;
    } cases[] = {
        {"only the sentinel", {{}, {}, 0x3000}, nullptr, 0x1000, kNotFound},
        {"a page without entries",
         {{}, {{UnwindInfoPageKind::Regular, {}, 0x1000}}, 0x3000},
         nullptr,
         0x1000,
         kNotFound},
        {"a compressed page without entries",
         {{}, {{UnwindInfoPageKind::Compressed, {}, 0x1000}}, 0x3000},
         nullptr,
         0x1000,
         kNotFound},
        {"a page of an unknown kind", twoPages(), [&](UnwindInfoSection& s) { patch<uint32_t>(s, first(s), 4); },
         0x1000, kInvalid},
        {"a compressed entry's index past both encoding arrays", twoPages(),
         // One common encoding and two of the page's own: index 3 names none.
         [&](UnwindInfoSection& s) { s.bytes[second(s) + 12 + 4 * 1 + 3] = 3; }, 0x2010, kInvalid},
        {"the last index of the page's own encodings", twoPages(),
         [&](UnwindInfoSection& s) { s.bytes[second(s) + 12 + 4 * 1 + 3] = 2; }, 0x2010,
         SectionReader::found(0x2010, 0x02030000)},
        {"common encodings past the window", twoPages(),
         [&](UnwindInfoSection& s) { patch<uint32_t>(s, kCommonCount, 0x10000); }, 0x1000, kInvalid},
        {"first-level entries past the window", twoPages(),
         [&](UnwindInfoSection& s) { patch<uint32_t>(s, kIndexCount, 0x1000); }, 0x1000, kInvalid},
        {"a page past the window", twoPages(),
         [&](UnwindInfoSection& s) { patch<uint32_t>(s, kFirstIndexEntry + 4, 0x10000); }, 0x1000, kInvalid},
        {"page entries past the window", twoPages(),
         [&](UnwindInfoSection& s) { patch<uint16_t>(s, second(s) + 6, 0x1000); }, 0x2000, kInvalid},
    };
    for (const auto& c : cases) {
        UnwindInfoSection section = buildUnwindInfo(c.table);
        if (c.change) c.change(section);
        const SectionReader reader(section.bytes);
        ASSERT_EQ(reader.opened(), VTCRASH_OK) << c.situation;
        EXPECT_EQ(reader.find(c.pc), c.expected) << c.situation;
    }
}

TEST(AsyncCfeReader, AFunctionFoundInTheTableUnwindsItsFrame) {
    // A frameless x86_64 function with a 24-byte stack, the return address included, that
    // saved rbx; found in a compressed page as the cursor finds it, from its image's header.
    constexpr uint32_t kEncoding = 0x02000000 | 3 << 16 | 1 << 10 | 0;
    const uint64_t stack[4] = {0x1111, 0xb0b0, 0x7000, 0x2222};
    const uint8_t image[0x40] = {};
    const uint64_t header = uint64_t(image);
    const SectionReader reader(
        buildUnwindInfo({{}, {{UnwindInfoPageKind::Compressed, {{0x10, 0x01000000}, {0x20, kEncoding}}}}, 0x40}).bytes);
    uint64_t base = 0;
    uint32_t encoding = 0;
    ASSERT_EQ(reader.lookup(0x2c, &base, &encoding), VTCRASH_OK);
    EXPECT_EQ(base, 0x20u);

    vtcrash_async_cfe_entry entry;
    ASSERT_EQ(vtcrash_async_cfe_entry_init(&entry, VTCRASH_MACHO_CPU_TYPE_X86_64, encoding), VTCRASH_OK);
    vtcrash_async_thread_state state;
    vtcrash_async_thread_state_init(&state, VTCRASH_CPU_X86_64);
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_REG_IP, header + 0x2c);
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_REG_SP, uint64_t(&stack[0]));
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_X86_64_RBX, 0x3333);
    vtcrash_async_thread_state caller;
    ASSERT_EQ(vtcrash_async_cfe_entry_apply(reader.task(), header + base, &state, &entry, &caller), VTCRASH_OK);
    EXPECT_EQ(vtcrash_async_thread_state_get_reg(&caller, VTCRASH_REG_IP), 0x7000u);
    EXPECT_EQ(vtcrash_async_thread_state_get_reg(&caller, VTCRASH_REG_SP), uint64_t(&stack[3]));
    EXPECT_EQ(vtcrash_async_thread_state_get_reg(&caller, VTCRASH_X86_64_RBX), 0xb0b0u);
}

}  // namespace

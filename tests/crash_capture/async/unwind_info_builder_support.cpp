#include "crash_capture/async/unwind_info_builder_support.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace vlt::testing {

namespace {

constexpr uint32_t kVersion = 1;
constexpr uint32_t kHeaderSize = 28;
constexpr uint32_t kIndexEntrySize = 12;
constexpr uint32_t kRegularKind = 2;
constexpr uint32_t kCompressedKind = 3;
constexpr uint32_t kRegularHeaderSize = 8;
constexpr uint32_t kCompressedHeaderSize = 12;
constexpr uint32_t kCompressedOffsetLimit = 1u << 24;
constexpr uint32_t kEncodingIndexLimit = 256;

class Writer {
public:
    uint32_t size() const { return static_cast<uint32_t>(bytes_.size()); }
    template <typename T>
    void put(T value) {
        const auto at = bytes_.size();
        bytes_.resize(at + sizeof value);
        std::memcpy(&bytes_[at], &value, sizeof value);
    }
    template <typename T>
    void putAt(uint32_t at, T value) {
        std::memcpy(&bytes_[at], &value, sizeof value);
    }
    std::vector<uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

uint16_t narrow16(uint32_t value) {
    if (value > UINT16_MAX) throw std::invalid_argument("an unwind page field exceeds 16 bits");
    return static_cast<uint16_t>(value);
}

void writeRegularPage(Writer& out, const UnwindInfoPage& page) {
    out.put(kRegularKind);
    out.put(narrow16(kRegularHeaderSize));
    out.put(narrow16(static_cast<uint32_t>(page.functions.size())));
    for (const UnwindInfoFunction& function : page.functions) {
        out.put(function.offset);
        out.put(function.encoding);
    }
}

void writeCompressedPage(Writer& out, const UnwindInfoPage& page, uint32_t base, const std::vector<uint32_t>& common) {
    std::vector<uint32_t> own;
    std::vector<uint32_t> entries;
    for (const UnwindInfoFunction& function : page.functions) {
        const auto in_common = std::find(common.begin(), common.end(), function.encoding);
        uint32_t index = static_cast<uint32_t>(in_common - common.begin());
        if (in_common == common.end()) {
            const auto in_own = std::find(own.begin(), own.end(), function.encoding);
            index = static_cast<uint32_t>(common.size() + (in_own - own.begin()));
            if (in_own == own.end()) own.push_back(function.encoding);
        }
        if (index >= kEncodingIndexLimit) throw std::invalid_argument("too many encodings for a compressed page");
        if (function.offset < base || function.offset - base >= kCompressedOffsetLimit) {
            throw std::invalid_argument("a compressed page's function lies out of its reach");
        }
        entries.push_back(index << 24 | (function.offset - base));
    }
    const auto count = static_cast<uint32_t>(entries.size());
    out.put(kCompressedKind);
    out.put(narrow16(kCompressedHeaderSize));
    out.put(narrow16(count));
    out.put(narrow16(kCompressedHeaderSize + 4 * count));
    out.put(narrow16(static_cast<uint32_t>(own.size())));
    for (const uint32_t entry : entries) out.put(entry);
    for (const uint32_t encoding : own) out.put(encoding);
}

}  // namespace

UnwindInfoSection buildUnwindInfo(const UnwindInfoTable& table) {
    const auto common_count = static_cast<uint32_t>(table.common_encodings.size());
    const auto page_count = static_cast<uint32_t>(table.pages.size());
    const uint32_t common_offset = kHeaderSize;
    const uint32_t index_offset = common_offset + 4 * common_count;
    const uint32_t lsda_offset = index_offset + kIndexEntrySize * (page_count + 1);

    Writer out;
    for (const uint32_t field :
         {kVersion, common_offset, common_count, index_offset, 0u, index_offset, page_count + 1}) {
        out.put(field);
    }
    for (const uint32_t encoding : table.common_encodings) out.put(encoding);
    for (uint32_t index = 0; index <= page_count; ++index) {
        out.put(uint32_t{0});
        out.put(uint32_t{0});
        out.put(lsda_offset);
    }

    UnwindInfoSection section;
    for (uint32_t index = 0; index < page_count; ++index) {
        const UnwindInfoPage& page = table.pages[index];
        if (!page.index_offset && page.functions.empty()) throw std::invalid_argument("an empty page needs its offset");
        const uint32_t base = page.index_offset.value_or(page.functions.empty() ? 0 : page.functions.front().offset);
        const uint32_t at = out.size();
        section.page_offsets.push_back(at);
        out.putAt(index_offset + index * kIndexEntrySize, base);
        out.putAt(index_offset + index * kIndexEntrySize + 4, at);
        if (page.kind == UnwindInfoPageKind::Regular) {
            writeRegularPage(out, page);
        } else {
            writeCompressedPage(out, page, base, table.common_encodings);
        }
    }
    out.putAt(index_offset + page_count * kIndexEntrySize, table.end_offset);
    section.bytes = out.take();
    return section;
}

}  // namespace vlt::testing

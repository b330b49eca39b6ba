#include "foundation/lowercase_hex.h"

namespace vlt {

namespace {

template <typename Unit>
bool isLowercaseHexDigit(Unit unit) {
    return (unit >= 0x30 && unit <= 0x39) || (unit >= 0x61 && unit <= 0x66);
}

constexpr std::size_t kIdentifierLength = 32;

}  // namespace

bool containsNonLowercaseHexDigit(std::string_view text) {
    for (char unit : text) {
        if (!isLowercaseHexDigit(static_cast<unsigned char>(unit))) return true;
    }
    return false;
}

bool containsNonLowercaseHexDigit(const QString& text) {
    for (QChar unit : text) {
        if (!isLowercaseHexDigit(unit.unicode())) return true;
    }
    return false;
}

bool isLowercaseHexIdentifier(std::string_view text) {
    return text.size() == kIdentifierLength && !containsNonLowercaseHexDigit(text);
}

}  // namespace vlt

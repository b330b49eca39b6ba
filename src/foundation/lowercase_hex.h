#pragma once

#include <string_view>

#include <QString>

namespace vlt {

// True when the text holds anything but the digits 0-9 and the letters a-f
// (upper-case letters and non-ASCII characters included); false for the empty text.
// Identifier checks pair it with a length test: exactly 32 characters, and false here.
bool containsNonLowercaseHexDigit(std::string_view text);
bool containsNonLowercaseHexDigit(const QString& text);

// The form of every identifier sent to the services: exactly 32 characters of 0-9 and a-f.
bool isLowercaseHexIdentifier(std::string_view text);

}  // namespace vlt

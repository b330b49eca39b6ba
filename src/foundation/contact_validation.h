#pragma once

#include <QString>

namespace vlt {

// The checks that the contact fields must pass before they are kept, shown or sent.
// Both accept the empty text: an empty field is a valid field.

// One "@" between a non-empty local part and a domain of at least two labels made of
// letters, digits and "-" (any script); at most 254 characters, no blanks or breaks.
bool isValidContactEmail(const QString& text);

// An "http" or "https" address whose host is a numeric IPv4 address, an IPv6 literal
// or at least two labels besides a leading "www."; at most 500 characters, no blanks
// or breaks. Port, path, query and fragment are not judged.
bool isValidContactWebsite(const QString& text);

}  // namespace vlt

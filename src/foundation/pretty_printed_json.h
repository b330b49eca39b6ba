#pragma once

#include <string>

#include <nlohmann/json_fwd.hpp>

namespace vlt {

// Writes JSON in the fixed layout of the settings file: two-blank indentation, one
// key or element per line, " : " between key and value, keys in byte order in every
// object, "/" escaped as "\/", other characters below U+0020 escaped, everything else
// as UTF-8; empty containers keep an empty line ("[\n\n  ]"); no final line break.
std::string prettyPrintedJson(const nlohmann::json& value);

}  // namespace vlt

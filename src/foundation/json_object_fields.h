#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

#include "base/result.h"

namespace vlt {

// Strict reading of small JSON records (identity files, service replies): every key
// asked for must be present, not null and of its type, or the read fails with a
// DecodingError that names the key. Keys nobody asks for are ignored.

// The bytes as one JSON object; anything else (not JSON, an array, a number) fails.
Result<nlohmann::json> parseJsonObject(std::string_view bytes);

Result<bool> requiredJsonBool(const nlohmann::json& object, const char* key);
Result<std::string> requiredJsonString(const nlohmann::json& object, const char* key);
// A whole number; 1.0 counts as 1, 1.5 does not.
Result<std::int64_t> requiredJsonInteger(const nlohmann::json& object, const char* key);

}  // namespace vlt

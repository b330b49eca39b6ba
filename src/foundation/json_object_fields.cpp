#include "foundation/json_object_fields.h"

#include <cmath>
#include <limits>

#include <nlohmann/json.hpp>

#include "foundation/decoding_error.h"

namespace vlt {

namespace {

using Json = nlohmann::json;
using Kind = DecodingError::Kind;

Result<const Json*> presentMember(const Json& object, const char* key) {
    const auto found = object.find(key);
    if (found == object.end()) return makeDecodingError(Kind::keyNotFound, key, "missing key");
    if (found->is_null()) return makeDecodingError(Kind::valueNotFound, key, "null value");
    return &*found;
}

}  // namespace

Result<Json> parseJsonObject(std::string_view bytes) {
    Json parsed = Json::parse(bytes, nullptr, /*allow_exceptions=*/false);
    if (parsed.is_discarded()) return makeDecodingError(Kind::dataCorrupted, "", "not valid JSON");
    if (!parsed.is_object()) return makeDecodingError(Kind::typeMismatch, "", "expected an object");
    return parsed;
}

Result<bool> requiredJsonBool(const Json& object, const char* key) {
    auto member = presentMember(object, key);
    if (!member) return member.error();
    if (!member.value()->is_boolean()) return makeDecodingError(Kind::typeMismatch, key, "expected a boolean");
    return member.value()->get<bool>();
}

Result<std::string> requiredJsonString(const Json& object, const char* key) {
    auto member = presentMember(object, key);
    if (!member) return member.error();
    if (!member.value()->is_string()) return makeDecodingError(Kind::typeMismatch, key, "expected a string");
    return member.value()->get<std::string>();
}

Result<std::int64_t> requiredJsonInteger(const Json& object, const char* key) {
    auto member = presentMember(object, key);
    if (!member) return member.error();
    const Json& value = *member.value();
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            return makeDecodingError(Kind::dataCorrupted, key, "number does not fit a 64-bit integer");
        }
        return static_cast<std::int64_t>(number);
    }
    if (value.is_number_integer()) return value.get<std::int64_t>();
    if (value.is_number_float()) {
        const double number = value.get<double>();
        constexpr double kLimit = 9.2e18;
        if (std::isfinite(number) && std::trunc(number) == number && std::abs(number) < kLimit) {
            return static_cast<std::int64_t>(number);
        }
    }
    return makeDecodingError(Kind::typeMismatch, key, "expected an integer");
}

}  // namespace vlt

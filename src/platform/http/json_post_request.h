#pragma once

#include <string>

#include <nlohmann/json_fwd.hpp>

#include "platform/http/http_request.h"

namespace vlt {

// A POST of `body` as compact UTF-8 JSON (keys in the object's own order) with the
// one header "Content-Type: application/json" and the standard time limits. Bytes of
// a string that are not UTF-8 go out as U+FFFD instead of failing the request.
HttpRequest makeJsonPostRequest(std::string url, const nlohmann::ordered_json& body);

}  // namespace vlt

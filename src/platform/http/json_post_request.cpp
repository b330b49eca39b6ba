#include "platform/http/json_post_request.h"

#include <nlohmann/json.hpp>

namespace vlt {

HttpRequest makeJsonPostRequest(std::string url, const nlohmann::ordered_json& body) {
    HttpRequest request;
    request.url = std::move(url);
    request.headers = {"Content-Type: application/json"};
    request.body = body.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    return request;
}

}  // namespace vlt

#include "base/system_error.h"

#include <cstring>

namespace vlt {

SystemError::SystemError(int errnoValue, std::string operation, std::string path)
    : errnoValue_(errnoValue), operation_(std::move(operation)), path_(std::move(path)) {}

SystemError::SystemError(const std::error_code& error, std::string operation, std::string path)
    : SystemError(error.value(), std::move(operation), std::move(path)) {}

std::string SystemError::userMessage() const { return std::error_code(errnoValue_, std::generic_category()).message(); }

std::string SystemError::description() const {
    std::string text = operation_;
    if (!path_.empty()) {
        if (!text.empty()) text += ' ';
        text += path_;
    }
    if (!text.empty()) text += ": ";
    return text + userMessage();
}

ErrorPtr makeSystemError(int errnoValue, std::string operation, std::string path) {
    return makeError<SystemError>(errnoValue, std::move(operation), std::move(path));
}

ErrorPtr makeSystemError(const std::error_code& error, std::string operation, std::string path) {
    return makeError<SystemError>(error, std::move(operation), std::move(path));
}

}  // namespace vlt

#pragma once

#include <string>
#include <system_error>

#include "base/error.h"

namespace vlt {

// An error reported by the operating system as an errno value, with the step and
// the file it concerns so that a log line or a message can say what failed.
class SystemError final : public Error {
public:
    explicit SystemError(int errnoValue, std::string operation = {}, std::string path = {});
    // Keeps the value of a std::error_code; codes of another category than the
    // system's are still logged with their own number.
    explicit SystemError(const std::error_code& error, std::string operation = {}, std::string path = {});

    std::string typeName() const override { return "SystemError"; }
    std::string domain() const override { return kDomain; }
    std::int64_t code() const override { return errnoValue_; }
    // The system's own wording of the errno value ("Permission denied").
    std::string userMessage() const override;

    int errnoValue() const { return errnoValue_; }
    const std::string& operation() const { return operation_; }
    const std::string& path() const { return path_; }
    // "rename /home/ana/settings.json: Permission denied", for logs and reasons.
    std::string description() const;

    static constexpr const char* kDomain = "POSIX";

private:
    int errnoValue_;
    std::string operation_;
    std::string path_;
};

ErrorPtr makeSystemError(int errnoValue, std::string operation = {}, std::string path = {});
ErrorPtr makeSystemError(const std::error_code& error, std::string operation = {}, std::string path = {});

}  // namespace vlt

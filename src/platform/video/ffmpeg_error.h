#pragma once

#include <string>

#include "base/error.h"

namespace vlt {

// An error reported by one of FFmpeg's libraries as a negative AVERROR value, with the
// call that returned it, so that a log line says which step failed.
class FfmpegError final : public Error {
public:
    FfmpegError(int averror, std::string operation);

    std::string typeName() const override { return "FfmpegError"; }
    std::string domain() const override { return kDomain; }
    std::int64_t code() const override { return averror_; }
    // FFmpeg's own wording of the value ("Invalid data found when processing input").
    std::string userMessage() const override;

    const std::string& operation() const { return operation_; }
    // "avio_open: Permission denied", for logs.
    std::string description() const;

    static constexpr const char* kDomain = "FFmpeg";

private:
    int averror_;
    std::string operation_;
};

ErrorPtr makeFfmpegError(int averror, std::string operation);

}  // namespace vlt

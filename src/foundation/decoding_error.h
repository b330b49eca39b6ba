#pragma once

#include <string>

#include "base/error.h"

namespace vlt {

// Structured data (a JSON file, a payload) did not have the expected form.
class DecodingError final : public Error {
public:
    enum class Kind { typeMismatch, valueNotFound, keyNotFound, dataCorrupted };

    // codingPath names the offending value, for example "recentStillImageSaveLocations[2].displayPath".
    DecodingError(Kind kind, std::string codingPath, std::string detail);

    std::string typeName() const override { return "DecodingError"; }
    std::string domain() const override { return kDomain; }
    std::int64_t code() const override { return static_cast<std::int64_t>(kind_); }
    std::string userMessage() const override;

    Kind kind() const { return kind_; }
    const std::string& codingPath() const { return codingPath_; }
    const std::string& detail() const { return detail_; }

    static constexpr const char* kDomain = "VltPlatform.DecodingError";

private:
    Kind kind_;
    std::string codingPath_;
    std::string detail_;
};

ErrorPtr makeDecodingError(DecodingError::Kind kind, std::string codingPath, std::string detail);

}  // namespace vlt

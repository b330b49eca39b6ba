#pragma once

#include <cstdint>
#include <string>

#include "base/error.h"

namespace vlt {

// An error reported by an updater backend. It carries the backend's own domain and
// code and no code of ours, so the log records it as unexpected.
class UpdaterError final : public Error {
public:
    UpdaterError(std::string domain, std::int64_t code, std::string description);

    std::string typeName() const override { return "UpdaterError"; }
    std::string domain() const override { return domain_; }
    std::int64_t code() const override { return code_; }
    const std::string& description() const { return description_; }

private:
    std::string domain_;
    std::int64_t code_;
    std::string description_;
};

}  // namespace vlt

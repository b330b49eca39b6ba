#include "platform/updater/updater_error.h"

#include <utility>

namespace vlt {

UpdaterError::UpdaterError(std::string domain, std::int64_t code, std::string description)
    : domain_(std::move(domain)), code_(code), description_(std::move(description)) {}

}  // namespace vlt

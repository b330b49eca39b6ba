#include "foundation/info_dictionary.h"

#include "veltrano_version.h"

namespace vlt {

std::string infoDictionaryString(std::string_view key) {
    std::string_view value;
    if (key == "CFBundleShortVersionString")
        value = version::kShortVersion;
    else if (key == "CFBundleVersion")
        value = version::kBuild;
    return value.empty() ? std::string("unknown") : std::string(value);
}

}  // namespace vlt

#pragma once

#include <string>
#include <string_view>

namespace vlt {

// The application's version keys, "CFBundleShortVersionString" (the version, for
// example "1.0.0") and "CFBundleVersion" (the build number), as the build generated
// them; "unknown" for any other key or an empty value.
std::string infoDictionaryString(std::string_view key);

}  // namespace vlt

#pragma once

#include <optional>
#include <string_view>

namespace vlt {

// The file formats of saved still images; the raw texts are what the settings file stores.
enum class StillImageFileFormat { jpeg, png };

// "jpeg", "png".
std::string_view stillImageFileFormatRawValue(StillImageFileFormat format);
// Exact, case-sensitive; none for any other text.
std::optional<StillImageFileFormat> stillImageFileFormatFromRawValue(std::string_view text);

}  // namespace vlt

#pragma once

#include <optional>
#include <string_view>

namespace vlt {

// How an import began; logged as origin in every event of the import.
enum class ImageImportOrigin { fileOpen, openPanel, drop };

// "file-open", "open-panel", "drop".
std::string_view imageImportOriginText(ImageImportOrigin origin);
std::optional<ImageImportOrigin> imageImportOriginFromText(std::string_view text);

}  // namespace vlt

#include "base/folder_creation.h"

namespace vlt {

std::error_code createFolderWithIntermediates(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return error;
    if (!std::filesystem::is_directory(folder, error)) {
        return error ? error : std::make_error_code(std::errc::not_a_directory);
    }
    return {};
}

}  // namespace vlt

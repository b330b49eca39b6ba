#include "foundation/settings_file_failure.h"

#include "foundation/localized_string.h"

namespace vlt {

SettingsFileFailure SettingsFileFailure::unsupportedVersion(std::int64_t version) {
    return SettingsFileFailure(Case::unsupportedVersion, version);
}

std::string SettingsFileFailure::diagnosticCode() const { return "settings-unsupported-version"; }

std::string SettingsFileFailure::userMessage() const {
    return localizedStdString("The settings file was written by another version of Veltrano.");
}

}  // namespace vlt

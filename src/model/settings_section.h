#pragma once

#include <array>
#include <optional>
#include <string_view>

#include <QString>

namespace vlt {

// The sections of the settings dialog, in the order the dialog shows them; the menu
// commands open the dialog at one of them.
enum class SettingsSection {
    contactInformation,
    comparisonLabels,
    language,
    performance,
};

inline constexpr std::array kAllSettingsSections = {
    SettingsSection::contactInformation,
    SettingsSection::comparisonLabels,
    SettingsSection::language,
    SettingsSection::performance,
};

// "Contact information", "Comparison labels", "Language", "Performance": also the
// English title and its key in the string table.
std::string_view settingsSectionRawValue(SettingsSection section);
// Exact: any other text gives none.
std::optional<SettingsSection> settingsSectionFromRawValue(std::string_view text);

QString settingsSectionTitle(SettingsSection section);
// "Contact information settings", …: what assistive technologies read for the section.
QString settingsSectionAccessibilityLabel(SettingsSection section);

}  // namespace vlt

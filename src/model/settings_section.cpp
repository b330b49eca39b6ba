#include "model/settings_section.h"

#include "foundation/localized_string.h"

namespace vlt {
namespace {

struct SectionTexts {
    const char* rawValue;
    const char* accessibilityLabel;
};

SectionTexts textsOf(SettingsSection section) {
    switch (section) {
    case SettingsSection::contactInformation:
        return {"Contact information", "Contact information settings"};
    case SettingsSection::comparisonLabels:
        return {"Comparison labels", "Comparison label settings"};
    case SettingsSection::language:
        return {"Language", "Language settings"};
    case SettingsSection::performance:
        return {"Performance", "Performance settings"};
    }
    return {"Contact information", "Contact information settings"};
}

}  // namespace

std::string_view settingsSectionRawValue(SettingsSection section) { return textsOf(section).rawValue; }

std::optional<SettingsSection> settingsSectionFromRawValue(std::string_view text) {
    for (const SettingsSection section : kAllSettingsSections) {
        if (settingsSectionRawValue(section) == text) return section;
    }
    return std::nullopt;
}

QString settingsSectionTitle(SettingsSection section) { return localizedString(textsOf(section).rawValue); }

QString settingsSectionAccessibilityLabel(SettingsSection section) {
    return localizedString(textsOf(section).accessibilityLabel);
}

}  // namespace vlt

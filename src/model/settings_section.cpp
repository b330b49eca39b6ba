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
        return {QT_TRANSLATE_NOOP("Veltrano", "Contact information"),
                QT_TRANSLATE_NOOP("Veltrano", "Contact information settings")};
    case SettingsSection::comparisonLabels:
        return {QT_TRANSLATE_NOOP("Veltrano", "Comparison labels"),
                QT_TRANSLATE_NOOP("Veltrano", "Comparison label settings")};
    case SettingsSection::language:
        return {QT_TRANSLATE_NOOP("Veltrano", "Language"), QT_TRANSLATE_NOOP("Veltrano", "Language settings")};
    case SettingsSection::performance:
        return {QT_TRANSLATE_NOOP("Veltrano", "Performance"), QT_TRANSLATE_NOOP("Veltrano", "Performance settings")};
    }
    return {QT_TRANSLATE_NOOP("Veltrano", "Contact information"),
            QT_TRANSLATE_NOOP("Veltrano", "Contact information settings")};
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

#pragma once

#include <optional>

#include "model/settings_section.h"

namespace vlt {

// Which control of the settings dialog has the keyboard focus: a section's entry in
// the navigation rail, or one of the dialog's text fields.
class SettingsFocusField {
public:
    enum class Kind {
        navigation,
        maximumImageSide,
        originalComparisonLabel,
        simulationComparisonLabel,
        contactName,
        contactEmail,
        contactPhoneNumber,
        contactWebsite,
        contactAddress,
        contactFreeText,
    };

    // A text field; a rail entry is made by navigation().
    constexpr SettingsFocusField(Kind kind) : kind_(kind) {}  // NOLINT: a kind reads as its field
    static constexpr SettingsFocusField navigation(SettingsSection section) {
        SettingsFocusField field(Kind::navigation);
        field.section_ = section;
        return field;
    }

    constexpr Kind kind() const { return kind_; }
    // The rail entry's section; none for a text field.
    constexpr std::optional<SettingsSection> section() const {
        return kind_ == Kind::navigation ? std::optional<SettingsSection>(section_) : std::nullopt;
    }

    constexpr bool operator==(const SettingsFocusField&) const = default;

private:
    Kind kind_;
    // Fixed for every text field, so that equality compares sections of rail entries only.
    SettingsSection section_ = SettingsSection::contactInformation;
};

}  // namespace vlt

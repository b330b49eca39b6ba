#pragma once

#include <QtGlobal>
#include <array>

#include "screens/settings/settings_focus_field.h"

namespace vlt {

// The six contact texts of the settings, in the order the contact section shows them.
enum class SettingsContactField {
    name,
    email,
    phoneNumber,
    website,
    address,
    freeText,
};

inline constexpr std::array kAllSettingsContactFields = {
    SettingsContactField::name,    SettingsContactField::email,   SettingsContactField::phoneNumber,
    SettingsContactField::website, SettingsContactField::address, SettingsContactField::freeText,
};

// How an edit of a contact field is taken: cut to `limit` characters as a reader
// counts them and, for a single-line field, every line break made one blank first.
struct SettingsContactFieldRule {
    qsizetype limit = 0;
    bool isSingleLine = false;
    SettingsFocusField::Kind focus = SettingsFocusField::Kind::contactName;
};

SettingsContactFieldRule settingsContactFieldRule(SettingsContactField field);

}  // namespace vlt

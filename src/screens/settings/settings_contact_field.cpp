#include "screens/settings/settings_contact_field.h"

#include "foundation/application_settings.h"

namespace vlt {

SettingsContactFieldRule settingsContactFieldRule(SettingsContactField field) {
    using Kind = SettingsFocusField::Kind;
    switch (field) {
    case SettingsContactField::name:
        return {ApplicationSettings::kMaximumNameCharacters, false, Kind::contactName};
    case SettingsContactField::email:
        return {ApplicationSettings::kMaximumEmailCharacters, false, Kind::contactEmail};
    case SettingsContactField::phoneNumber:
        return {ApplicationSettings::kMaximumPhoneNumberCharacters, false, Kind::contactPhoneNumber};
    case SettingsContactField::website:
        return {ApplicationSettings::kMaximumWebsiteCharacters, false, Kind::contactWebsite};
    case SettingsContactField::address:
        return {ApplicationSettings::kMaximumAddressCharacters, false, Kind::contactAddress};
    case SettingsContactField::freeText:
        return {ApplicationSettings::kMaximumFreeTextCharacters, true, Kind::contactFreeText};
    }
    return {};
}

}  // namespace vlt

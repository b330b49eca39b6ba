#include "screens/settings/settings_draft.h"

namespace vlt {

SettingsDraft SettingsDraft::fromSettings(const ApplicationSettings& settings) {
    SettingsDraft draft;
    draft.maximumImageSide = settings.maximumImageSide;
    draft.maximumImageSideText = QString::number(settings.maximumImageSide);
    draft.originalComparisonLabel = settings.originalComparisonLabel;
    draft.simulationComparisonLabel = settings.simulationComparisonLabel;
    draft.contactName = settings.contactName;
    draft.contactEmail = settings.contactEmail;
    draft.contactPhoneNumber = settings.contactPhoneNumber;
    draft.contactWebsite = settings.contactWebsite;
    draft.contactAddress = settings.contactAddress;
    draft.contactFreeText = settings.contactFreeText;
    return draft;
}

QString& SettingsDraft::contact(SettingsContactField field) {
    return const_cast<QString&>(static_cast<const SettingsDraft&>(*this).contact(field));
}

const QString& SettingsDraft::contact(SettingsContactField field) const {
    switch (field) {
    case SettingsContactField::name:
        return contactName;
    case SettingsContactField::email:
        return contactEmail;
    case SettingsContactField::phoneNumber:
        return contactPhoneNumber;
    case SettingsContactField::website:
        return contactWebsite;
    case SettingsContactField::address:
        return contactAddress;
    case SettingsContactField::freeText:
        return contactFreeText;
    }
    return contactName;
}

}  // namespace vlt

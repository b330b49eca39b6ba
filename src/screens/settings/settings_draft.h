#pragma once

#include <cstdint>

#include <QString>

#include "foundation/application_settings.h"
#include "screens/settings/settings_contact_field.h"

namespace vlt {

// The settings dialog's working copy of what it edits, taken once when it opens. The
// number field's text is kept apart from the number, so digits on their way to an
// acceptable size can stand in the field while the setting keeps its value.
struct SettingsDraft {
    std::int64_t maximumImageSide = ApplicationSettings::kMaximumImageSide;
    QString maximumImageSideText;
    QString originalComparisonLabel;
    QString simulationComparisonLabel;
    QString contactName;
    QString contactEmail;
    QString contactPhoneNumber;
    QString contactWebsite;
    QString contactAddress;
    QString contactFreeText;

    static SettingsDraft fromSettings(const ApplicationSettings& settings);

    QString& contact(SettingsContactField field);
    const QString& contact(SettingsContactField field) const;

    bool operator==(const SettingsDraft&) const = default;
};

}  // namespace vlt

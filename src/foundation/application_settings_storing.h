#pragma once

#include "foundation/application_settings.h"
#include "base/result.h"

namespace vlt {

// Where the settings record is kept between launches. The application model gets one
// at construction, loads once at start and saves after changes.
class ApplicationSettingsStoring {
public:
    virtual ~ApplicationSettingsStoring() = default;
    // A normalised record, or the error that kept the stored one from being read.
    virtual Result<ApplicationSettings> load() = 0;
    virtual VoidResult save(const ApplicationSettings& settings) = 0;
};

}  // namespace vlt

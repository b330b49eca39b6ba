#pragma once

#include <cstdint>

#include "base/error.h"

namespace vlt {

// Why a settings file that could be read was still not used.
class SettingsFileFailure final : public Failure {
public:
    enum class Case { unsupportedVersion };

    static SettingsFileFailure unsupportedVersion(std::int64_t version);

    std::string typeName() const override { return "SettingsFileFailure"; }
    std::int64_t code() const override { return static_cast<std::int64_t>(case_); }
    std::string diagnosticCode() const override;
    std::string userMessage() const override;

    Case failureCase() const { return case_; }
    // The "version" that the file declared.
    std::int64_t version() const { return version_; }

private:
    SettingsFileFailure(Case failureCase, std::int64_t version) : case_(failureCase), version_(version) {}

    Case case_;
    std::int64_t version_;
};

}  // namespace vlt

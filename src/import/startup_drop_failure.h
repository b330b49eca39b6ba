#pragma once

#include <string>

#include "base/error.h"

namespace vlt {

// Why a drop or a list of handed-over files was refused. It carries no stable code:
// it is shown, never logged as a failure.
class StartupDropFailure final : public Error {
public:
    enum class Case {
        notAFile,
        multipleItems,
        folder,
    };

    explicit StartupDropFailure(Case failureCase) : case_(failureCase) {}

    Case failureCase() const { return case_; }

    std::string typeName() const override { return "StartupDropFailure"; }
    std::string domain() const override { return std::string(Failure::kModuleName) + "." + typeName(); }
    std::int64_t code() const override { return static_cast<std::int64_t>(case_); }
    std::string userMessage() const override;

    friend bool operator==(const StartupDropFailure& a, const StartupDropFailure& b) { return a.case_ == b.case_; }

private:
    Case case_;
};

}  // namespace vlt

#pragma once

#include <string>

#include "base/error.h"

namespace vlt {

// Why the deformation renderer could not be made or could not do its work. It has
// no user message: the canvas turns any of these into its graphics-failure state.
class MetalDeformationFailure final : public Failure {
public:
    enum class Case {
        // A shader function (or the library itself) is missing; carries its name.
        shaderFunction,
        noDevice,
        textureCreation,
        pipelineCreation,
        commandEncoding,
        commandExecution,
    };

    // The result type needs a default; it stands for work that did not complete.
    MetalDeformationFailure() : case_(Case::commandExecution) {}
    explicit MetalDeformationFailure(Case failureCase) : case_(failureCase) {}

    static MetalDeformationFailure shaderFunction(std::string name) {
        MetalDeformationFailure failure(Case::shaderFunction);
        failure.functionName_ = std::move(name);
        return failure;
    }

    Case failureCase() const { return case_; }
    // The missing function's name ("default library" for a missing library); empty
    // for the other cases.
    const std::string& functionName() const { return functionName_; }

    std::string typeName() const override { return "MetalDeformationFailure"; }
    std::int64_t code() const override;
    std::string diagnosticCode() const override;

    friend bool operator==(const MetalDeformationFailure& a, const MetalDeformationFailure& b) {
        return a.case_ == b.case_ && a.functionName_ == b.functionName_;
    }

private:
    Case case_;
    std::string functionName_;
};

}  // namespace vlt

#include "editing/renderer/metal_deformation_failure.h"

namespace vlt {

std::int64_t MetalDeformationFailure::code() const {
    // The case carrying a value is numbered on its own, the others from 0 in order.
    switch (case_) {
    case Case::shaderFunction:
        return 0;
    case Case::noDevice:
        return 0;
    case Case::textureCreation:
        return 1;
    case Case::pipelineCreation:
        return 2;
    case Case::commandEncoding:
        return 3;
    case Case::commandExecution:
        return 4;
    }
    return 0;
}

std::string MetalDeformationFailure::diagnosticCode() const {
    switch (case_) {
    case Case::shaderFunction:
        return "metal-shader-unavailable";
    case Case::noDevice:
        return "metal-device-unavailable";
    case Case::textureCreation:
        return "metal-texture-creation-failed";
    case Case::pipelineCreation:
        return "metal-pipeline-creation-failed";
    case Case::commandEncoding:
        return "metal-command-encoding-failed";
    case Case::commandExecution:
        return "metal-command-execution-failed";
    }
    return {};
}

}  // namespace vlt

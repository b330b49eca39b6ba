#include "shaders/shader_library.h"

#include <string>

#include "shaders/background_fragment.h"
#include "shaders/background_vertex.h"
#include "shaders/clear_displacement.h"
#include "shaders/compose_displacement.h"
#include "shaders/image_fragment.h"
#include "shaders/image_vertex.h"

namespace vlt {

GpuFunctionLibrary makeShaderLibrary() {
    return GpuFunctionLibrary({
        GpuFunction::compute(std::string(kClearDisplacementFunctionName), &clearDisplacement),
        GpuFunction::compute(std::string(kComposeDisplacementFunctionName), &composeDisplacement),
        GpuFunction::vertex(std::string(kImageVertexFunctionName), &imageVertex),
        GpuFunction::fragment(std::string(kImageFragmentFunctionName), &imageFragment),
        GpuFunction::vertex(std::string(kBackgroundVertexFunctionName), &backgroundVertex),
        GpuFunction::fragment(std::string(kBackgroundFragmentFunctionName), &backgroundFragment),
    });
}

}  // namespace vlt

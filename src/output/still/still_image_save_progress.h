#pragma once

#include <functional>

#include "output/still/still_image_kind.h"

namespace vlt {

// The steps of a save, each taken once per image in this order; a save of n images
// reports kStillImageSaveStepsPerImage × n steps (composing only when the save
// composes its own images).
enum class StillImageSaveStep { composing, encoding, validating, publishing };

inline constexpr int kStillImageSaveStepsPerImage = 4;

// Called as a step begins, on one of the working threads but one call at a time; the
// steps of different images may interleave. Whoever shows progress posts it on.
using StillImageSaveProgressHandler = std::function<void(StillImageSaveStep step, StillImageKind kind)>;

}  // namespace vlt

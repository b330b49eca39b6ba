#pragma once

#include "editing/engine/deformation_tool.h"
#include "editing/engine/float2.h"

namespace vlt {

// One queued pointer sample of a brush stroke, in canvas pixels.
struct StrokeSample {
    enum class Kind {
        begin,
        move,
        reconstructRepeat,
        end,
    };

    Kind kind = Kind::end;
    // Meaningful for begin and move only.
    DeformationTool tool = DeformationTool::push;
    // Meaningful for every kind but end.
    Float2 point;
    float radius = 0.0f;

    static StrokeSample begin(DeformationTool tool, Float2 point, float radius) {
        return {Kind::begin, tool, point, radius};
    }
    static StrokeSample move(DeformationTool tool, Float2 point, float radius) {
        return {Kind::move, tool, point, radius};
    }
    static StrokeSample reconstructRepeat(Float2 point, float radius) {
        return {Kind::reconstructRepeat, DeformationTool::reconstruct, point, radius};
    }
    static StrokeSample end() { return {}; }

    // Samples are equal when their case and that case's payload are equal.
    friend bool operator==(const StrokeSample& a, const StrokeSample& b) {
        if (a.kind != b.kind) {
            return false;
        }
        switch (a.kind) {
        case Kind::begin:
        case Kind::move:
            return a.tool == b.tool && a.point == b.point && a.radius == b.radius;
        case Kind::reconstructRepeat:
            return a.point == b.point && a.radius == b.radius;
        case Kind::end:
            return true;
        }
        return false;
    }
};

}  // namespace vlt

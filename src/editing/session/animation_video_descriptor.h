#pragma once

#include <QSize>

namespace vlt {

// What the morph video writer produced: its frame size in pixels and its length.
struct AnimationVideoDescriptor {
    QSize size;
    double durationSeconds = 0.0;

    friend bool operator==(const AnimationVideoDescriptor&, const AnimationVideoDescriptor&) = default;
};

}  // namespace vlt

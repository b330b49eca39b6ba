#include "ui/motion_preference.h"

namespace vlt {

MotionPreference& MotionPreference::shared() {
    static MotionPreference preference;
    return preference;
}

void MotionPreference::setReduceMotion(bool reduceMotion) {
    if (reduceMotion_ == reduceMotion) return;
    reduceMotion_ = reduceMotion;
    emit reduceMotionChanged(reduceMotion_);
}

}  // namespace vlt

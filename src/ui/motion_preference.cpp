#include "ui/motion_preference.h"

#include "platform/desktop/desktop_animation_setting.h"

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

void MotionPreference::follow(const DesktopAnimationSetting& setting) {
    setReduceMotion(!setting.animationsEnabled());
    connect(&setting, &DesktopAnimationSetting::animationsEnabledChanged, this,
            [this](bool enabled) { setReduceMotion(!enabled); });
}

}  // namespace vlt

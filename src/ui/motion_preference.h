#pragma once

#include <QObject>

namespace vlt {

class DesktopAnimationSetting;

// Whether screens and dialogs animate. Qt offers no reduced-motion switch of its own:
// the shell has it follow the desktop's animation setting; tests set it themselves.
class MotionPreference final : public QObject {
    Q_OBJECT

public:
    static MotionPreference& shared();

    bool reduceMotion() const { return reduceMotion_; }
    void setReduceMotion(bool reduceMotion);
    // Reduces motion while the desktop's animations are off, from now on and for as
    // long as the setting lives.
    void follow(const DesktopAnimationSetting& setting);

signals:
    void reduceMotionChanged(bool reduceMotion);

private:
    MotionPreference() = default;
    bool reduceMotion_ = false;
};

}  // namespace vlt

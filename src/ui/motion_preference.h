#pragma once

#include <QObject>

namespace vlt {

// Whether screens and dialogs animate. Linux desktops offer no portable reduced-motion
// switch to Qt, so the application starts with motion on; tests and the shell set it.
class MotionPreference final : public QObject {
    Q_OBJECT

public:
    static MotionPreference& shared();

    bool reduceMotion() const { return reduceMotion_; }
    void setReduceMotion(bool reduceMotion);

signals:
    void reduceMotionChanged(bool reduceMotion);

private:
    MotionPreference() = default;
    bool reduceMotion_ = false;
};

}  // namespace vlt

#pragma once

#include <QObject>

namespace vlt {

// Whether the desktop wants applications to animate, as the person set it there, and
// each change of it while the application runs.
class DesktopAnimationSetting : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual bool animationsEnabled() const = 0;

signals:
    void animationsEnabledChanged(bool enabled);
};

}  // namespace vlt

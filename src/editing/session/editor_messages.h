#pragma once

#include <QString>

namespace vlt {

// The editor's banner texts. Each is looked up at its first use and kept for the rest
// of the run (the interface language changes only by a relaunch).
class EditorMessages {
public:
    // Transient banners stay this long, the zoom hint longer.
    static constexpr double kTransientSeconds = 4.0;
    static constexpr double kZoomHintSeconds = 10.0;

    static const QString& zoomedImageMoveHint();
    static const QString& zoomInBeforeMoving();
    static const QString& originalImageReadOnly();
    static const QString& animateTabReadOnly();
    static const QString& nothingToAnimate();
    static const QString& stopAnimationHint();
    static const QString& noAnimationToSave();
    static const QString& noChangesToSave();
    static const QString& alreadyOnOriginalTab();
    static const QString& alreadyOnAnimationTab();
    static const QString& undoLimitReached();
    // Shown as the persistent banner.
    static const QString& sharedImageLocked();
};

}  // namespace vlt

#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

#include "base/scheduler.h"
#include "ui/modal_surface_metrics.h"
#include "ui/soft_shadow.h"

class QGraphicsOpacityEffect;
class QVariantAnimation;

namespace vlt {

class ModalSurface;
class MotionPreference;

// The frame of every in-window dialog and result card: a veil over the whole parent
// that takes every click, and a centred white surface above it.
//
// Opening fades the veil in (ease-out 0.083 s) while the surface fades in and rises
// 6 points (ease-out 0.167 s), Tab is set to follow the surface's layout and focus
// moves to the dialog's chosen control. Closing
// runs once: veil and surface fade out together (0.083 s) and the dismiss action runs
// 0.083 s later, through the scheduler. Under reduced motion nothing animates and the
// dismiss action runs at once. Escape runs the exit command, which closes by default.
// However the dialog goes (a close, being hidden or destroyed), the keyboard focus goes
// back to the control that had it when the dialog opened.
class ModalHost : public QWidget {
    Q_OBJECT

public:
    static constexpr double veilFadeInSeconds = 0.083;
    static constexpr double surfaceFadeInSeconds = 0.167;
    static constexpr double closeFadeSeconds = 0.083;
    static constexpr double dismissPauseSeconds = 0.083;
    static constexpr double surfaceRise = 6.0;

    enum class Entrance {
        dialog,  // veil and surface on their own timings, the surface rising
        fade,    // veil and card fade in together over 0.083 s, without rising
    };

    // A fixed surface size from the metrics for the parent's size; without metrics the
    // surface takes its content's size hint (cards).
    ModalHost(std::optional<ModalSurfaceMetrics> metrics, QWidget* parent, Scheduler& scheduler,
              MotionPreference& motion);
    ModalHost(std::optional<ModalSurfaceMetrics> metrics, QWidget* parent);
    ~ModalHost() override;

    ModalSurface* surface() const { return surface_; }

    void setEntrance(Entrance entrance) { entrance_ = entrance; }
    void setInitialFocus(QWidget* widget) { initialFocus_ = widget; }
    void setExitCommand(std::function<void()> command) { exitCommand_ = std::move(command); }
    // Runs when a close has finished; dialogs clear their model flag here.
    void setDismissAction(std::function<void()> action) { dismissAction_ = std::move(action); }

    // Shows the veil and the surface; runs once, later calls do nothing.
    void present();
    // Starts a close; false (and nothing happens) when a close already runs.
    bool requestClose();
    bool isClosing() const { return closing_; }

    double veilOpacity() const { return veilProgress_; }
    double surfaceOpacity() const { return surfaceProgress_; }
    // The surface's resting rectangle in this widget (the rise is not included).
    QRect surfaceRect() const;
    // The surface's current rectangle, lowered while it rises.
    QRect currentSurfaceRect() const;

signals:
    void closingStarted();

protected:
    // The surface's size in an area of this size: from the metrics, else the content's
    // size hint. Dialogs with a rule of their own replace it.
    virtual QSize surfaceSizeFor(QSize area) const;

    // Places the surface again after its content changed size (cards whose texts
    // change while they are up).
    void surfaceContentChanged();

    // Return on a button the keyboard was brought to (Cancel, a close button, a link, a
    // folder button) presses that button, as Space does, also in a dialog that keeps
    // Return for its default action. True when the key was taken so.
    bool returnPressesFocusedButton(QKeyEvent& event);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void animate(QVariantAnimation*& animation, double& value, double target, double seconds);
    void setVeilProgress(double value);
    void setSurfaceProgress(double value);
    void layoutSurface();
    void finishClose();
    void returnFocus();

    std::optional<ModalSurfaceMetrics> metrics_;
    Scheduler& scheduler_;
    MotionPreference& motion_;
    ModalSurface* surface_;
    QGraphicsOpacityEffect* surfaceOpacityEffect_ = nullptr;
    QVariantAnimation* veilAnimation_ = nullptr;
    QVariantAnimation* surfaceAnimation_ = nullptr;
    SoftShadow shadow_;
    QPointer<QWidget> initialFocus_;
    QPointer<QWidget> focusBefore_;
    std::function<void()> exitCommand_;
    std::function<void()> dismissAction_;
    Entrance entrance_ = Entrance::dialog;
    double veilProgress_ = 0.0;
    double surfaceProgress_ = 0.0;
    bool presented_ = false;
    bool closing_ = false;
};

}  // namespace vlt

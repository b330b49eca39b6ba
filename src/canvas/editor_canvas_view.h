#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <vector>

#include <QPointF>
#include <QPointer>
#include <QWidget>

#include "editing/annotations/annotation_text_request.h"
#include "canvas/annotation_gesture_controller.h"
#include "canvas/brush_stroke_controller.h"
#include "canvas/canvas_gesture.h"
#include "canvas/canvas_navigation_controller.h"
#include "canvas/editor_canvas_session_state.h"
#include "editing/session/editor_viewport_geometry.h"
#include "editing/engine/brush_stamp.h"
#include "editing/engine/deformation_animation_timeline.h"
#include "editing/engine/deformation_history.h"
#include "editing/engine/deformation_tool.h"
#include "editing/preparation/editing_canvas.h"
#include "editing/renderer/metal_render_pane.h"
#include "editing/session/animation_video_descriptor.h"
#include "editing/session/editor_action_history.h"
#include "editing/session/editor_history_availability.h"
#include "editing/session/editor_history_step.h"
#include "editing/session/editor_state_preparation_intent.h"
#include "editing/session/still_image_render_snapshot.h"
#include "base/error.h"
#include "base/result.h"
#include "base/scheduler.h"

namespace vlt {

class CanvasFrameClock;
class Clock;
class EditorCanvasOverlayView;
class GpuDevice;
class GpuView;
class MetalDeformationRenderer;

// The editing surface of the editor screen. It owns the renderer, the deformation
// tile history and the editor action history, and paints the panes of the current tab
// with the overlay on top. Pointer input goes to the gesture that holds the pointer;
// the navigation, brush-stroke and annotation-gesture controllers do the work of each.
//
// It draws once per change and runs its frame clock only while a brush stroke is open
// or Animate plays. It reports back only through the callbacks below, which the
// canvas bridge routes into the editor session. GUI thread only.
class EditorCanvasView final : public QWidget {
    Q_OBJECT

public:
    static constexpr double kMaximumZoom = 16.0;
    static constexpr double kClearColorRed = 236.0 / 255.0;
    static constexpr double kClearColorGreen = 234.0 / 255.0;
    static constexpr double kClearColorBlue = 227.0 / 255.0;
    // A frame's work, composing and drawing, is to take this share of the frame
    // period as the renderer has lately managed; the rest is the hand-over's and the
    // scheduler's.
    static constexpr double kWorkShareOfFrame = 0.75;
    // Stamp work (FrameCostEstimate::stampWork) that a frame may always compose,
    // however slow composing has lately been: small strokes are never drawn out.
    static constexpr std::int64_t kMinimumFrameCompositionWork = std::int64_t{1} << 18;
    // ... and that no frame composes beyond, however fast it has been (one stamp
    // larger than this still goes in a frame of its own).
    static constexpr std::int64_t kMaximumFrameCompositionWork = std::int64_t{1} << 22;

    // The system clock, the Qt scheduler and the shared default device.
    explicit EditorCanvasView(QWidget* parent = nullptr);
    // The device may be null: the canvas then reports a graphics failure when it gets
    // its canvas.
    EditorCanvasView(std::shared_ptr<GpuDevice> device, const Clock& clock, Scheduler& scheduler,
                     QWidget* parent = nullptr);
    ~EditorCanvasView() override;

    // Callbacks, set by the bridge.
    std::function<void(double zoom, QPointF center)> onViewportChange;
    std::function<void(double zoom)> onZoomChange;
    std::function<void(double scale)> onFitScaleChange;
    std::function<void(const EditorHistoryAvailability&)> onHistoryAvailabilityChange;
    std::function<void(EditorTab)> onSelectTab;
    std::function<void(double diameter)> onBrushDiameterChange;
    std::function<void(EditorTool)> onToolShortcut;
    std::function<void(bool hasSelection, bool isText)> onAnnotationSelectionChange;
    std::function<void(const AnnotationTextRequest&)> onTextEntryRequest;
    std::function<void(bool playing)> onAnimationPlaybackChange;
    std::function<void()> onGraphicsFailure;
    std::function<void(const QString&)> onTransientMessage;

    // --- State the bridge copies in ---------------------------------------------
    const EditorCanvasSessionState& sessionState() const { return state_; }
    // Stores the values as given; the bridge clamps zoom and centre first.
    void storeSessionState(const EditorCanvasSessionState& state) { state_ = state; }
    bool isInteractionSuspended() const { return isInteractionSuspended_; }
    void setInteractionSuspended(bool suspended) { isInteractionSuspended_ = suspended; }

    const SharedEditingCanvas& canvas() const { return canvas_; }
    // Takes a new editing canvas: a fresh renderer, tile history, action history and
    // annotation list. A renderer that cannot be made leaves the canvas in its
    // graphics-failure state.
    void setCanvas(SharedEditingCanvas canvas);
    const std::shared_ptr<MetalDeformationRenderer>& renderer() const { return renderer_; }
    const DeformationHistory* deformationHistory() const { return deformationHistory_.get(); }
    const EditorActionHistory& editorHistory() const { return editorHistory_; }
    const GpuView& gpuView() const { return *gpuView_; }

    EditorViewportGeometry viewportGeometry() const;
    // Stores a zoom and centre the canvas chose itself (pan, wheel, pinch, scrollers).
    void setViewport(double zoomFactor, QPointF center);

    // --- Observable flags -------------------------------------------------------
    bool isHistoryBusy() const { return isHistoryBusy_; }
    bool hasGraphicsFailure() const { return hasGraphicsFailure_; }
    bool isPaused() const;
    bool isAnimationPlaying() const { return animationStartedAt_.has_value(); }
    float animationScale() const { return animationScale_; }
    CanvasGesture gesture() const { return gesture_; }
    EditorCanvasOverlayView* overlayView() const { return overlayView_; }
    CanvasNavigationController& navigation() { return navigation_; }
    const CanvasNavigationController& navigation() const { return navigation_; }
    const BrushStrokeController& strokes() const { return strokes_; }
    const AnnotationGestureController& annotations() const { return annotations_; }

    // --- Frame loop and strokes -------------------------------------------------
    void requestRedraw();
    // Gives the overlay the canvas's state; returns the view rectangle it will repaint.
    QRect refreshOverlay();
    void renderFrame();
    std::vector<MetalRenderPane> renderPanes() const;
    // The same into a list whose storage is reused from frame to frame.
    void renderPanes(std::vector<MetalRenderPane>& panes) const;
    void updateHistoryAvailability();
    // Releases an open stroke: the stamps it still owes are composed over the next
    // frames, as many as each frame's limit allows, and the frame that composes the
    // last commits it.
    void endStroke();
    // A click of a brush, held on an annotation until it proved a single click: a
    // stroke that begins and ends at once. Nothing while the history is busy, after a
    // graphics failure or while a stroke is open.
    void clickBrush(EditorTool tool, Float2 point, float radius, double timestamp);
    // Commands act on committed work: an annotation gesture or brush stroke still
    // under way is finished first, as if the pointer had been released, and a stroke's
    // remaining stamps are composed at once.
    void finishOpenInteraction();
    // The canvas pixel under a view point; none outside the image, and none on a
    // read-only panel when those are refused.
    std::optional<Float2> canvasPoint(QPointF viewPoint, bool refusingReadOnlyPanels) const;

    // --- Editor commands ----------------------------------------------------------
    void undo();
    void redo();
    void resetEdits();
    // Drops a held click and an annotation gesture and cancels an open stroke (a
    // released one still catching up is finished instead); true when anything was
    // cancelled.
    bool cancelGesture();
    bool deleteSelectedAnnotation();
    bool editSelectedTextAnnotation();
    void commitTextEntry(const AnnotationTextRequest& request, const QString& text);
    void prepareCommittedState(EditorStatePreparationIntent intent, std::function<void(bool canReset)> completion);
    void makeStillImageSnapshot(std::function<void(Result<StillImageRenderSnapshot>)> completion);
    void writeAnimationVideo(const QString& destinationPath, std::stop_token stop, std::function<void(double)> progress,
                             std::function<void(Result<AnimationVideoDescriptor>)> completion);
    void startAnimationPlayback();
    void stopAnimationPlayback();

    // --- Annotations --------------------------------------------------------------
    // Performs at once a held click whose button is up.
    void flushPendingAnnotationClick();
    void clearAnnotationSelection();
    // The annotations the history describes: its baseline with every applied action.
    std::vector<AnnotationObject> currentAnnotations() const;

    // --- Pointer ----------------------------------------------------------------------
    // Forgets the pointer: the pan, the Spacebar move and the hover point; the cursor
    // goes back to the arrow.
    void forgetPointer();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Frame clock.
    void unpause();
    void pause();
    void drawFrameNow();
    enum class FrameComposition {
        // The stamps that fit in the frame's work limit.
        limited,
        // Every stamp the stroke still owes.
        everything,
    };
    void drawFrame(FrameComposition composition);
    // Composes a frame's stamps into the field; a failure ends the stroke.
    void applyFrameStamps(const std::vector<BrushStamp>& stamps);
    std::int64_t frameCompositionWorkLimit();
    void frameClockTicked();
    // Shows the frame the view holds for the tick, repainted at once; false when none
    // is held.
    bool handOverHeldFrame();
    void framePresented();
    enum class RepaintTiming { now, withNextUpdate };
    // Repaints what the newly presented frame changed, with `alsoChanged` (view points)
    // in the same rectangle.
    void repaintPresentedFrame(RepaintTiming timing, QRect alsoChanged = {});

    // Input routing.
    void pressPrimary(QPointF point, double now);
    void pressMiddle(QPointF point);
    void dragPrimary(QPointF point, double now);
    // The release of a button ends the gesture that it holds.
    void releaseButton(Qt::MouseButton button);
    Qt::MouseButton gestureButton() const;
    void handleKey(QKeyEvent* event);
    // A held click dragged beyond its threshold acts as if no annotation had been
    // under its press.
    void startDraggedHeldClick(const PendingAnnotationClick& click, QPointF point);

    // Strokes and history.
    bool beginStroke(DeformationTool tool, Float2 point, float radius, double now);
    // Ends an open stroke, or one still catching up, with one frame that composes all
    // it owes and commits it.
    void finishStroke();
    void cancelStroke();
    void commitStroke(std::vector<BrushStamp> stamps);
    void finishReadback(std::vector<BrushStamp> stamps,
                        Result<std::vector<DeformationTileSnapshot>, class MetalDeformationFailure> result);
    void restoreCommittedTiles(const std::vector<BrushStamp>& stamps);
    void applyHistoryStep(const EditorHistoryStep& step, bool isUndo);
    void startUpload(std::vector<DeformationTileUpload> tiles, std::function<void()> onStartFailure);
    void failGraphics(const Error& error);
    void startAnimationIfPending();
    bool isHistoryIdle() const;

    const Clock& clock_;
    Scheduler& scheduler_;

    EditorCanvasOverlayView* overlayView_ = nullptr;
    // After the overlay, so that its scrollers stack above it.
    CanvasNavigationController navigation_;
    std::unique_ptr<GpuView> gpuView_;
    // Runs while a stroke is open or Animate plays.
    std::unique_ptr<CanvasFrameClock> frameClock_;
    // A tick came while the frame drawn for it was still being drawn: that frame is
    // handed over as soon as it is done and the next one starts then, so frames never
    // queue up behind each other.
    bool frameMissedTick_ = false;
    // The last presented frame whose changes a repaint was asked for (its contents
    // tag); the widget shows it once that repaint has run.
    std::uint64_t repaintScheduledFrameTag_ = 0;

    SharedEditingCanvas canvas_;
    std::shared_ptr<MetalDeformationRenderer> renderer_;
    std::unique_ptr<DeformationHistory> deformationHistory_;
    EditorActionHistory editorHistory_;
    // After the action history, which it records into.
    AnnotationGestureController annotations_;

    EditorCanvasSessionState state_;
    bool isInteractionSuspended_ = false;
    // The gesture that holds the pointer; each pointer event goes to it.
    CanvasGesture gesture_ = CanvasGesture::none;

    BrushStrokeController strokes_;
    std::vector<MetalRenderPane> framePanes_;
    // A tile read-back or upload is in flight; strokes, undo, redo and reset wait.
    bool isHistoryBusy_ = false;
    // A GPU operation of this canvas failed, which is reported once; no press starts
    // a stroke or an annotation gesture any more.
    bool hasGraphicsFailure_ = false;

    std::vector<std::function<void(bool)>> pendingStatePreparationCompletions_;

    DeformationAnimationTimeline animationTimeline_;
    std::optional<double> animationStartedAt_;
    float animationScale_ = 1.0f;
    bool isAnimationStartPending_ = false;

    bool hasScheduledInitialKeyboardFocus_ = false;
    // Cleared when the view goes away, so late GPU completions and timers do nothing.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace vlt

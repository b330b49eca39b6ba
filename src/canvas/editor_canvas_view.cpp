#include "canvas/editor_canvas_view.h"

#include "editing/renderer/default_gpu_device.h"
#include "platform/gpu/srgb_transfer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>

#include "canvas/canvas_frame_clock.h"
#include "canvas/editor_canvas_overlay_view.h"
#include "editing/renderer/frame_cost_estimate.h"
#include "editing/renderer/metal_deformation_failure.h"
#include "editing/renderer/metal_deformation_renderer.h"
#include "editing/renderer/presented_frame_image.h"
#include "editing/session/editor_messages.h"
#include "foundation/diagnostic_log.h"
#include "foundation/localized_string.h"
#include "base/precondition.h"
#include "output/still/still_image_output_failure.h"
#include "output/video/animation_video_failure.h"
#include "output/video/animation_video_frame_writer.h"
#include "platform/gpu/gpu_device.h"
#include "platform/gpu/gpu_view.h"
#include "base/clock.h"
#include "base/main_thread.h"

namespace vlt {

namespace {

ErrorPtr sharedError(const MetalDeformationFailure& failure) { return makeError<MetalDeformationFailure>(failure); }

}  // namespace

EditorCanvasView::EditorCanvasView(QWidget* parent)
    : EditorCanvasView(defaultGpuDevice(), SystemClock::shared(), QtScheduler::shared(), parent) {}

EditorCanvasView::EditorCanvasView(std::shared_ptr<GpuDevice> device, const Clock& clock, Scheduler& scheduler,
                                   QWidget* parent)
    : QWidget(parent),
      clock_(clock),
      scheduler_(scheduler),
      overlayView_(new EditorCanvasOverlayView(this)),
      navigation_(*this),
      annotations_(*this, editorHistory_, scheduler) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    setAttribute(Qt::WA_AcceptTouchEvents, false);
    setAccessibleName(localizedString("Editor image view"));

    gpuView_ = std::make_unique<GpuView>(std::move(device), GpuPixelFormat::bgra8UnormSrgb);
    // The drawable stores sRGB codes, so its clear colour is given in linear light:
    // the same colour as the widget's own fill before the first frame.
    const auto linear = [](double encoded) {
        return static_cast<double>(SrgbTransfer::decode(static_cast<std::uint8_t>(std::lround(encoded * 255.0))));
    };
    gpuView_->setClearColor(
        GpuClearColor{linear(kClearColorRed), linear(kClearColorGreen), linear(kClearColorBlue), 1.0});
    QPointer<EditorCanvasView> self(this);
    gpuView_->setPresentedHandler([self] {
        if (self) self->framePresented();
    });

    frameClock_ = std::make_unique<CanvasFrameClock>([this] { frameClockTicked(); });

    overlayView_->setGeometry(rect());
}

EditorCanvasView::~EditorCanvasView() {
    *alive_ = false;
    navigation_.releaseCursorLease();
}

// --- Canvas --------------------------------------------------------------------------

void EditorCanvasView::setCanvas(SharedEditingCanvas canvas) {
    VLT_PRECONDITION(isMainThread(), "the canvas lives on the main thread");
    cancelGesture();
    stopAnimationPlayback();
    canvas_ = std::move(canvas);
    hasGraphicsFailure_ = false;
    // Results of the previous canvas's GPU work must not land in the new histories.
    *alive_ = false;
    alive_ = std::make_shared<bool>(true);
    isHistoryBusy_ = false;
    strokes_.cancel();
    editorHistory_.reset();
    annotations_.resetPresentation();
    renderer_.reset();
    deformationHistory_.reset();

    std::optional<MetalDeformationFailure> failure;
    if (canvas_ == nullptr) {
        failure = MetalDeformationFailure(MetalDeformationFailure::Case::textureCreation);
    } else if (gpuView_->device() == nullptr) {
        failure = MetalDeformationFailure(MetalDeformationFailure::Case::noDevice);
    } else {
        auto created =
            MetalDeformationRenderer::create(gpuView_->device(), canvas_->image(), gpuView_->colorPixelFormat());
        if (created.ok()) {
            renderer_ = std::shared_ptr<MetalDeformationRenderer>(std::move(created).value());
            const ImageSize size = canvas_->descriptor().canvasSize;
            deformationHistory_ = std::make_unique<DeformationHistory>(std::max<std::int64_t>(size.width, 1),
                                                                       std::max<std::int64_t>(size.height, 1));
        } else {
            failure = created.error();
        }
    }
    if (failure) failGraphics(*failure);
    annotations_.reportSelection();
    updateHistoryAvailability();
}

// --- Frame clock ---------------------------------------------------------------------

bool EditorCanvasView::isPaused() const { return !frameClock_->isRunning(); }

void EditorCanvasView::unpause() {
    if (frameClock_->isRunning()) return;
    if (const QScreen* shownOn = screen()) frameClock_->setFramesPerSecond(shownOn->refreshRate());
    frameClock_->start();
}

void EditorCanvasView::pause() {
    frameClock_->stop();
    frameMissedTick_ = false;
    // A frame still being drawn is shown when it is done; no tick will come for it.
    if (gpuView_->isPacedPresentation()) {
        gpuView_->setPacedPresentation(false);
        refreshOverlay();
    }
}

void EditorCanvasView::frameClockTicked() {
    // The frame drawn since the last tick is shown now, at the display's pace, and
    // not whenever its drawing happened to end; the next one is drawn for the next
    // tick.
    const bool shown = handOverHeldFrame();
    if (!shown && renderer_ && renderer_->isDrawingFrame()) {
        // It missed its tick: it is shown as soon as it is done, and the next frame
        // starts then. Drawing behind it would only make every later frame older.
        frameMissedTick_ = true;
        return;
    }
    frameMissedTick_ = false;
    gpuView_->setPacedPresentation(true);
    renderFrame();
}

bool EditorCanvasView::handOverHeldFrame() {
    if (!gpuView_->handOver()) return false;
    // The overlay fades with the Animate frame that is shown, not the one being drawn,
    // and its brush outline follows the shown frames.
    const QRect overlayChanged = refreshOverlay();
    repaintPresentedFrame(RepaintTiming::now, overlayChanged);
    return true;
}

void EditorCanvasView::framePresented() {
    if (frameMissedTick_ && gpuView_->hasHeldFrame()) {
        frameMissedTick_ = false;
        handOverHeldFrame();
        if (!isPaused()) renderFrame();
        return;
    }
    repaintPresentedFrame(RepaintTiming::withNextUpdate);
}

void EditorCanvasView::repaintPresentedFrame(RepaintTiming timing, QRect alsoChanged) {
    const std::shared_ptr<const GpuTexture> shown = gpuView_->presentedTexture();
    const std::uint64_t shownTag = shown ? shown->contentsTag() : GpuTexture::kUnknownContents;
    if (shownTag != GpuTexture::kUnknownContents && shownTag == repaintScheduledFrameTag_) return;
    std::optional<QRect> changed;
    if (renderer_ && shownTag != GpuTexture::kUnknownContents) {
        changed = renderer_->changedPixels(repaintScheduledFrameTag_, shownTag);
    }
    repaintScheduledFrameTag_ = shownTag;
    QRect asked = rect();
    if (changed) {
        if (changed->isEmpty()) return;
        // Whole points around the changed pixels; during a stroke that is the brush's
        // neighbourhood, not the whole view.
        const double scale = devicePixelRatioF();
        const QRectF points(changed->x() / scale, changed->y() / scale, changed->width() / scale,
                            changed->height() / scale);
        asked = points.toAlignedRect().adjusted(-1, -1, 1, 1);
    }
    if (timing == RepaintTiming::now) {
        // Painted and flushed to the window before anything else runs: this is the
        // moment the frame is shown. One rectangle round all that changed keeps the
        // paint's clip a rectangle, so that Qt copies the frame's pixels on this
        // thread instead of handing rows to its thread pool and waiting for them.
        repaint(asked.united(alsoChanged));
    } else {
        update(asked);
    }
}

void EditorCanvasView::drawFrameNow() { renderFrame(); }

void EditorCanvasView::requestRedraw() {
    if (!isVisible()) return;
    const bool playing = animationStartedAt_ && state_.tab == EditorTab::animate && !isInteractionSuspended_;
    if (playing || strokes_.needsFrames()) {
        unpause();
    } else {
        drawFrameNow();
    }
}

EditorViewportGeometry EditorCanvasView::viewportGeometry() const {
    QSizeF imageSize(1.0, 1.0);
    if (canvas_) {
        const ImageSize size = canvas_->descriptor().canvasSize;
        imageSize = QSizeF(static_cast<double>(size.width), static_cast<double>(size.height));
    }
    return EditorViewportGeometry{QSizeF(width(), height()), imageSize, state_.tab == EditorTab::comparison,
                                  state_.zoomFactor};
}

void EditorCanvasView::setViewport(double zoomFactor, QPointF center) {
    state_.zoomFactor = zoomFactor;
    state_.center = center;
}

QRect EditorCanvasView::refreshOverlay() {
    EditorCanvasOverlayState overlay;
    overlay.geometry = viewportGeometry();
    if (canvas_) {
        const ImageSize size = canvas_->descriptor().canvasSize;
        overlay.canvasSize = QSize(static_cast<int>(size.width), static_cast<int>(size.height));
    }
    overlay.tab = state_.tab;
    overlay.center = state_.center;
    overlay.showsComparisonLabels = state_.showsComparisonLabels;
    overlay.originalComparisonLabel = state_.originalComparisonLabel;
    overlay.simulationComparisonLabel = state_.simulationComparisonLabel;
    overlay.tool = state_.tool;
    overlay.toolDiameter = state_.toolDiameter;
    overlay.annotations = annotations_.presentation();
    overlay.annotationOpacity = state_.tab == EditorTab::animate ? std::clamp(animationScale_, 0.0f, 1.0f) : 1.0f;
    overlay.hoverPoint = navigation_.hoverPoint();
    return overlayView_->setState(std::move(overlay));
}

std::vector<MetalRenderPane> EditorCanvasView::renderPanes() const {
    std::vector<MetalRenderPane> panes;
    renderPanes(panes);
    return panes;
}

void EditorCanvasView::renderPanes(std::vector<MetalRenderPane>& panes) const {
    const EditorViewportGeometry geometry = viewportGeometry();
    const QPointF center = geometry.clampedCenter(state_.center);
    const std::vector<QRectF> panels = geometry.panelRects();
    panes.clear();
    for (std::size_t index = 0; index < panels.size(); ++index) {
        float scale = 0.0f;
        switch (state_.tab) {
        case EditorTab::original:
            scale = 0.0f;
            break;
        case EditorTab::simulation:
            scale = 1.0f;
            break;
        case EditorTab::comparison:
            scale = index == 0 ? 0.0f : 1.0f;
            break;
        case EditorTab::animate:
            scale = animationScale_;
            break;
        }
        panes.push_back(MetalRenderPane{geometry.imageRect(panels[index], center), panels[index], scale});
    }
}

void EditorCanvasView::renderFrame() { drawFrame(FrameComposition::limited); }

std::int64_t EditorCanvasView::frameCompositionWorkLimit() {
    const double seconds = kWorkShareOfFrame / frameClock_->framesPerSecond();
    const std::int64_t within = renderer_->compositionWorkWithin(seconds).value_or(kMaximumFrameCompositionWork);
    return std::clamp(within, kMinimumFrameCompositionWork, kMaximumFrameCompositionWork);
}

void EditorCanvasView::drawFrame(FrameComposition composition) {
    VLT_PRECONDITION(isMainThread(), "the canvas draws on the main thread");
    if (!renderer_) return;
    const double now = clock_.uptimeSeconds();

    const bool paced = gpuView_->isPacedPresentation();
    if (animationStartedAt_ && state_.tab == EditorTab::animate && !isInteractionSuspended_) {
        // A paced frame is shown at the next tick: the morph is taken at that moment.
        const double shownAt = paced ? now + 1.0 / frameClock_->framesPerSecond() : now;
        animationScale_ = animationTimeline_.scale(shownAt - *animationStartedAt_);
    }
    // A stroke that fell behind the pointer catches up over several frames rather
    // than in one that grows with the delay, and with it the delay of the next.
    const std::int64_t workLimit = composition == FrameComposition::everything
                                       ? std::numeric_limits<std::int64_t>::max()
                                       : frameCompositionWorkLimit();
    const std::int64_t canvasWidth = renderer_->width();
    const std::int64_t canvasHeight = renderer_->height();
    const std::vector<BrushStamp>& stamps =
        strokes_.drainFrame(now, workLimit, [canvasWidth, canvasHeight](const BrushStamp& stamp) {
            return FrameCostEstimate::stampWork(stamp.affectedRegion(canvasWidth, canvasHeight));
        });
    const bool drainedWholeStroke =
        strokes_.phase() == BrushStrokeController::Phase::released && strokes_.waitingStampCount() == 0;
    // A paced frame draws the stamps composed for the frame before it and composes
    // its own after its draw, for the next: the draw, which the tick waits for, never
    // waits behind a composition, and a composition slowed by a busy machine may run
    // on past the tick without holding back the frame shown there. A stroke's last
    // frame shows its last stamps.
    const bool composesAfterDraw = paced && !drainedWholeStroke;
    if (!composesAfterDraw) applyFrameStamps(stamps);

    gpuView_->setBoundsSize(width(), height());
    const double backingScale = devicePixelRatioF();
    gpuView_->setDrawableSize(static_cast<std::int64_t>(std::lround(width() * backingScale)),
                              static_cast<std::int64_t>(std::lround(height() * backingScale)));
    renderPanes(framePanes_);
    renderer_->draw(*gpuView_, framePanes_, backingScale);
    if (composesAfterDraw) applyFrameStamps(stamps);

    // A paced frame's overlay follows when the frame is handed over.
    if (!paced) refreshOverlay();

    if (auto finished = strokes_.takeFinishedStroke()) {
        commitStroke(std::move(*finished));
        pause();
    }
}

void EditorCanvasView::applyFrameStamps(const std::vector<BrushStamp>& stamps) {
    if (stamps.empty()) return;
    auto applied = renderer_->apply(stamps);
    if (applied.ok()) {
        strokes_.frameApplied();
    } else {
        failGraphics(applied.error());
        cancelStroke();
    }
}

void EditorCanvasView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const bool opaque = renderer_ && renderer_->drawsOpaqueFrames();
    const QImage frame = presentedFrameImage(*gpuView_, opaque ? FrameOpacity::opaque : FrameOpacity::mayBeTransparent);
    const double backingScale = devicePixelRatioF();
    const QRectF frameRect(0.0, 0.0, frame.width() / backingScale, frame.height() / backingScale);
    // An opaque frame of the widget's size is the whole paint: a copy of the asked-for
    // rectangles of its pixels at the device pixel ratio they were drawn at. Anything
    // else shows the clear colour where the frame leaves the widget uncovered or lets
    // it through.
    if (!opaque || !frameRect.contains(QRectF(rect()))) {
        painter.fillRect(rect(), QColor::fromRgbF(kClearColorRed, kClearColorGreen, kClearColorBlue));
    }
    if (frame.isNull()) return;
    for (const QRect& asked : event->region()) {
        const QRectF target = QRectF(asked).intersected(frameRect);
        if (target.isEmpty()) continue;
        const QRectF source(target.x() * backingScale, target.y() * backingScale, target.width() * backingScale,
                            target.height() * backingScale);
        painter.drawImage(target, frame, source);
    }
}

// --- Strokes -------------------------------------------------------------------------

bool EditorCanvasView::beginStroke(DeformationTool tool, Float2 point, float radius, double now) {
    if (!strokes_.begin(tool, point, radius, now)) return false;
    unpause();
    drawFrameNow();
    return true;
}

void EditorCanvasView::endStroke() {
    if (strokes_.end()) drawFrameNow();
}

void EditorCanvasView::finishStroke() {
    strokes_.end();
    if (strokes_.phase() == BrushStrokeController::Phase::released) drawFrame(FrameComposition::everything);
}

void EditorCanvasView::clickBrush(EditorTool tool, Float2 point, float radius, double timestamp) {
    if (isHistoryBusy_ || hasGraphicsFailure_ || strokes_.needsFrames()) return;
    beginStroke(deformationTool(tool), point, radius, timestamp);
    endStroke();
}

void EditorCanvasView::commitStroke(std::vector<BrushStamp> stamps) {
    if (stamps.empty() || !renderer_ || !deformationHistory_) {
        updateHistoryAvailability();
        return;
    }
    isHistoryBusy_ = true;
    std::vector<PixelRegion> regions = deformationHistory_->tileRegions(stamps);
    QPointer<EditorCanvasView> self(this);
    std::weak_ptr<bool> alive = alive_;
    auto started = renderer_->readTiles(
        std::move(regions),
        [self, alive, stamps](Result<std::vector<DeformationTileSnapshot>, MetalDeformationFailure> result) {
            if (!self || alive.expired() || !*alive.lock()) return;
            self->finishReadback(stamps, std::move(result));
        });
    if (!started.ok()) {
        // The stroke's stamps are in the field but will never be in the history:
        // put the committed tiles back so the two agree, then fail.
        isHistoryBusy_ = false;
        restoreCommittedTiles(stamps);
        failGraphics(started.error());
        updateHistoryAvailability();
        refreshOverlay();
    }
}

void EditorCanvasView::finishReadback(std::vector<BrushStamp> stamps,
                                      Result<std::vector<DeformationTileSnapshot>, MetalDeformationFailure> result) {
    VLT_PRECONDITION(isMainThread(), "read-back results arrive on the main thread");
    isHistoryBusy_ = false;
    if (!result.ok()) {
        restoreCommittedTiles(stamps);
        failGraphics(result.error());
        updateHistoryAvailability();
        refreshOverlay();
        return;
    }
    if (deformationHistory_) {
        DeformationUndoStatePtr state = deformationHistory_->commit(result.value());
        if (state) editorHistory_.record(EditorAction::deformation(std::move(stamps)), std::move(state));
    }
    updateHistoryAvailability();
    requestRedraw();
}

void EditorCanvasView::restoreCommittedTiles(const std::vector<BrushStamp>& stamps) {
    if (stamps.empty() || !renderer_ || !deformationHistory_) return;
    startUpload(deformationHistory_->restoreTiles(stamps), nullptr);
}

void EditorCanvasView::startUpload(std::vector<DeformationTileUpload> tiles, std::function<void()> onStartFailure) {
    isHistoryBusy_ = true;
    updateHistoryAvailability();
    QPointer<EditorCanvasView> self(this);
    std::weak_ptr<bool> alive = alive_;
    auto started = renderer_->upload(std::move(tiles), [self, alive](Result<void, MetalDeformationFailure> result) {
        if (!self || alive.expired() || !*alive.lock()) return;
        self->isHistoryBusy_ = false;
        if (!result.ok()) self->failGraphics(result.error());
        self->updateHistoryAvailability();
        self->requestRedraw();
    });
    if (!started.ok()) {
        isHistoryBusy_ = false;
        if (onStartFailure) onStartFailure();
        failGraphics(started.error());
        updateHistoryAvailability();
        refreshOverlay();
    }
}

void EditorCanvasView::cancelStroke() {
    if (!strokes_.isUnderWay()) return;
    const std::vector<BrushStamp> applied = strokes_.cancel();
    pause();
    restoreCommittedTiles(applied);
}

void EditorCanvasView::failGraphics(const Error& error) {
    // Only the first failure is reported: the canvas stays failed until a new canvas.
    if (hasGraphicsFailure_) return;
    hasGraphicsFailure_ = true;
    DiagnosticLog::editorGraphicsFailed(error);
    if (onGraphicsFailure) onGraphicsFailure();
}

bool EditorCanvasView::isHistoryIdle() const {
    return !isHistoryBusy_ && strokes_.phase() == BrushStrokeController::Phase::idle;
}

void EditorCanvasView::updateHistoryAvailability() {
    if (!deformationHistory_) {
        if (onHistoryAvailabilityChange) {
            onHistoryAvailabilityChange(
                EditorHistoryAvailability{false, false, false, false, editorHistory_.stateRevision()});
        }
        auto completions = std::exchange(pendingStatePreparationCompletions_, {});
        for (auto& completion : completions) completion(false);
        return;
    }
    const EditorHistoryAvailability history = editorHistory_.availability();
    if (onHistoryAvailabilityChange) {
        onHistoryAvailabilityChange(EditorHistoryAvailability{
            history.canUndo && !isHistoryBusy_, history.canRedo && !isHistoryBusy_, history.canReset && !isHistoryBusy_,
            history.isAtUndoLimitBoundary, history.stateRevision});
    }
    if (isHistoryIdle() && !pendingStatePreparationCompletions_.empty()) {
        auto completions = std::exchange(pendingStatePreparationCompletions_, {});
        for (auto& completion : completions) completion(history.canReset);
    }
    startAnimationIfPending();
}

void EditorCanvasView::applyHistoryStep(const EditorHistoryStep& step, bool isUndo) {
    if (step.action.isDeformation()) {
        if (!step.deformationState || !deformationHistory_ || !renderer_) return;
        DeformationUndoStatePtr state = step.deformationState;
        std::vector<DeformationTileUpload> tiles = deformationHistory_->swap(state->tiles);
        startUpload(std::move(tiles), [this, state, isUndo] {
            // Nothing reached the field: put the mirror and the history back where
            // the field still is.
            deformationHistory_->swap(state->tiles);
            if (isUndo) {
                static_cast<void>(editorHistory_.redo());
            } else {
                static_cast<void>(editorHistory_.undo());
            }
        });
        return;
    }
    annotations_.refreshPresentation();
    updateHistoryAvailability();
}

// --- Commands ------------------------------------------------------------------------

void EditorCanvasView::finishOpenInteraction() {
    if (annotations_.hasActiveGesture()) {
        annotations_.finishGesture(true);
    } else {
        finishStroke();
    }
}

void EditorCanvasView::undo() {
    VLT_PRECONDITION(isMainThread(), "editor commands run on the main thread");
    annotations_.flushHeldClick();
    finishOpenInteraction();
    if (!isHistoryBusy_) {
        if (auto step = editorHistory_.undo()) applyHistoryStep(*step, true);
    }
    if (editorHistory_.availability().isAtUndoLimitBoundary && onTransientMessage) {
        onTransientMessage(EditorMessages::undoLimitReached());
    }
}

void EditorCanvasView::redo() {
    VLT_PRECONDITION(isMainThread(), "editor commands run on the main thread");
    annotations_.flushHeldClick();
    finishOpenInteraction();
    if (!isHistoryBusy_) {
        if (auto step = editorHistory_.redo()) applyHistoryStep(*step, false);
    }
}

void EditorCanvasView::resetEdits() {
    VLT_PRECONDITION(isMainThread(), "editor commands run on the main thread");
    cancelGesture();
    if (!isHistoryIdle() || !renderer_ || !deformationHistory_) return;
    auto cleared = renderer_->clearDisplacement();
    if (!cleared.ok()) {
        failGraphics(cleared.error());
        refreshOverlay();
        return;
    }
    deformationHistory_->reset();
    editorHistory_.reset();
    annotations_.resetPresentation();
    annotations_.reportSelection();
    updateHistoryAvailability();
    requestRedraw();
}

bool EditorCanvasView::cancelGesture() {
    // A released stroke is finished work even while it catches up: it is completed,
    // never cancelled.
    if (strokes_.phase() == BrushStrokeController::Phase::released) finishStroke();
    const bool hadClick = annotations_.hasHeldClick();
    const bool hadGesture = annotations_.hasActiveGesture();
    const bool cancelsStroke = strokes_.isUnderWay();
    if (!cancelsStroke && !hadClick && !hadGesture) return false;
    annotations_.dropHeldClick();
    if (hadGesture) annotations_.finishGesture(false);
    if (cancelsStroke) cancelStroke();
    refreshOverlay();
    return true;
}

bool EditorCanvasView::deleteSelectedAnnotation() { return annotations_.deleteSelected(); }

bool EditorCanvasView::editSelectedTextAnnotation() { return annotations_.editSelectedText(); }

void EditorCanvasView::commitTextEntry(const AnnotationTextRequest& request, const QString& text) {
    annotations_.commitTextEntry(request, text);
}

void EditorCanvasView::flushPendingAnnotationClick() { annotations_.flushHeldClick(); }

void EditorCanvasView::clearAnnotationSelection() { annotations_.clearSelection(); }

void EditorCanvasView::prepareCommittedState(EditorStatePreparationIntent intent,
                                             std::function<void(bool canReset)> completion) {
    if (intent == EditorStatePreparationIntent::close) {
        annotations_.dropHeldClick();
    } else {
        annotations_.flushHeldClick();
    }
    finishOpenInteraction();
    if (isHistoryIdle()) {
        if (completion) completion(deformationHistory_ ? editorHistory_.availability().canReset : false);
        return;
    }
    if (completion) pendingStatePreparationCompletions_.push_back(std::move(completion));
}

std::vector<AnnotationObject> EditorCanvasView::currentAnnotations() const {
    return editorHistory_.currentAnnotations();
}

void EditorCanvasView::makeStillImageSnapshot(std::function<void(Result<StillImageRenderSnapshot>)> completion) {
    if (!completion) return;
    if (!isHistoryIdle() || !renderer_ || !canvas_) {
        completion(StillImageOutputFailure::rendererUnavailable());
        return;
    }
    QImage original = canvas_->image();
    std::vector<AnnotationObject> annotations = currentAnnotations();
    renderer_->makeOutputImage(1.0f, renderer_->width(), renderer_->height(),
                               [original = std::move(original), annotations = std::move(annotations),
                                completion = std::move(completion)](Result<QImage, MetalDeformationFailure> result) {
                                   if (!result.ok()) {
                                       completion(sharedError(result.error()));
                                       return;
                                   }
                                   completion(StillImageRenderSnapshot{original, result.value(), annotations});
                               });
}

void EditorCanvasView::writeAnimationVideo(const QString& destinationPath, std::stop_token stop,
                                           std::function<void(double)> progress,
                                           std::function<void(Result<AnimationVideoDescriptor>)> completion) {
    if (!completion) return;
    if (!isHistoryIdle() || !renderer_ || !canvas_) {
        completion(AnimationVideoFailure::rendererUnavailable());
        return;
    }
    const ImageSize size = canvas_->descriptor().canvasSize;
    writeAnimationVideoFrames(destinationPath, renderer_, size.width, size.height, currentAnnotations(),
                              std::move(stop), std::move(progress), std::move(completion));
}

// --- Animate -------------------------------------------------------------------------

void EditorCanvasView::startAnimationPlayback() {
    if (state_.tab != EditorTab::animate || isInteractionSuspended_) return;
    annotations_.flushHeldClick();
    finishOpenInteraction();
    animationScale_ = 0.0f;
    isAnimationStartPending_ = true;
    startAnimationIfPending();
}

void EditorCanvasView::startAnimationIfPending() {
    if (!isAnimationStartPending_ || state_.tab != EditorTab::animate || isInteractionSuspended_ || !isHistoryIdle()) {
        return;
    }
    isAnimationStartPending_ = false;
    if (editorHistory_.availability().canReset) {
        animationScale_ = 0.0f;
        animationStartedAt_ = clock_.uptimeSeconds();
        unpause();
        if (onAnimationPlaybackChange) onAnimationPlaybackChange(true);
        return;
    }
    if (onTransientMessage) onTransientMessage(EditorMessages::nothingToAnimate());
    if (onAnimationPlaybackChange) onAnimationPlaybackChange(false);
    requestRedraw();
}

void EditorCanvasView::stopAnimationPlayback() {
    isAnimationStartPending_ = false;
    animationStartedAt_.reset();
    animationScale_ = 1.0f;
    if (!strokes_.needsFrames()) pause();
    if (onAnimationPlaybackChange) onAnimationPlaybackChange(false);
    requestRedraw();
}

// --- Widget life -----------------------------------------------------------------------

void EditorCanvasView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    overlayView_->setGeometry(rect());
    navigation_.layoutScrollers();
    state_.center = viewportGeometry().clampedCenter(state_.center);
    navigation_.refresh();
}

void EditorCanvasView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!hasScheduledInitialKeyboardFocus_) {
        hasScheduledInitialKeyboardFocus_ = true;
        QPointer<EditorCanvasView> self(this);
        QPointer<QWidget> shownIn(window());
        scheduler_.post([self, shownIn] {
            if (!self || self->window() != shownIn || self->isInteractionSuspended_) return;
            self->setFocus(Qt::OtherFocusReason);
        });
    }
    requestRedraw();
}

}  // namespace vlt

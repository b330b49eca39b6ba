#include "canvas/editor_canvas_representable.h"

#include <algorithm>
#include <cmath>

#include "canvas/editor_canvas_view.h"
#include "editing/session/editor_messages.h"
#include "editing/session/editor_session.h"
#include "output/still/still_image_output_failure.h"
#include "output/video/animation_video_failure.h"

namespace vlt {

namespace {

constexpr double kCenterTolerance = 1e-6;

}  // namespace

EditorCanvasRepresentable::EditorCanvasRepresentable(EditorSession& session, Scheduler& scheduler, QObject* parent)
    : QObject(parent), session_(&session), scheduler_(scheduler) {
    const auto changed = [this] { scheduleUpdate(); };
    connect(&session, &EditorSession::selectedTabChanged, this, changed);
    connect(&session, &EditorSession::zoomFactorChanged, this, changed);
    connect(&session, &EditorSession::centerChanged, this, changed);
    connect(&session, &EditorSession::showsComparisonLabelsChanged, this, changed);
    connect(&session, &EditorSession::originalComparisonLabelChanged, this, changed);
    connect(&session, &EditorSession::simulationComparisonLabelChanged, this, changed);
    connect(&session, &EditorSession::modeChanged, this, changed);
    connect(&session, &EditorSession::selectedReshapeToolChanged, this, changed);
    connect(&session, &EditorSession::selectedAnnotationToolChanged, this, changed);
    connect(&session, &EditorSession::deformationToolDiameterChanged, this, changed);
    connect(&session, &EditorSession::annotationToolDiameterChanged, this, changed);
    connect(&session, &EditorSession::annotationColorChanged, this, changed);
    connect(&session, &EditorSession::annotationFontChanged, this, changed);
    connect(&session, &EditorSession::isMoveModeChanged, this, changed);
}

EditorCanvasRepresentable::~EditorCanvasRepresentable() { pendingUpdate_.cancel(); }

EditorCanvasView* EditorCanvasRepresentable::makeView(QWidget* parent) {
    auto* view = new EditorCanvasView(parent);
    bind(view);
    return view;
}

void EditorCanvasRepresentable::bind(EditorCanvasView* view) {
    view_ = view;
    installCallbacks(view);
    installCommands(view);
    update();
}

void EditorCanvasRepresentable::scheduleUpdate() {
    if (pendingUpdate_.isScheduled()) return;
    QPointer<EditorCanvasRepresentable> self(this);
    pendingUpdate_ = scheduler_.post([self] {
        if (self) self->update();
    });
}

void EditorCanvasRepresentable::setInteractionSuspended(bool suspended) {
    if (isInteractionSuspended_ == suspended) return;
    isInteractionSuspended_ = suspended;
    update();
}

void EditorCanvasRepresentable::installCallbacks(EditorCanvasView* view) {
    QPointer<EditorCanvasRepresentable> self(this);
    // Viewport reports arrive while the view lays itself out; the session hears of
    // them one turn later so that its observers never run inside that layout.
    view->onViewportChange = [self](double zoom, QPointF center) {
        if (!self) return;
        self->scheduler_.post([self, zoom, center] {
            if (!self || !self->session_) return;
            self->session_->setZoomFactor(zoom);
            self->session_->setCenter(center);
        });
    };
    view->onZoomChange = [self](double zoom) {
        if (!self) return;
        self->scheduler_.post([self, zoom] {
            if (self && self->session_) self->session_->updateZoomHint(true, zoom);
        });
    };
    view->onFitScaleChange = [self](double scale) {
        if (!self) return;
        self->scheduler_.post([self, scale] {
            if (self && self->session_) self->session_->setFitScale(scale);
        });
    };
    view->onHistoryAvailabilityChange = [self](const EditorHistoryAvailability& availability) {
        if (!self || !self->session_) return;
        self->session_->setCanUndo(availability.canUndo);
        self->session_->setCanRedo(availability.canRedo);
        self->session_->setCanReset(availability.canReset);
        self->session_->setHistoryStateRevision(availability.stateRevision);
    };
    view->onSelectTab = [self](EditorTab tab) {
        if (self) self->selectTab(tab);
    };
    view->onAnimationPlaybackChange = [self](bool playing) {
        if (self && self->session_) self->session_->setAnimationPlaying(playing);
    };
    view->onBrushDiameterChange = [self](double diameter) {
        if (!self || !self->session_ || !std::isfinite(diameter)) return;
        self->session_->setToolDiameter(self->session_->toolDiameterRange().clamp(diameter));
    };
    view->onToolShortcut = [self](EditorTool tool) {
        if (self && self->session_) self->session_->selectTool(tool);
    };
    view->onAnnotationSelectionChange = [self](bool hasSelection, bool isText) {
        if (!self || !self->session_) return;
        self->session_->setHasSelectedAnnotation(hasSelection);
        self->session_->setHasSelectedTextAnnotation(isText);
    };
    view->onTextEntryRequest = [self](const AnnotationTextRequest& request) {
        if (self && self->session_) self->session_->setTextEntryRequest(request);
    };
    view->onGraphicsFailure = [self] {
        if (self && self->onGraphicsFailure) self->onGraphicsFailure();
    };
    view->onTransientMessage = [self](const QString& text) {
        if (self && self->session_) self->session_->showTransientMessage(text, EditorMessages::kTransientSeconds);
    };
}

void EditorCanvasRepresentable::installCommands(EditorCanvasView* view) {
    EditorSession& session = *session_;
    QPointer<EditorCanvasView> weak(view);
    session.undoEditor = [weak] {
        if (weak) weak->undo();
    };
    session.redoEditor = [weak] {
        if (weak) weak->redo();
    };
    session.resetEditor = [weak] {
        if (weak) weak->resetEdits();
    };
    session.cancelEditorGesture = [weak] {
        if (weak) weak->cancelGesture();
    };
    session.deleteSelectedAnnotation = [weak] {
        if (weak) weak->deleteSelectedAnnotation();
    };
    session.editSelectedTextAnnotation = [weak] {
        if (weak) weak->editSelectedTextAnnotation();
    };
    session.commitTextEntry = [weak](const AnnotationTextRequest& request, const QString& text) {
        if (weak) weak->commitTextEntry(request, text);
    };
    session.prepareCommittedEditorState = [weak](EditorStatePreparationIntent intent,
                                                 std::function<void(bool)> completion) {
        if (weak) {
            weak->prepareCommittedState(intent, std::move(completion));
        } else if (completion) {
            completion(false);
        }
    };
    session.makeStillImageSnapshot = [weak](EditorSession::StillImageSnapshotCompletion completion) {
        if (weak) {
            weak->makeStillImageSnapshot(std::move(completion));
        } else if (completion) {
            completion(StillImageOutputFailure::rendererUnavailable());
        }
    };
    session.stopAnimationPlayback = [weak] {
        if (weak) weak->stopAnimationPlayback();
    };
    session.writeAnimationVideo = [weak](const QString& destinationPath, std::stop_token stop,
                                         EditorSession::VideoProgress progress,
                                         EditorSession::AnimationVideoCompletion completion) {
        if (weak) {
            weak->writeAnimationVideo(destinationPath, std::move(stop), std::move(progress), std::move(completion));
        } else if (completion) {
            completion(AnimationVideoFailure::rendererUnavailable());
        }
    };
}

void EditorCanvasRepresentable::selectTab(EditorTab tab) {
    if (!session_) return;
    if (tab == EditorTab::animate) {
        session_->fitImage();
    } else if (session_->lastNonAnimationTab() != tab) {
        session_->setLastNonAnimationTab(tab);
    }
    if (session_->selectedTab() != tab) session_->setSelectedTab(tab);
    session_->updateZoomHint(true);
}

void EditorCanvasRepresentable::update() {
    pendingUpdate_.cancel();
    if (!session_ || !view_) return;
    EditorSession& session = *session_;
    EditorCanvasView& view = *view_;

    EditorCanvasSessionState next = view.sessionState();
    next.tab = session.selectedTab();
    next.zoomFactor = session.zoomFactor();
    const QPointF sessionCenter = session.center();
    next.showsComparisonLabels = session.showsComparisonLabels();
    next.originalComparisonLabel = session.originalComparisonLabel();
    next.simulationComparisonLabel = session.simulationComparisonLabel();
    next.tool = session.activeTool();
    next.toolDiameter = session.toolDiameter();
    next.annotationColor = session.annotationColor();
    next.annotationFont = session.annotationFont();
    next.isMoveMode = session.isMoveMode();

    if (!view.canvas() || (session.editingCanvas() && view.canvas()->id() != session.editingCanvas()->id())) {
        view.setCanvas(session.editingCanvas());
    }

    const EditorCanvasSessionState previous = view.sessionState();
    const bool toolOrTabChanged = next.tool != previous.tool || next.tab != previous.tab;
    if (toolOrTabChanged) {
        view.finishOpenInteraction();
        view.flushPendingAnnotationClick();
    }
    if (next.tool != EditorTool::selectMove && next.tool != previous.tool) view.clearAnnotationSelection();

    next.zoomFactor = std::clamp(next.zoomFactor, 1.0, EditorCanvasView::kMaximumZoom);
    view.storeSessionState(next);
    const QPointF clampedCenter = view.viewportGeometry().clampedCenter(sessionCenter);
    next.center = clampedCenter;
    view.storeSessionState(next);

    bool startedPlayback = false;
    if (view.isInteractionSuspended() != isInteractionSuspended_) {
        view.setInteractionSuspended(isInteractionSuspended_);
        if (isInteractionSuspended_) {
            view.cancelGesture();
            view.stopAnimationPlayback();
            view.forgetPointer();
        } else if (next.tab == EditorTab::animate) {
            view.startAnimationPlayback();
            startedPlayback = true;
        }
    }
    if (next.tab != previous.tab) {
        if (previous.tab == EditorTab::animate) {
            view.stopAnimationPlayback();
        } else if (next.tab == EditorTab::animate && !isInteractionSuspended_ && !startedPlayback) {
            view.startAnimationPlayback();
        }
    }

    view.navigation().refresh();
    const QPointF offset = clampedCenter - sessionCenter;
    if (std::hypot(offset.x(), offset.y()) > kCenterTolerance && view.onViewportChange) {
        view.onViewportChange(next.zoomFactor, clampedCenter);
    }
}

}  // namespace vlt

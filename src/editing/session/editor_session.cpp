#include "editing/session/editor_session.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QPointer>

#include "editing/session/editor_messages.h"
#include "base/precondition.h"

namespace vlt {

namespace {

constexpr double kInitialDiameterShareOfLongerSide = 0.2;
constexpr double kLargestDiameterShareOfLongerSide = 0.5;
constexpr double kSmallestReshapeDiameter = 16.0;
constexpr double kSmallestAnnotationDiameter = 1.0;
constexpr double kLargestAnnotationDiameter = 300.0;
constexpr double kSmallestFitScale = 0.000001;
constexpr double kZoomOfUnknownPixelSize = 1'000'000.0;

// Writes the value and reports whether it changed; equal writes stay silent.
template <typename T>
bool store(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

// Both coordinates exactly: QPointF's own comparison is fuzzy.
bool store(QPointF& field, QPointF value) {
    if (field.x() == value.x() && field.y() == value.y()) return false;
    field = value;
    return true;
}

// The largest reshape brush: half the longer canvas side, at least 1 pixel.
double largestReshapeDiameter(ImageSize canvas) {
    const double longer = static_cast<double>(std::max(canvas.width, canvas.height));
    return std::max(std::floor(longer * kLargestDiameterShareOfLongerSide), 1.0);
}

// A fifth of the longer canvas side, within the reshape range.
double initialReshapeDiameter(ImageSize canvas) {
    const double longer = static_cast<double>(std::max(canvas.width, canvas.height));
    const double largest = largestReshapeDiameter(canvas);
    return std::min(largest, std::max(std::round(longer * kInitialDiameterShareOfLongerSide),
                                      std::min(kSmallestReshapeDiameter, largest)));
}

ImageSize canvasSizeOf(const SharedEditingCanvas& canvas) {
    VLT_PRECONDITION(canvas != nullptr, "an editor session needs its editing canvas");
    const ImageSize size = canvas->descriptor().canvasSize;
    VLT_PRECONDITION(size.width >= 1 && size.height >= 1, "a canvas is never empty");
    return size;
}

}  // namespace

EditorSession::EditorSession(std::shared_ptr<CropDocument> document, SharedEditingCanvas editingCanvas,
                             QString originalComparisonLabel, QString simulationComparisonLabel, Scheduler& scheduler,
                             QObject* parent)
    : QObject(parent),
      document_(std::move(document)),
      editingCanvas_(std::move(editingCanvas)),
      canvasSize_(canvasSizeOf(editingCanvas_)),
      scheduler_(scheduler),
      originalComparisonLabel_(std::move(originalComparisonLabel)),
      simulationComparisonLabel_(std::move(simulationComparisonLabel)),
      annotationFont_(
          AnnotationFontStyle::defaultStyle(static_cast<int>(canvasSize_.width), static_cast<int>(canvasSize_.height))),
      deformationToolDiameter_(initialReshapeDiameter(canvasSize_)) {}

EditorSession::~EditorSession() { transientMessageTask_.cancel(); }

void EditorSession::setSelectedTab(EditorTab tab) {
    if (store(selectedTab_, tab)) emit selectedTabChanged(tab);
}

void EditorSession::setLastNonAnimationTab(EditorTab tab) {
    if (store(lastNonAnimationTab_, tab)) emit lastNonAnimationTabChanged(tab);
}

void EditorSession::setAnimationPlaying(bool playing) {
    if (store(isAnimationPlaying_, playing)) emit isAnimationPlayingChanged(playing);
}

void EditorSession::storeMode(EditorMode mode) {
    if (store(mode_, mode)) emit modeChanged(mode);
}

EditorTool EditorSession::activeTool() const {
    return mode_ == EditorMode::annotate ? selectedAnnotationTool_ : selectedReshapeTool_;
}

void EditorSession::setZoomFactor(double zoom) {
    if (store(zoomFactor_, zoom)) emit zoomFactorChanged(zoom);
}

void EditorSession::setCenter(QPointF center) {
    if (store(center_, center)) emit centerChanged(center);
}

void EditorSession::setFitScale(double scale) {
    if (store(fitScale_, scale)) emit fitScaleChanged(scale);
}

void EditorSession::setShowsComparisonLabels(bool shows) {
    if (store(showsComparisonLabels_, shows)) emit showsComparisonLabelsChanged(shows);
}

void EditorSession::setOriginalComparisonLabel(const QString& label) {
    if (store(originalComparisonLabel_, label)) emit originalComparisonLabelChanged(label);
}

void EditorSession::setSimulationComparisonLabel(const QString& label) {
    if (store(simulationComparisonLabel_, label)) emit simulationComparisonLabelChanged(label);
}

void EditorSession::setMoveMode(bool moving) {
    if (store(isMoveMode_, moving)) emit isMoveModeChanged(moving);
}

void EditorSession::setToolRailExpanded(bool expanded) {
    if (store(isToolRailExpanded_, expanded)) emit isToolRailExpandedChanged(expanded);
}

void EditorSession::setInspectorExpanded(bool expanded) {
    if (store(isInspectorExpanded_, expanded)) emit isInspectorExpandedChanged(expanded);
}

void EditorSession::setToolSuggestionsExpanded(bool expanded) {
    if (store(isToolSuggestionsExpanded_, expanded)) emit isToolSuggestionsExpandedChanged(expanded);
}

void EditorSession::setSelectedPushSuggestion(const QString& key) {
    if (store(selectedPushSuggestion_, key)) emit selectedPushSuggestionChanged(key);
}

void EditorSession::setSelectedGrowSuggestion(const QString& key) {
    if (store(selectedGrowSuggestion_, key)) emit selectedGrowSuggestionChanged(key);
}

void EditorSession::setSelectedShrinkSuggestion(const QString& key) {
    if (store(selectedShrinkSuggestion_, key)) emit selectedShrinkSuggestionChanged(key);
}

void EditorSession::setCanUndo(bool can) {
    if (store(canUndo_, can)) emit canUndoChanged(can);
}

void EditorSession::setCanRedo(bool can) {
    if (store(canRedo_, can)) emit canRedoChanged(can);
}

void EditorSession::setCanReset(bool can) {
    if (store(canReset_, can)) emit canResetChanged(can);
}

void EditorSession::setHistoryStateRevision(std::int64_t revision) {
    if (store(historyStateRevision_, revision)) emit historyStateRevisionChanged(revision);
}

void EditorSession::setHasSelectedAnnotation(bool has) {
    if (store(hasSelectedAnnotation_, has)) emit hasSelectedAnnotationChanged(has);
}

void EditorSession::setHasSelectedTextAnnotation(bool has) {
    if (store(hasSelectedTextAnnotation_, has)) emit hasSelectedTextAnnotationChanged(has);
}

void EditorSession::setAnnotationColor(const AnnotationColor& color) {
    if (store(annotationColor_, color)) emit annotationColorChanged(color);
}

void EditorSession::setAnnotationFont(const AnnotationFontStyle& font) {
    if (store(annotationFont_, font)) emit annotationFontChanged(font);
}

void EditorSession::setTextEntryRequest(const std::optional<AnnotationTextRequest>& request) {
    if (store(textEntryRequest_, request)) emit textEntryRequestChanged(request);
}

void EditorSession::setTransientMessage(const std::optional<QString>& message) {
    if (store(transientMessage_, message)) emit transientMessageChanged(message);
}

void EditorSession::setPersistentMessage(const std::optional<QString>& message) {
    if (store(persistentMessage_, message)) emit persistentMessageChanged(message);
}

void EditorSession::setDeformationToolDiameter(double diameter) {
    if (store(deformationToolDiameter_, diameter)) emit deformationToolDiameterChanged(diameter);
}

void EditorSession::setAnnotationToolDiameter(double diameter) {
    if (store(annotationToolDiameter_, diameter)) emit annotationToolDiameterChanged(diameter);
}

double EditorSession::toolDiameter() const {
    return mode_ == EditorMode::annotate ? annotationToolDiameter_ : deformationToolDiameter_;
}

ToolDiameterRange EditorSession::toolDiameterRange() const {
    if (mode_ == EditorMode::annotate) return {kSmallestAnnotationDiameter, kLargestAnnotationDiameter};
    const double largest = largestReshapeDiameter(canvasSize_);
    return {std::min(largest, kSmallestReshapeDiameter), largest};
}

void EditorSession::setToolDiameter(double diameter) {
    if (mode_ == EditorMode::annotate) {
        setAnnotationToolDiameter(diameter);
    } else {
        setDeformationToolDiameter(diameter);
    }
}

void EditorSession::clampToolDiameterIntoRange() { setToolDiameter(toolDiameterRange().clamp(toolDiameter())); }

void EditorSession::selectTool(EditorTool tool) {
    storeMode(editorMode(tool));
    if (isReshapeTool(tool)) {
        if (store(selectedReshapeTool_, tool)) emit selectedReshapeToolChanged(tool);
    } else {
        if (store(selectedAnnotationTool_, tool)) emit selectedAnnotationToolChanged(tool);
    }
    setMoveMode(false);
    clampToolDiameterIntoRange();
}

void EditorSession::setMode(EditorMode mode) {
    storeMode(mode);
    setMoveMode(false);
    clampToolDiameterIntoRange();
}

void EditorSession::exitAnimationTab() {
    if (selectedTab_ != EditorTab::animate) return;
    if (stopAnimationPlayback) stopAnimationPlayback();
    setSelectedTab(lastNonAnimationTab_);
}

void EditorSession::fitImage() {
    setZoomFactor(kMinimumZoom);
    setCenter(QPointF(0.5, 0.5));
    setMoveMode(false);
    updateZoomHint(false);
}

void EditorSession::setZoom(double zoom) {
    // A zoom that is not a number comes from a broken input; the fit is the safe reading.
    const double requested = std::isnan(zoom) ? kMinimumZoom : zoom;
    setZoomFactor(std::clamp(requested, kMinimumZoom, kMaximumZoom));
    if (zoomFactor_ <= kFitZoomTolerance) {
        setCenter(QPointF(0.5, 0.5));
        setMoveMode(false);
    }
    updateZoomHint(true);
}

void EditorSession::toggleMoveMode() {
    if (zoomFactor_ > kFitZoomTolerance) {
        setMoveMode(!isMoveMode_);
        return;
    }
    setMoveMode(false);
    showTransientMessage(EditorMessages::zoomInBeforeMoving(), EditorMessages::kTransientSeconds);
}

void EditorSession::selectAdjacentTab(int offset) {
    const auto current = static_cast<long long>(selectedTab_);
    const long long target = current + offset;
    if (target < 0 || target >= static_cast<long long>(kAllEditorTabs.size())) {
        const QString& message =
            offset < 0 ? EditorMessages::alreadyOnOriginalTab() : EditorMessages::alreadyOnAnimationTab();
        showTransientMessage(message, EditorMessages::kTransientSeconds);
        return;
    }

    const EditorTab tab = kAllEditorTabs[static_cast<std::size_t>(target)];
    if (tab == EditorTab::animate) {
        fitImage();
    } else {
        setLastNonAnimationTab(tab);
    }
    setSelectedTab(tab);
    updateZoomHint(true);
}

void EditorSession::updateZoomHint(bool showHint, std::optional<double> zoom) {
    const double shownZoom = zoom.value_or(zoomFactor_);
    if (showHint && isEditable(selectedTab_) && shownZoom > kFitZoomTolerance) {
        showTransientMessage(EditorMessages::zoomedImageMoveHint(), EditorMessages::kZoomHintSeconds);
    } else {
        clearTransientMessage(EditorMessages::zoomedImageMoveHint());
    }
}

int EditorSession::zoomSliderPercent() const {
    const double pixelZoom = fitScale_ > kSmallestFitScale ? 1.0 / fitScale_ : kZoomOfUnknownPixelSize;
    const double percent =
        pixelZoom > kFitZoomTolerance ? (zoomFactor_ - 1.0) / (pixelZoom - 1.0) * 100.0 : (zoomFactor_ - 1.0) * 100.0;
    const double rounded = std::round(percent);
    if (std::isnan(rounded)) return 0;
    constexpr double kLargest = std::numeric_limits<int>::max();
    constexpr double kSmallest = std::numeric_limits<int>::min();
    return static_cast<int>(std::clamp(rounded, kSmallest, kLargest));
}

void EditorSession::showTransientMessage(const QString& text, double durationSeconds) {
    if (text.trimmed().isEmpty()) return;
    transientMessageTask_.cancel();
    setTransientMessage(text);

    // The timer holds the session weakly: a dropped session is not kept alive, and a
    // cancelled timer never clears a newer message.
    QPointer<EditorSession> weakSelf(this);
    transientMessageTask_ = scheduler_.schedule(durationSeconds, [weakSelf] {
        if (!weakSelf) return;
        weakSelf->transientMessageTask_ = ScheduledWork();
        weakSelf->setTransientMessage(std::nullopt);
    });
}

void EditorSession::clearTransientMessage(const QString& ifShowing) {
    if (!transientMessage_ || *transientMessage_ != ifShowing) return;
    transientMessageTask_.cancel();
    setTransientMessage(std::nullopt);
}

void EditorSession::showPersistentMessage(const QString& text) {
    if (text.trimmed().isEmpty()) return;
    setPersistentMessage(text);
}

void EditorSession::clearPersistentMessage() { setPersistentMessage(std::nullopt); }

}  // namespace vlt

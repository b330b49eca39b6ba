#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>

#include <QObject>
#include <QPointF>
#include <QString>

#include "editing/annotations/annotation_color.h"
#include "editing/annotations/annotation_font_style.h"
#include "editing/annotations/annotation_text_request.h"
#include "editing/preparation/editing_canvas.h"
#include "editing/session/animation_video_descriptor.h"
#include "editing/engine/editor_mode.h"
#include "editing/session/editor_state_preparation_intent.h"
#include "editing/session/editor_tab.h"
#include "editing/engine/editor_tool.h"
#include "editing/session/still_image_render_snapshot.h"
#include "editing/session/tool_diameter_range.h"
#include "base/result.h"
#include "import/image_size.h"
#include "base/scheduler.h"

namespace vlt {

class CropDocument;

// The observable state of one editing session, shared by the editor screen and the
// canvas: tab, mode and tools, zoom and pan, brush sizes, annotation colour and font,
// history availability, the pending text entry and the message banners. It owns no
// GPU object and no history. Main thread only.
//
// Every property has one change signal, emitted only when a write changes the value.
// The command closures are installed by the canvas; until then they are empty, and
// callers treat an empty one as "the canvas is not there" (plain commands do nothing,
// state preparation answers false, snapshot and video fail as renderer-unavailable).
class EditorSession final : public QObject {
    Q_OBJECT

public:
    using Command = std::function<void()>;
    using TextEntryCommit = std::function<void(const AnnotationTextRequest& request, const QString& text)>;
    using StatePreparation =
        std::function<void(EditorStatePreparationIntent intent, std::function<void(bool canReset)> completion)>;
    using StillImageSnapshotCompletion = std::function<void(Result<StillImageRenderSnapshot>)>;
    using StillImageSnapshotCommand = std::function<void(StillImageSnapshotCompletion completion)>;
    // Percent, 0 to 100.
    using VideoProgress = std::function<void(double percent)>;
    using AnimationVideoCompletion = std::function<void(Result<AnimationVideoDescriptor>)>;
    // Writes the morph video into a new file; a stop request ends it with a cancellation.
    using AnimationVideoCommand = std::function<void(const QString& destinationPath, std::stop_token stop,
                                                     VideoProgress progress, AnimationVideoCompletion completion)>;

    // The menu's zoom in and out multiply or divide the zoom by this.
    static constexpr double kZoomStep = 1.4142135623730951;
    static constexpr double kMinimumZoom = 1.0;
    static constexpr double kMaximumZoom = 16.0;
    // Zooms this close to 1 count as the fit.
    static constexpr double kFitZoomTolerance = 1.000001;

    // The canvas must be present; its sides are at least 1 pixel.
    EditorSession(std::shared_ptr<CropDocument> document, SharedEditingCanvas editingCanvas,
                  QString originalComparisonLabel, QString simulationComparisonLabel,
                  Scheduler& scheduler = QtScheduler::shared(), QObject* parent = nullptr);
    ~EditorSession() override;

    const std::shared_ptr<CropDocument>& document() const { return document_; }
    const SharedEditingCanvas& editingCanvas() const { return editingCanvas_; }
    ImageSize canvasSize() const { return canvasSize_; }

    EditorTab selectedTab() const { return selectedTab_; }
    void setSelectedTab(EditorTab tab);
    EditorTab lastNonAnimationTab() const { return lastNonAnimationTab_; }
    void setLastNonAnimationTab(EditorTab tab);
    bool isAnimationPlaying() const { return isAnimationPlaying_; }
    void setAnimationPlaying(bool playing);

    EditorMode mode() const { return mode_; }
    EditorTool selectedReshapeTool() const { return selectedReshapeTool_; }
    EditorTool selectedAnnotationTool() const { return selectedAnnotationTool_; }
    // The tool of the current mode.
    EditorTool activeTool() const;

    double zoomFactor() const { return zoomFactor_; }
    // Stores the canvas's own zoom as reported; setZoom() is the clamping operation.
    void setZoomFactor(double zoom);
    QPointF center() const { return center_; }
    void setCenter(QPointF center);
    double fitScale() const { return fitScale_; }
    void setFitScale(double scale);

    bool showsComparisonLabels() const { return showsComparisonLabels_; }
    void setShowsComparisonLabels(bool shows);
    const QString& originalComparisonLabel() const { return originalComparisonLabel_; }
    void setOriginalComparisonLabel(const QString& label);
    const QString& simulationComparisonLabel() const { return simulationComparisonLabel_; }
    void setSimulationComparisonLabel(const QString& label);

    bool isMoveMode() const { return isMoveMode_; }
    void setMoveMode(bool moving);
    bool isToolRailExpanded() const { return isToolRailExpanded_; }
    void setToolRailExpanded(bool expanded);
    bool isInspectorExpanded() const { return isInspectorExpanded_; }
    void setInspectorExpanded(bool expanded);
    bool isToolSuggestionsExpanded() const { return isToolSuggestionsExpanded_; }
    void setToolSuggestionsExpanded(bool expanded);

    const QString& selectedPushSuggestion() const { return selectedPushSuggestion_; }
    void setSelectedPushSuggestion(const QString& key);
    const QString& selectedGrowSuggestion() const { return selectedGrowSuggestion_; }
    void setSelectedGrowSuggestion(const QString& key);
    const QString& selectedShrinkSuggestion() const { return selectedShrinkSuggestion_; }
    void setSelectedShrinkSuggestion(const QString& key);

    bool canUndo() const { return canUndo_; }
    void setCanUndo(bool can);
    bool canRedo() const { return canRedo_; }
    void setCanRedo(bool can);
    bool canReset() const { return canReset_; }
    void setCanReset(bool can);
    std::int64_t historyStateRevision() const { return historyStateRevision_; }
    void setHistoryStateRevision(std::int64_t revision);
    // Not observed: written by the application model after a save that included the
    // Simulation or the Comparison.
    std::int64_t lastSuccessfulStillImageSaveRevision() const { return lastSuccessfulStillImageSaveRevision_; }
    void setLastSuccessfulStillImageSaveRevision(std::int64_t revision) {
        lastSuccessfulStillImageSaveRevision_ = revision;
    }

    bool hasSelectedAnnotation() const { return hasSelectedAnnotation_; }
    void setHasSelectedAnnotation(bool has);
    bool hasSelectedTextAnnotation() const { return hasSelectedTextAnnotation_; }
    void setHasSelectedTextAnnotation(bool has);

    const AnnotationColor& annotationColor() const { return annotationColor_; }
    void setAnnotationColor(const AnnotationColor& color);
    const AnnotationFontStyle& annotationFont() const { return annotationFont_; }
    void setAnnotationFont(const AnnotationFontStyle& font);
    const std::optional<AnnotationTextRequest>& textEntryRequest() const { return textEntryRequest_; }
    void setTextEntryRequest(const std::optional<AnnotationTextRequest>& request);

    const std::optional<QString>& transientMessage() const { return transientMessage_; }
    const std::optional<QString>& persistentMessage() const { return persistentMessage_; }

    double deformationToolDiameter() const { return deformationToolDiameter_; }
    void setDeformationToolDiameter(double diameter);
    double annotationToolDiameter() const { return annotationToolDiameter_; }
    void setAnnotationToolDiameter(double diameter);

    // The diameter of the current mode and the range it may take.
    double toolDiameter() const;
    ToolDiameterRange toolDiameterRange() const;
    // Stores the value as given into the current mode's diameter; callers keep it
    // within toolDiameterRange().
    void setToolDiameter(double diameter);

    // Chooses a tool and its mode, ends move mode and brings the mode's diameter into
    // its range.
    void selectTool(EditorTool tool);
    // The same for a mode: the tool last used in it becomes active again.
    void setMode(EditorMode mode);
    // Leaves the Animate tab for the tab shown before it, stopping the morph first.
    void exitAnimationTab();
    void fitImage();
    // Zoom clamped to 1...16; at the fit the view is recentred and move mode ends.
    void setZoom(double zoom);
    void toggleMoveMode();
    // Left and Right Arrow: -1 or +1 in tab order, with a message at either end.
    void selectAdjacentTab(int offset);
    // Shows the pan hint when asked for while zoomed in on an editable tab, else takes
    // that hint (and only that one) away. Without a zoom the stored one is used.
    void updateZoomHint(bool showHint, std::optional<double> zoom = std::nullopt);
    // 0 at the fit, 100 at one canvas pixel per layout point.
    int zoomSliderPercent() const;

    // A blank text changes nothing; otherwise it replaces the shown message and
    // restarts the timer.
    void showTransientMessage(const QString& text, double durationSeconds);
    void clearTransientMessage(const QString& ifShowing);
    void showPersistentMessage(const QString& text);
    void clearPersistentMessage();

    // Installed by the canvas; see the class comment for an empty one.
    Command undoEditor;
    Command redoEditor;
    Command resetEditor;
    Command cancelEditorGesture;
    Command deleteSelectedAnnotation;
    Command editSelectedTextAnnotation;
    TextEntryCommit commitTextEntry;
    StatePreparation prepareCommittedEditorState;
    StillImageSnapshotCommand makeStillImageSnapshot;
    Command stopAnimationPlayback;
    AnimationVideoCommand writeAnimationVideo;

signals:
    void selectedTabChanged(vlt::EditorTab tab);
    void lastNonAnimationTabChanged(vlt::EditorTab tab);
    void isAnimationPlayingChanged(bool playing);
    void modeChanged(vlt::EditorMode mode);
    void selectedReshapeToolChanged(vlt::EditorTool tool);
    void selectedAnnotationToolChanged(vlt::EditorTool tool);
    void zoomFactorChanged(double zoom);
    void centerChanged(QPointF center);
    void fitScaleChanged(double scale);
    void showsComparisonLabelsChanged(bool shows);
    void originalComparisonLabelChanged(const QString& label);
    void simulationComparisonLabelChanged(const QString& label);
    void isMoveModeChanged(bool moving);
    void isToolRailExpandedChanged(bool expanded);
    void isInspectorExpandedChanged(bool expanded);
    void isToolSuggestionsExpandedChanged(bool expanded);
    void selectedPushSuggestionChanged(const QString& key);
    void selectedGrowSuggestionChanged(const QString& key);
    void selectedShrinkSuggestionChanged(const QString& key);
    void canUndoChanged(bool can);
    void canRedoChanged(bool can);
    void canResetChanged(bool can);
    void historyStateRevisionChanged(qint64 revision);
    void hasSelectedAnnotationChanged(bool has);
    void hasSelectedTextAnnotationChanged(bool has);
    void annotationColorChanged(const vlt::AnnotationColor& color);
    void annotationFontChanged(const vlt::AnnotationFontStyle& font);
    void textEntryRequestChanged(const std::optional<vlt::AnnotationTextRequest>& request);
    void transientMessageChanged(const std::optional<QString>& message);
    void persistentMessageChanged(const std::optional<QString>& message);
    void deformationToolDiameterChanged(double diameter);
    void annotationToolDiameterChanged(double diameter);

private:
    void storeMode(EditorMode mode);
    void setTransientMessage(const std::optional<QString>& message);
    void setPersistentMessage(const std::optional<QString>& message);
    void clampToolDiameterIntoRange();

    std::shared_ptr<CropDocument> document_;
    SharedEditingCanvas editingCanvas_;
    ImageSize canvasSize_;
    Scheduler& scheduler_;

    EditorTab selectedTab_ = EditorTab::comparison;
    EditorTab lastNonAnimationTab_ = EditorTab::comparison;
    bool isAnimationPlaying_ = false;
    EditorMode mode_ = EditorMode::reshape;
    EditorTool selectedReshapeTool_ = EditorTool::push;
    EditorTool selectedAnnotationTool_ = EditorTool::selectMove;
    double zoomFactor_ = 1.0;
    QPointF center_{0.5, 0.5};
    double fitScale_ = 1.0;
    bool showsComparisonLabels_ = true;
    QString originalComparisonLabel_;
    QString simulationComparisonLabel_;
    bool isMoveMode_ = false;
    bool isToolRailExpanded_ = true;
    bool isInspectorExpanded_ = true;
    bool isToolSuggestionsExpanded_ = false;
    QString selectedPushSuggestion_ = QStringLiteral("Nose");
    QString selectedGrowSuggestion_ = QStringLiteral("Lips");
    QString selectedShrinkSuggestion_ = QStringLiteral("Breast");
    bool canUndo_ = false;
    bool canRedo_ = false;
    bool canReset_ = false;
    std::int64_t historyStateRevision_ = 0;
    bool hasSelectedAnnotation_ = false;
    bool hasSelectedTextAnnotation_ = false;
    AnnotationColor annotationColor_{255, 255, 255};
    AnnotationFontStyle annotationFont_;
    std::optional<AnnotationTextRequest> textEntryRequest_;
    std::optional<QString> transientMessage_;
    std::optional<QString> persistentMessage_;
    double deformationToolDiameter_ = 1.0;
    double annotationToolDiameter_ = 8.0;
    ScheduledWork transientMessageTask_;
    std::int64_t lastSuccessfulStillImageSaveRevision_ = 0;
};

}  // namespace vlt

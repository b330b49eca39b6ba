#pragma once

#include <memory>
#include <optional>

#include <QImage>
#include <QTimer>
#include <QWidget>

#include "import/image_point.h"
#include "screens/crop/crop_interaction.h"
#include "screens/crop/crop_view_mapping.h"

namespace vlt {

class CropDocument;
struct CropSelection;

// The interactive centre of the crop screen: the document's preview, turned and
// mirrored as the selection says and fitted into the widget, with the crop overlay
// over it. Pressing near a corner drags that corner to the pointer; pressing inside the
// crop moves it; a drag that starts elsewhere does nothing. Every change of a drag
// writes one new selection into the document.
class CropSurface final : public QWidget {
    Q_OBJECT

public:
    explicit CropSurface(std::shared_ptr<CropDocument> document, QWidget* parent = nullptr);

    // A press within this distance of a corner grabs the corner.
    static constexpr double kCornerHitRadius = 16;

    CropViewMapping mapping() const;
    // Corners in their fixed order first, then the inside of the crop; none elsewhere.
    std::optional<CropInteraction> interaction(QPointF viewPoint) const;
    const std::optional<CropInteraction>& activeInteraction() const { return activeInteraction_; }
    // "Selection W by H source pixels", the pixel-aligned crop.
    QString selectionDescription() const;

    // The preview of the selection's orientation: first mirrored left to right when the
    // selection is, then turned clockwise by its quarter turns.
    static QImage orientedPreview(const QImage& preview, const CropSelection& selection, QSize targetPixels);
    // The pixel size of the picture last prepared for drawing (it lags a window resize).
    QSize preparedPreviewSize() const { return cache_.size; }

    QSize sizeHint() const override { return {640, 480}; }
    QSize minimumSizeHint() const override { return {60, 60}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void handleDragChanged(QPointF start, QPointF location);
    void handleDragEnded();
    void showCursor(const std::optional<CropInteraction>& interaction);
    void selectionDidChange();
    const QImage& scaledPreview(const CropSelection& selection, QSize targetPixels);

    std::shared_ptr<CropDocument> document_;
    std::optional<CropInteraction> activeInteraction_;
    std::optional<ImagePoint> lastFullPoint_;
    std::optional<QPointF> dragStart_;

    struct PreviewCache {
        int turns = -1;
        bool mirrored = false;
        QSize size;
        QImage image;
    };
    PreviewCache cache_;
    // Rebuilds the exact picture once a window resize has come to rest.
    static constexpr int kPreviewRefreshDelayMs = 150;
    QTimer previewRefresh_;
    bool previewRefreshDue_ = false;
};

}  // namespace vlt

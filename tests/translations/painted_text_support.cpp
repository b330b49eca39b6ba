#include "translations/painted_text_support.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>
#include <QWidget>

namespace vlt::testing {
namespace {

// Takes every drawing call and keeps only the texts, with their place.
class RecordingEngine final : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawRects(const QRectF*, int) override {}
    void drawLines(const QLineF*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override {}

    void drawTextItem(const QPointF& origin, const QTextItem& item) override {
        const QString text = item.text();
        if (text.trimmed().isEmpty()) return;
        const QTransform toDevice = painter()->deviceTransform();
        // Across, the glyphs' outlines: the font's metrics round a bearing a hair below
        // zero out to a whole pixel that shows nothing. Up and down, the rows of pixels
        // the font renders, which is where a mark above a capital is cut.
        QPainterPath outlines;
        outlines.addText(origin, item.font(), text);
        const QRectF across = outlines.boundingRect();
        const QRectF rows = QFontMetricsF(item.font()).tightBoundingRect(text).translated(origin);
        PaintedText painted;
        painted.text = text;
        painted.ink = toDevice.mapRect(QRectF(across.left(), rows.top(), across.width(), rows.height()));
        painted.baseline = toDevice.map(origin).y();
        if (painter()->hasClipping()) painted.clip = toDevice.mapRect(painter()->clipBoundingRect());
        texts.push_back(painted);
    }

    std::vector<PaintedText> texts;
};

class RecordingDevice final : public QPaintDevice {
public:
    explicit RecordingDevice(const QWidget& widget) : widget_(widget) {}

    QPaintEngine* paintEngine() const override { return &engine_; }
    std::vector<PaintedText>& texts() { return engine_.texts; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return widget_.width();
        case PdmHeight:
            return widget_.height();
        case PdmWidthMM:
            return widget_.widthMM();
        case PdmHeightMM:
            return widget_.heightMM();
        case PdmNumColors:
            return widget_.colorCount();
        case PdmDepth:
            return widget_.depth();
        case PdmDpiX:
            return widget_.logicalDpiX();
        case PdmDpiY:
            return widget_.logicalDpiY();
        case PdmPhysicalDpiX:
            return widget_.physicalDpiX();
        case PdmPhysicalDpiY:
            return widget_.physicalDpiY();
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    const QWidget& widget_;
    mutable RecordingEngine engine_;
};

}  // namespace

std::vector<PaintedText> paintedTexts(QWidget& widget) {
    RecordingDevice device(widget);
    widget.render(&device, QPoint(), QRegion(), QWidget::RenderFlags());
    return std::move(device.texts());
}

}  // namespace vlt::testing

#include "editor_screen_test_support.h"

#include <QMouseEvent>
#include <QPainter>

namespace vlt::testing {

SyntheticCanvas::SyntheticCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("syntheticCanvas"));
}

void SyntheticCanvas::mousePressEvent(QMouseEvent* event) {
    ++presses;
    event->accept();
}

void SyntheticCanvas::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), QColor(92, 118, 128)); }

EditorViewServices EditorScreenFixture::services() {
    EditorViewServices result;
    result.makeCanvas = [this](EditorSession&, std::function<void()> onGraphicsFailure, QWidget* parent) {
        canvas = new SyntheticCanvas(parent);
        reportGraphicsFailure = std::move(onGraphicsFailure);
        SyntheticCanvas* made = canvas;
        return EditorCanvasHost{made, [made](bool suspended) { made->suspensions.push_back(suspended); }};
    };
    result.makeTextEntrySheet = [this](const AnnotationTextRequest&, std::function<void()> onCancel,
                                       std::function<void(const QString&)> onCommit, QWidget* parent) {
        auto* sheet = new QWidget(parent);
        sheets.push_back(sheet);
        cancelSheet = std::move(onCancel);
        commitSheet = std::move(onCommit);
        return sheet;
    };
    result.presentFontPanel = [](EditorSession&, QWidget*) {};
    return result;
}

QRect inkBounds(const QImage& image, int alphaThreshold) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) > alphaThreshold) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

}  // namespace vlt::testing

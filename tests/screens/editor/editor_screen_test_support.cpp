#include "editor_screen_test_support.h"
#include "model/app_model_test_access.h"

#include <cstdlib>

#include <QMouseEvent>
#include <QPainter>

#include "editing/preparation/editing_canvas.h"

namespace vlt::testing {

SyntheticCanvas::SyntheticCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("syntheticCanvas"));
}

void SyntheticCanvas::mousePressEvent(QMouseEvent* event) {
    ++presses;
    event->accept();
}

void SyntheticCanvas::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), QColor(92, 118, 128)); }

namespace {

SharedEditingCanvas makeCanvas(std::int64_t width, std::int64_t height) {
    EditingCanvasDescriptor descriptor;
    descriptor.canvasSize = ImageSize{width, height};
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGBA8888_Premultiplied);
    image.fill(Qt::gray);
    return std::make_shared<const EditingCanvas>(QUuid::createUuid(), descriptor, image);
}

}  // namespace

EditorScreenFixture::EditorScreenFixture(std::int64_t canvasWidth, std::int64_t canvasHeight) {
    model = std::make_unique<AppModel>(std::make_shared<MemorySettingsStore>(), std::make_shared<MemoryLanguageStore>(),
                                       AppLanguage::english, nullptr, nullptr, PrepareEditingCanvas(), scheduler);
    session = std::make_shared<EditorSession>(nullptr, makeCanvas(canvasWidth, canvasHeight),
                                              QStringLiteral("Original"), QStringLiteral("Simulation"), scheduler);
    AppModelTestAccess::setEditorSession(*model, session);
}

EditorScreenFixture::~EditorScreenFixture() = default;

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
    result.presentFontPanel = [this](EditorSession&, QWidget*) { ++fontPanelOpenings; };
    return result;
}

::testing::AssertionResult colorNear(const QColor& actual, const QColor& expected, int tolerance) {
    const QColor a = actual.toRgb();
    const QColor e = expected.toRgb();
    const bool near = std::abs(a.red() - e.red()) <= tolerance && std::abs(a.green() - e.green()) <= tolerance &&
                      std::abs(a.blue() - e.blue()) <= tolerance && std::abs(a.alpha() - e.alpha()) <= tolerance;
    if (near) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << a.name(QColor::HexArgb).toStdString() << " is not near "
                                         << e.name(QColor::HexArgb).toStdString();
}

QImage render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
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

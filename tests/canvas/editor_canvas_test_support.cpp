#include "editor_canvas_test_support.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QWheelEvent>

#include "editing/renderer/metal_deformation_renderer.h"
#include "shaders/shader_library.h"

namespace vlt::testing {

SharedEditingCanvas makeGradientCanvas(std::int64_t width, std::int64_t height) {
    EditingCanvasDescriptor descriptor;
    descriptor.canvasSize = {width, height};
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGBA8888_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixelColor(x, y, QColor((x * 7) % 256, (y * 5) % 256, ((x + y) * 3) % 256));
        }
    }
    return std::make_shared<const EditingCanvas>(QUuid::createUuid(), descriptor, image);
}

std::string diagnosticCodeOf(const ErrorPtr& error) {
    const auto* coded = dynamic_cast<const DiagnosticCodeProviding*>(error.get());
    return coded == nullptr ? std::string() : coded->diagnosticCode();
}

CanvasHarness::CanvasHarness(QSize viewSize) : device_(GpuDevice::create(GpuDeviceOptions{makeShaderLibrary(), 2})) {
    session_ = std::make_unique<EditorSession>(nullptr, makeGradientCanvas(256, 256), QStringLiteral("Original"),
                                               QStringLiteral("Simulation"), scheduler);
    session_->setSelectedTab(EditorTab::simulation);
    view_ = std::make_unique<EditorCanvasView>(device_, clock, scheduler);
    view_->resize(viewSize);
    view_->show();
    bridge_ = std::make_unique<EditorCanvasRepresentable>(*session_, scheduler);
    bridge_->bind(view_.get());
    settle();
}

CanvasHarness::~CanvasHarness() {
    bridge_.reset();
    view_.reset();
    settle();
}

void CanvasHarness::settle() {
    constexpr int kCatchUpPatienceMilliseconds = 20000;
    QDeadlineTimer catchUp(kCatchUpPatienceMilliseconds);
    while (view_ && view_->strokes().phase() == BrushStrokeController::Phase::released && !catchUp.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    for (int round = 0; round < 20; ++round) {
        if (view_ && view_->renderer()) view_->renderer()->waitUntilScheduledWorkCompleted();
        QCoreApplication::processEvents();
        scheduler.runDue();
    }
}

QPointF CanvasHarness::viewPointFor(QPointF canvasPixel, int panel) {
    const EditorViewportGeometry geometry = view_->viewportGeometry();
    const QRectF image = geometry.imageRect(geometry.panelRects().at(static_cast<std::size_t>(panel)),
                                            geometry.clampedCenter(view_->sessionState().center));
    const ImageSize size = session_->canvasSize();
    return QPointF(image.x() + canvasPixel.x() / static_cast<double>(size.width - 1) * image.width(),
                   image.y() + canvasPixel.y() / static_cast<double>(size.height - 1) * image.height());
}

void CanvasHarness::press(QPointF point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    QMouseEvent event(QEvent::MouseButtonPress, point, view_->mapToGlobal(point), button, button, modifiers);
    QApplication::sendEvent(view_.get(), &event);
}

void CanvasHarness::drag(QPointF point, Qt::MouseButtons buttons) {
    QMouseEvent event(QEvent::MouseMove, point, view_->mapToGlobal(point), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(view_.get(), &event);
}

void CanvasHarness::release(QPointF point, Qt::MouseButton button) {
    releaseOnly(point, button);
    settle();
}

void CanvasHarness::releaseOnly(QPointF point, Qt::MouseButton button) {
    QMouseEvent event(QEvent::MouseButtonRelease, point, view_->mapToGlobal(point), button, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(view_.get(), &event);
}

void CanvasHarness::wheel(QPointF point, QPoint angleDelta, Qt::KeyboardModifiers modifiers, QPoint pixelDelta,
                          Qt::ScrollPhase phase) {
    QWheelEvent event(point, view_->mapToGlobal(point), pixelDelta, angleDelta, Qt::NoButton, modifiers, phase, false);
    QApplication::sendEvent(view_.get(), &event);
}

void CanvasHarness::stroke(QPointF fromPixel, QPointF toPixel, int steps) {
    press(viewPointFor(fromPixel));
    view_->renderFrame();
    for (int step = 1; step <= steps; ++step) {
        const double t = static_cast<double>(step) / steps;
        drag(viewPointFor(fromPixel + (toPixel - fromPixel) * t));
        clock.advance(0.016);
        view_->renderFrame();
    }
    release(viewPointFor(toPixel));
}

void CanvasHarness::openStroke(QPointF fromPixel, QPointF toPixel) {
    press(viewPointFor(fromPixel));
    view_->renderFrame();
    drag(viewPointFor(toPixel));
    view_->renderFrame();
}

void CanvasHarness::click(QPointF pixel) {
    press(viewPointFor(pixel));
    release(viewPointFor(pixel));
}

void CanvasHarness::selectTool(EditorTool tool) {
    session_->selectTool(tool);
    settle();
}

void CanvasHarness::selectTab(EditorTab tab) {
    session_->setSelectedTab(tab);
    settle();
}

void CanvasHarness::undo() {
    session_->undoEditor();
    settle();
}

void CanvasHarness::redo() {
    session_->redoEditor();
    settle();
}

std::vector<std::uint8_t> CanvasHarness::field() {
    std::vector<std::uint8_t> bytes;
    bool done = false;
    auto started = view_->renderer()->readTiles(
        {{0, 0, 256, 256}}, [&](Result<std::vector<DeformationTileSnapshot>, MetalDeformationFailure> result) {
            done = true;
            if (result.ok() && !result.value().empty()) bytes = result.value().front().bytes;
        });
    if (!started.ok()) return {};
    for (int round = 0; round < 50 && !done; ++round) {
        view_->renderer()->waitUntilScheduledWorkCompleted();
        QCoreApplication::processEvents();
    }
    return bytes;
}

}  // namespace vlt::testing

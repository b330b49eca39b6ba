#include <memory>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "canvas/editor_canvas_overlay_view.h"

namespace vlt {
namespace {

// Fonts and text layout need a GUI application; one is made on first use.
void ensureApplication() {
    static std::unique_ptr<QApplication> application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_canvas";
        static char* argv[] = {name, nullptr};
        return std::make_unique<QApplication>(argc, argv);
    }();
}

// A busy Comparison view: strokes, shapes and texts in equal numbers, one selected,
// and the brush outline under the pointer, as the overlay redraws on every pointer move.
EditorCanvasOverlayState busyState(int annotationCount) {
    EditorCanvasOverlayState state;
    state.geometry = EditorViewportGeometry{QSizeF(1600, 1000), QSizeF(4096, 3072), true, 1.5};
    state.canvasSize = QSize(4096, 3072);
    state.hoverPoint = QPointF(1200, 500);
    state.toolDiameter = 300;
    const AnnotationFontStyle font = AnnotationFontStyle::defaultStyle(4096, 3072);
    for (int index = 0; index < annotationCount; ++index) {
        const float x = 100.0f + static_cast<float>((index * 397) % 3800);
        const float y = 100.0f + static_cast<float>((index * 211) % 2800);
        const AnnotationColor colour{static_cast<std::uint8_t>(index * 40), 128, 255};
        AnnotationContent content;
        switch (index % 3) {
        case 0:
            content = AnnotationStroke{{{x, y}, {x + 60, y + 30}, {x + 120, y - 10}, {x + 200, y + 40}}, 8.0f, colour};
            break;
        case 1:
            content = AnnotationShape{EditorTool::circle, {x, y}, {x + 150, y + 90}, 6.0f, colour};
            break;
        default:
            content = AnnotationText{QStringLiteral("Label %1\nsecond line").arg(index), {x, y}, colour, font};
            break;
        }
        state.annotations.objects.push_back(AnnotationObject{QUuid::createUuid(), content, {}});
    }
    if (!state.annotations.objects.empty()) state.annotations.selectedID = state.annotations.objects.front().id;
    return state;
}

void BM_OverlayFrame(benchmark::State& benchmarkState) {
    ensureApplication();
    const EditorCanvasOverlayState state = busyState(static_cast<int>(benchmarkState.range(0)));
    QImage target(1600, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : benchmarkState) {
        target.fill(Qt::transparent);
        QPainter painter(&target);
        EditorCanvasOverlayView::paint(painter, state);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
    benchmarkState.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(benchmarkState.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OverlayFrame)->Arg(0)->Arg(12)->Arg(60)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vlt

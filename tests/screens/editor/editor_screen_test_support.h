#pragma once

#include <memory>
#include <vector>

#include <QImage>
#include <QWidget>

#include "model/model_test_support.h"
#include "screens/editor/editor_view_services.h"

namespace vlt::testing {

// Stands in for the live canvas: paints a flat picture and records what reaches it.
class SyntheticCanvas final : public QWidget {
    Q_OBJECT

public:
    explicit SyntheticCanvas(QWidget* parent = nullptr);

    int presses = 0;
    std::vector<bool> suspensions;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// The model's fixture with an open editor session on a canvas of the given size.
class EditorScreenFixture : public ModelFixture {
public:
    explicit EditorScreenFixture(std::int64_t canvasWidth = 1000, std::int64_t canvasHeight = 800)
        : session(openEditor(nullptr, {canvasWidth, canvasHeight})) {}

    // Services whose canvas is a SyntheticCanvas (kept in `canvas`) and whose text
    // sheet is a plain widget (kept in `sheets`).
    EditorViewServices services();

    std::shared_ptr<EditorSession> session;
    SyntheticCanvas* canvas = nullptr;
    std::vector<QWidget*> sheets;
    std::function<void()> cancelSheet;
    std::function<void(const QString&)> commitSheet;
    std::function<void()> reportGraphicsFailure;
};

// The bounding box of the pixels whose alpha exceeds the threshold.
QRect inkBounds(const QImage& image, int alphaThreshold = 8);

}  // namespace vlt::testing

#pragma once

#include <memory>

#include <QWidget>

namespace vlt {

class CropDocument;
class CropSurface;
class WorkspaceGrid;

// The area around the photograph: the grid backdrop, the drag hint and the crop surface.
class CropWorkspace final : public QWidget {
    Q_OBJECT

public:
    explicit CropWorkspace(std::shared_ptr<CropDocument> document, QWidget* parent = nullptr);

    CropSurface* surface() const { return surface_; }
    QWidget* hint() const { return hint_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    WorkspaceGrid* grid_;
    QWidget* hint_;
    CropSurface* surface_;
};

}  // namespace vlt

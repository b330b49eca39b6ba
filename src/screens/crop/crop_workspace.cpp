#include "screens/crop/crop_workspace.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "foundation/localized_string.h"
#include "import/crop_document.h"
#include "screens/crop/crop_asset_image.h"
#include "screens/crop/crop_palette.h"
#include "screens/crop/crop_surface.h"
#include "ui/text_style.h"
#include "ui/workspace_grid.h"

namespace vlt {

namespace {

class HandIcon final : public QWidget {
public:
    HandIcon() { setFixedSize(17, 17); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        CropAssetImage::draw(painter, QStringLiteral("crop-drag-hand"), QRectF(rect()));
    }
};

// "Drag the selection area or its corners if necessary" on a washed, rounded chip.
class DragHint final : public QWidget {
public:
    DragHint() {
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(12, 7, 12, 7);
        row->setSpacing(8);
        row->addWidget(new HandIcon);
        auto* text = new QLabel(localizedString("Drag the selection area or its corners if necessary"));
        text->setFont(textStyleFont(TextStyle::callout));
        QPalette palette = text->palette();
        palette.setColor(QPalette::WindowText, CropPalette::bodyText());
        text->setPalette(palette);
        row->addWidget(text);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath chip;
        chip.addRoundedRect(QRectF(rect()), 7, 7);
        painter.fillPath(chip, CropPalette::accentWash());
    }
};

}  // namespace

CropWorkspace::CropWorkspace(std::shared_ptr<CropDocument> document, QWidget* parent)
    : QWidget(parent), grid_(new WorkspaceGrid(this)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 10, 0, 0);
    column->setSpacing(8);
    hint_ = new DragHint;
    column->addWidget(hint_, 0, Qt::AlignHCenter);
    auto* surfaceFrame = new QVBoxLayout;
    surfaceFrame->setContentsMargins(34, 0, 34, 24);
    surface_ = new CropSurface(std::move(document));
    surfaceFrame->addWidget(surface_);
    column->addLayout(surfaceFrame, 1);
    grid_->lower();
}

void CropWorkspace::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    grid_->setGeometry(rect());
}

void CropWorkspace::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), CropPalette::workspaceBackground());
}

}  // namespace vlt

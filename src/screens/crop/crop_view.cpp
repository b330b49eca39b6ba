#include "screens/crop/crop_view.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "model/app_model.h"
#include "import/crop_document.h"
#include "screens/crop/crop_inspector.h"
#include "screens/crop/crop_palette.h"
#include "screens/crop/crop_subtoolbar.h"
#include "screens/crop/crop_toolbar.h"
#include "screens/crop/crop_workspace.h"

namespace vlt {

CropView::CropView(AppModel& model, std::shared_ptr<CropDocument> document, QWidget* parent)
    : QWidget(parent), model_(model), document_(std::move(document)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    toolbar_ = new CropToolbar(model_);
    column->addWidget(toolbar_);

    row_ = new QWidget;
    auto* row = new QHBoxLayout(row_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* mainColumn = new QVBoxLayout;
    mainColumn->setSpacing(0);
    subtoolbar_ = new CropSubtoolbar(model_, document_);
    mainColumn->addWidget(subtoolbar_);
    workspace_ = new CropWorkspace(document_);
    mainColumn->addWidget(workspace_, 1);
    row->addLayout(mainColumn, 1);
    inspector_ = new CropInspector(model_, document_);
    row->addWidget(inspector_);
    column->addWidget(row_, 1);

    connect(&model_, &AppModel::canGoToEditorChanged, this, &CropView::refresh);
    refresh();
}

void CropView::refresh() { row_->setEnabled(model_.canGoToEditor()); }

void CropView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), CropPalette::workspaceBackground());
}

}  // namespace vlt

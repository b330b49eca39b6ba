#pragma once

#include <memory>

#include <QWidget>

namespace vlt {

class AppModel;
class CropDocument;
class CropInspector;
class CropSubtoolbar;
class CropToolbar;
class CropWorkspace;

// The crop screen, shown while a document is open and no editor exists: the toolbar
// over a row of the sub-toolbar and workspace and the inspector. The row takes no
// input while the model does not allow going on to the editor.
class CropView final : public QWidget {
    Q_OBJECT

public:
    CropView(AppModel& model, std::shared_ptr<CropDocument> document, QWidget* parent = nullptr);

    const std::shared_ptr<CropDocument>& document() const { return document_; }
    CropToolbar* toolbar() const { return toolbar_; }
    CropSubtoolbar* subtoolbar() const { return subtoolbar_; }
    CropWorkspace* workspace() const { return workspace_; }
    CropInspector* inspector() const { return inspector_; }
    QWidget* contentRow() const { return row_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void refresh();

    AppModel& model_;
    std::shared_ptr<CropDocument> document_;
    CropToolbar* toolbar_;
    QWidget* row_;
    CropSubtoolbar* subtoolbar_;
    CropWorkspace* workspace_;
    CropInspector* inspector_;
};

}  // namespace vlt

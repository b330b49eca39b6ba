#pragma once

#include <memory>

#include <QWidget>

#include "import/crop_transform_command.h"

class QLabel;

namespace vlt {

class AppModel;
class CropDocument;
class CropTransformPopUpButton;

// The bar under the toolbar: the title and the file name on the leading side, the
// transform button in the middle.
class CropSubtoolbar final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 56;

    CropSubtoolbar(AppModel& model, std::shared_ptr<CropDocument> document, QWidget* parent = nullptr);

    // Rewrites the selection for a transform command; ignored while the model does not
    // allow going on to the editor. Nothing is logged or recorded for undo.
    void perform(CropTransformCommand command);

    // "0°", "90°", "180°" or "270°" for the selection's display turns.
    static QString angleText(int displayClockwiseQuarterTurns);

    CropTransformPopUpButton* transformButton() const { return transformButton_; }
    QLabel* fileNameLabel() const { return fileName_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void refresh();

    AppModel& model_;
    std::shared_ptr<CropDocument> document_;
    QLabel* fileName_;
    CropTransformPopUpButton* transformButton_;
};

}  // namespace vlt

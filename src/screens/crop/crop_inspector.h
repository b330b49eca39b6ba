#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include <QWidget>

#include "screens/crop/crop_preset.h"

class QLabel;
class QPushButton;
class QStackedWidget;

namespace vlt {

class AppModel;
class CropDocument;
class CropPresetButton;

// The panel at the trailing side of the crop screen: the nine crop shapes, the size
// the editing canvas will have, the reset link and whether the crop is ready. It
// changes nothing but the document's selection, always by writing a whole new one.
class CropInspector final : public QWidget {
    Q_OBJECT

public:
    enum class MoveDirection { up, down, left, right };

    static constexpr int kWidth = 322;
    static constexpr int kColumns = 3;
    static constexpr int kGridSpacing = 8;

    CropInspector(AppModel& model, std::shared_ptr<CropDocument> document, QWidget* parent = nullptr);

    // Applies a preset; nothing happens while the model does not allow going on.
    void select(CropPreset preset);
    // The arrow keys of the preset grid: steps through the presets and applies them as
    // it goes, without wrapping at the ends.
    void movePresetFocus(MoveDirection direction);
    void resetToFullImage();

    const std::optional<CropPreset>& focusedPreset() const { return focusedPreset_; }

    static QString maximumDimensionNotice(std::int64_t maximumImageSide);
    // "W × H px" of the editing canvas for the current crop.
    QString selectionSizeText() const;

    CropPresetButton* presetButton(CropPreset preset) const;
    QLabel* sizeLabel() const { return sizeValue_; }
    QLabel* noticeLabel() const { return notice_; }
    QPushButton* resetLink() const { return resetLink_; }
    QLabel* footerLabel() const { return footerText_; }
    bool showsPreparationProgress() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* makeScrollContent();
    QWidget* makeFooter();
    void refreshSelection();
    void refreshSettings();
    void refreshPreparation();

    AppModel& model_;
    std::shared_ptr<CropDocument> document_;
    std::optional<CropPreset> focusedPreset_;
    std::array<CropPresetButton*, 9> presetButtons_{};
    QLabel* sizeValue_ = nullptr;
    QLabel* notice_ = nullptr;
    QPushButton* resetLink_ = nullptr;
    QStackedWidget* footerIcon_ = nullptr;
    QLabel* footerText_ = nullptr;
};

}  // namespace vlt

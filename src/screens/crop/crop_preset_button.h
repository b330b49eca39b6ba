#pragma once

#include <functional>

#include <QAbstractButton>

#include "screens/crop/crop_preset.h"

namespace vlt {

// One tile of the preset grid: the preset's outline glyph over its title, highlighted
// when the selection has that shape. Arrow keys are left to the grid.
class CropPresetButton final : public QAbstractButton {
    Q_OBJECT

public:
    CropPresetButton(CropPreset preset, QWidget* parent = nullptr);

    CropPreset preset() const { return preset_; }
    bool isSelected() const { return isSelected_; }
    void setSelected(bool selected);

    static constexpr int kMinimumHeight = 76;
    static constexpr int kGlyphToTitle = 7;
    static constexpr double kCornerRadius = 6;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The title as the tile draws it at its width: whole when it fits, else shortened in
    // its name, never in its ratio ("Panorá… 16:9"); the whole title is then the tooltip.
    QString shownTitle() const;

signals:
    void focusEntered(CropPreset preset);
    void focusLeft(CropPreset preset);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRectF titleRect() const;

    CropPreset preset_;
    bool isSelected_ = false;
};

}  // namespace vlt

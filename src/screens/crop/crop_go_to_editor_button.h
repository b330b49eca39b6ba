#pragma once

#include <QPushButton>

namespace vlt {

class ActivityIndicator;

// "Go to editor" in the primary style: the text and, after it, an arrow, or a small
// progress indicator while the editing canvas is being prepared.
class CropGoToEditorButton final : public QPushButton {
    Q_OBJECT

public:
    explicit CropGoToEditorButton(QWidget* parent = nullptr);

    void setBusy(bool busy);
    bool isBusy() const { return busy_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    static constexpr int kTrailingSide = 16;
    static constexpr int kLabelSpacing = 8;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QSize labelSize() const;
    QRectF trailingRect() const;
    void placeIndicator();

    bool busy_ = false;
    ActivityIndicator* indicator_;
};

}  // namespace vlt

#pragma once

#include <QWidget>

class QPainter;
class QRectF;

namespace vlt {

// The product logo "vlt-rounded-logo", filling the frame its container gives while
// keeping its aspect ratio (cropped, never letterboxed). Decorative only.
class VLTBrandMark final : public QWidget {
    Q_OBJECT

public:
    explicit VLTBrandMark(QWidget* parent = nullptr);

    // Draws the logo filling the frame, for containers that clip or outline it.
    static void paint(QPainter& painter, const QRectF& frame);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vlt

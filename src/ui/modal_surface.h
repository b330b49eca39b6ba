#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QWidget>

class QVBoxLayout;

namespace vlt {

// The white card of a dialog or result card: corner radius 12, a 1-point outline in
// the surface-border colour drawn over its content. Content goes into column().
class ModalSurface final : public QWidget {
    Q_OBJECT

public:
    explicit ModalSurface(QWidget* parent = nullptr);

    QVBoxLayout* column() const { return column_; }

    static constexpr double cornerRadius = 12.0;

    enum class Band { top, bottom };
    // The outline of a band that sits at the top or the bottom of a surface: the two
    // outer corners rounded like the surface, the inner ones square.
    static QPainterPath bandPath(const QRectF& band, Band which);
    static QPainterPath shape(const QRectF& rect);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QVBoxLayout* column_ = nullptr;
    QWidget* outline_ = nullptr;
};

}  // namespace vlt

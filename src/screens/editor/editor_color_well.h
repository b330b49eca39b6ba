#pragma once

#include <QColor>
#include <QPointer>

#include "screens/editor/editor_button.h"

#include <QColorDialog>

namespace vlt {

// "Color" with a swatch of the current colour at the right end of the row. Pressing it
// opens the system colour dialog beside the window; every colour picked there is
// reported at once, and cancelling the dialog reports the colour it opened with.
class EditorColorWell final : public EditorButton {
    Q_OBJECT

public:
    static constexpr QSize kSwatchSize{44, 24};

    explicit EditorColorWell(const QString& label, QWidget* parent = nullptr);
    ~EditorColorWell() override;

    void setColor(const QColor& color);
    const QColor& color() const { return color_; }
    QColorDialog* dialog() const { return dialog_; }
    void openDialog();

signals:
    void colorPicked(const QColor& color);

protected:
    QSizeF contentSize() const override;
    void paintContent(QPainter& painter, const QRectF& contentRect, const QColor& foreground) override;

private:
    QColor color_ = Qt::white;
    QColor colorAtOpening_;
    QPointer<QColorDialog> dialog_;
};

}  // namespace vlt

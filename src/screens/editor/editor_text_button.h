#pragma once

#include "screens/editor/editor_button.h"

namespace vlt {

// A button whose label is one line of text, centred: the toolbar's commands, the
// viewport buttons, the zoom readout and the suggestion chips.
class EditorTextButton final : public EditorButton {
    Q_OBJECT

public:
    EditorTextButton(const EditorButtonStyle& style, const QString& text, QWidget* parent = nullptr);

protected:
    QSizeF contentSize() const override;
    void paintContent(QPainter& painter, const QRectF& contentRect, const QColor& foreground) override;
};

}  // namespace vlt

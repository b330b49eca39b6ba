#pragma once

#include <functional>

#include "screens/editor/editor_button.h"
#include "screens/editor/editor_history_glyph.h"

namespace vlt {

// Undo or Redo: the history glyph in a 14-point frame centred on a 30-point square.
class EditorHistoryButton final : public EditorButton {
    Q_OBJECT

public:
    static constexpr int kSide = 30;
    static constexpr double kGlyphSide = 14.0;

    EditorHistoryButton(EditorHistoryGlyph::Kind glyph, const QString& label, const QString& help,
                        std::function<void()> action, QWidget* parent = nullptr);

    EditorHistoryGlyph::Kind glyph() const { return glyph_.kind; }

protected:
    QSizeF contentSize() const override;
    void paintContent(QPainter& painter, const QRectF& contentRect, const QColor& foreground) override;

private:
    EditorHistoryGlyph glyph_;
};

}  // namespace vlt

#pragma once

#include <optional>

#include <QFont>
#include <QMarginsF>

#include "screens/editor/editor_button.h"
#include "screens/editor/editor_button_glyph.h"

namespace vlt {

// A button whose label is a row: an optional leading glyph, the text, and an optional
// trailing glyph or trailing text. Centred, the row sits in the middle of the button;
// spread, the leading part starts at the left edge and the trailing part ends at the
// right one, with the text cut short when the two would meet.
class EditorLabelButton final : public EditorButton {
    Q_OBJECT

public:
    enum class Arrangement { centred, spread };

    EditorLabelButton(const EditorButtonStyle& style, const QString& text, QWidget* parent = nullptr);

    void setArrangement(Arrangement arrangement);
    void setSpacing(double spacing);
    // Padding of the label inside the style's own.
    void setLabelPadding(const QMarginsF& padding);
    void setLeadingGlyph(std::optional<EditorButtonGlyph> glyph);
    void setTrailingGlyph(std::optional<EditorButtonGlyph> glyph);
    void setTrailingText(const QString& text, std::optional<QColor> color = std::nullopt);
    const QString& trailingText() const { return trailingText_; }
    // An outline drawn as part of the label, around the whole button.
    void setLabelOutline(const QColor& color, double cornerRadius);
    // The text as drawn at the current width (cut short when there is no room).
    QString displayedText() const;

protected:
    QSizeF contentSize() const override;
    void paintContent(QPainter& painter, const QRectF& contentRect, const QColor& foreground) override;

private:
    double trailingWidth() const;
    double leadingWidth() const;
    QRectF labelRect(const QRectF& contentRect) const;

    Arrangement arrangement_ = Arrangement::centred;
    double spacing_ = 8.0;
    QMarginsF labelPadding_;
    std::optional<EditorButtonGlyph> leadingGlyph_;
    std::optional<EditorButtonGlyph> trailingGlyph_;
    QString trailingText_;
    std::optional<QColor> trailingTextColor_;
    std::optional<QColor> outlineColor_;
    double outlineRadius_ = 0.0;
};

}  // namespace vlt

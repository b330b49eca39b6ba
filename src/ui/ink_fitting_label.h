#pragma once

#include <QLabel>

namespace vlt {

// A one-line label as tall as the ink of its text. Capital accents, the dot of a
// Turkish "İ" and stacked marks rise above the font's ascent, and a cedilla may hang
// below its descent; QLabel sizes itself to the font's line and clips them. The room is
// measured on the text and on accented capitals, so the height stays the same from one
// text to the next unless a text brings taller marks. The text stays vertically centred
// (QLabel's default), so the room is kept above and below alike.
class InkFittingLabel final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The whole pixels to add above and below a line of `text` in `font` so that none of
    // its ink is clipped.
    static int markRoom(const QFont& font, const QString& text);
};

}  // namespace vlt

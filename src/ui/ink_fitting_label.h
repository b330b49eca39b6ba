#pragma once

#include <QFont>
#include <QLabel>

namespace vlt {

// A label as tall as the ink of its text. Capital accents, the dot of a Turkish "İ" and
// stacked marks rise above the font's ascent, and a cedilla may hang below its descent;
// QLabel sizes itself to the font's lines and clips them. The room is measured on the
// text and on accented capitals, so the height stays the same from one text to the next
// unless a text brings taller marks. One line stays vertically centred (QLabel's
// default), so the room is kept above and below alike. A label that wraps keeps the
// room for accented capitals as margins above its first line and below its last, so any
// alignment keeps it (wrapping is set before the label is first shown); rich text is
// drawn clipped to its document and keeps its room there.
class InkFittingLabel final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The whole pixels to add above and below a line of `text` in `font` so that none of
    // its ink is clipped.
    static int markRoom(const QFont& font, const QString& text);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The room of one line of the current text; measured once per text and font, since
    // layouts ask often.
    int lineRoom() const;
    // Sets the wrapped label's margins to the room its font needs.
    void reserveParagraphRoom();

    mutable QString measuredText_;
    mutable QFont measuredFont_;
    mutable int measuredRoom_ = -1;
    int paragraphRoom_ = 0;
};

}  // namespace vlt

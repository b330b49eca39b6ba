#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/ink_fitting_label.h"
#include "ui/settings_note_box.h"
#include "ui/settings_section_layout.h"

namespace vlt {
namespace {

// Where the ink of a plain label's text lies, in the label's coordinates, as QLabel
// places its lines: the block of lines aligned in the contents, the first baseline one
// ascent below the block's top. The ink is the font's rows of pixels.
struct InkRows {
    double top;
    double bottom;
};

InkRows inkRows(const QLabel& label) {
    const QFontMetricsF metrics(label.font());
    const QRect contents = label.contentsRect();
    const int flags = label.wordWrap() ? Qt::TextWordWrap : 0;
    const double block = metrics.boundingRect(QRectF(0, 0, contents.width(), 1e6), flags, label.text()).height();
    const double top =
        label.alignment() & Qt::AlignTop ? contents.top() : contents.top() + (contents.height() - block) / 2;
    const QRectF ink = metrics.tightBoundingRect(label.text());
    return {top + metrics.ascent() + ink.top(), top + block - metrics.descent() + ink.bottom()};
}

QFont testFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    return font;
}

// Turkish and French capitals carry marks above the font's ascent, a cedilla hangs below
// its descent: one line or several, centred or from the top, the label holds them.
TEST(InkFittingLabelTest, OneLineOrWrappedTheLabelHoldsTheMarksOfItsCapitals) {
    const QStringList texts = {QStringLiteral("GÖRÜNTÜ YAKINLAŞTIRMA"), QStringLiteral("DÉPLACER L’IMAGE"),
                               QStringLiteral("İlgili çıktı için seçmediğiniz sürece asla eklenmez. Ç Ş")};
    for (const QString& text : texts) {
        for (const bool wraps : {false, true}) {
            SCOPED_TRACE(text.toStdString() + (wraps ? " wrapped" : " one line"));
            QWidget holder;
            auto* column = new QVBoxLayout(&holder);
            column->setContentsMargins(0, 0, 0, 0);
            QLabel* label = makeSettingsLabel(text, testFont(), Qt::black, &holder, wraps);
            column->addWidget(label);
            column->addStretch(1);
            holder.resize(wraps ? 120 : 400, 400);
            holder.show();
            const InkRows ink = inkRows(*label);
            EXPECT_GE(ink.top, -0.5);
            EXPECT_LE(ink.bottom, label->height() + 0.5);
        }
    }
}

// A note box's text is rich text, drawn clipped to its document: its first line keeps
// the room for an "İ" inside the document.
TEST(InkFittingLabelTest, ANoteBoxKeepsRoomAboveItsFirstLine) {
    const QString text = QStringLiteral("İlgili çıktı için seçmediğiniz sürece asla eklenmez.");
    SettingsNoteBox note(text, QString());
    note.resize(500, 200);
    note.show();
    const QFontMetricsF metrics(note.textLabel()->font());
    const double room = InkFittingLabel::markRoom(note.textLabel()->font(), text);
    ASSERT_GT(room, 0) << "the font holds its marks within its lines; nothing to test";
    EXPECT_GE(note.textLabel()->heightForWidth(note.textLabel()->width()), metrics.height() + 2 * room);
}

}  // namespace
}  // namespace vlt

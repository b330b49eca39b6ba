#include "ui/settings_text_editor.h"

#include <QTextCursor>
#include <algorithm>

#include "ui/settings_field_border.h"
#include "ui/text_style.h"

namespace vlt {

SettingsTextEditor::SettingsTextEditor(int minimumHeight, QWidget* parent) : QPlainTextEdit(parent) {
    setFrameShape(QFrame::NoFrame);
    setFont(textStyleFont(TextStyle::body));
    setTabChangesFocus(true);
    setMinimumHeight(minimumHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    document()->setDocumentMargin(padding);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    border_ = SettingsFieldBorder::attach(*this);
}

void SettingsTextEditor::showText(const QString& text) {
    if (text == toPlainText()) return;
    const int caret = textCursor().position();
    setPlainText(text);
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::min(caret, static_cast<int>(document()->characterCount()) - 1));
    setTextCursor(cursor);
}

}  // namespace vlt

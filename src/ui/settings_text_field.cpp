#include "ui/settings_text_field.h"

#include <algorithm>

#include "ui/settings_field_border.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

// QLineEdit keeps a fixed margin of its own inside the text rectangle.
constexpr int kLineEditOwnMargin = 2;

}  // namespace

SettingsTextField::SettingsTextField(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setFont(textStyleFont(TextStyle::body));
    const int margin = horizontalPadding - kLineEditOwnMargin;
    setTextMargins(margin, 0, margin, 0);
    setMinimumHeight(minimumHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    border_ = SettingsFieldBorder::attach(*this);
}

void SettingsTextField::showText(const QString& text) {
    if (text == this->text()) return;
    const int caret = cursorPosition();
    setText(text);
    setCursorPosition(std::min(caret, static_cast<int>(text.size())));
}

}  // namespace vlt

#pragma once

#include <QColor>

namespace vlt {

// The editor screen's fixed colours. They do not follow the system appearance: the
// editor is always drawn light. Each colour is made once, on first use.
struct EditorPalette {
    static const QColor& ink();
    static const QColor& commandPressedFill();
    static const QColor& selectedFill();
    static const QColor& primaryText();
    static const QColor& secondaryText();
    static const QColor& mutedText();
    static const QColor& divider();
    static const QColor& controlBorder();
    static const QColor& workspace();
    static const QColor& disclosureFill();
    static const QColor& disclosureBorder();
    static const QColor& disclosureHoverFill();
    static const QColor& disclosureHoverBorder();
    static const QColor& disclosurePressedFill();
    static const QColor& suggestionsHeadingText();
    static const QColor& suggestionsSecondaryText();
    static const QColor& suggestionBorder();
    static const QColor& suggestionText();
    static const QColor& suggestionAccent();
    static const QColor& suggestionHintFill();
    static const QColor& suggestionHintBorder();
    static const QColor& suggestionHintText();
    // White at 158/255.
    static const QColor& headerFill();
    static const QColor& tabBorder();
    static const QColor& historyGroupFill();
    static const QColor& historySeparator();
    static const QColor& historyIconPressedFill();
    static const QColor& historyResetPressedFill();
    static const QColor& historyDisabledInk();
};

}  // namespace vlt

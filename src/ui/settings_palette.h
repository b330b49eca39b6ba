#pragma once

#include <QColor>

namespace vlt {

// The dialog colours under the names the shell's dialogs use; the values are those of
// ModalPalette, so every dialog of the application shares one look.
struct SettingsPalette {
    static const QColor& ink();            // titles
    static const QColor& bodyInk();        // body text and icons
    static const QColor& secondaryInk();   // subtitles, disabled primary buttons
    static const QColor& accent();         // accent text, primary buttons
    static const QColor& border();         // card and chip outlines
    static const QColor& hairline();       // rules between header, body, footer and rows
    static const QColor& surfaceBorder();  // outline of a dialog surface
    static const QColor& chrome();         // header and footer bands
    static const QColor& keyFill();        // key chips
    static const QColor& veil();           // at its opacity of 0.31
};

}  // namespace vlt

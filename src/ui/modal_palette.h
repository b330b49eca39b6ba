#pragma once

#include <QColor>

namespace vlt {

// The fixed sRGB colours of every modal dialog, each made once on first use.
struct ModalPalette {
    static const QColor& accent();
    static const QColor& textPrimary();
    static const QColor& textSecondary();
    static const QColor& textMuted();
    static const QColor& cardBorder();
    static const QColor& fieldBorder();
    static const QColor& divider();
    static const QColor& surfaceBorder();
    static const QColor& headerFill();
    static const QColor& selectionFill();
    static const QColor& noticeFill();
    static const QColor& noticeBorder();
    static const QColor& panelFill();
    static const QColor& errorText();
    // Dimming veil behind a dialog: already at its opacity of 0.31.
    static const QColor& veil();
    static const QColor& warningText();
};

}  // namespace vlt

#pragma once

#include <QColor>

namespace vlt {

// The fixed colours of the crop screen, each made once per process.
struct CropPalette {
    static const QColor& accent();
    static const QColor& selectedBorder();
    static const QColor& accentWash();
    static const QColor& ink();
    static const QColor& bodyText();
    static const QColor& secondaryText();
    static const QColor& hairline();
    static const QColor& controlBorder();
    static const QColor& workspaceBackground();

    // The fill of the size box behind the selection size readout.
    static const QColor& sizeBoxFill();
    // The fill of a disabled primary button; made at each use, like the platform did.
    static QColor disabledPrimaryFill();
};

}  // namespace vlt

#pragma once

#include <QFont>

namespace vlt {

// The named text styles of the screens, sized like the platform the design was drawn
// on (one point is one device-independent pixel), on the application's font family.
enum class TextStyle {
    largeTitle,
    title,
    title2,
    title3,
    headline,
    body,
    callout,
    subheadline,
    footnote,
    caption,
};

int textStylePixelSize(TextStyle style);
QFont textStyleFont(TextStyle style, QFont::Weight weight = QFont::Normal);

}  // namespace vlt

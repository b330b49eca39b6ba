#include "ui/text_style.h"

#include <QApplication>

namespace vlt {

int textStylePixelSize(TextStyle style) {
    switch (style) {
    case TextStyle::largeTitle:
        return 26;
    case TextStyle::title:
        return 22;
    case TextStyle::title2:
        return 17;
    case TextStyle::title3:
        return 15;
    case TextStyle::headline:
        return 13;
    case TextStyle::body:
        return 13;
    case TextStyle::callout:
        return 12;
    case TextStyle::subheadline:
        return 11;
    case TextStyle::footnote:
        return 10;
    case TextStyle::caption:
        return 10;
    }
    return 13;
}

QFont textStyleFont(TextStyle style, QFont::Weight weight) {
    QFont font = QApplication::font();
    font.setPixelSize(textStylePixelSize(style));
    const bool headlineIsBold = style == TextStyle::headline && weight == QFont::Normal;
    font.setWeight(headlineIsBold ? QFont::DemiBold : weight);
    return font;
}

}  // namespace vlt

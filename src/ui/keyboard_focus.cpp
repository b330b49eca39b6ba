#include "ui/keyboard_focus.h"

#include <QWidget>

namespace vlt {

bool showsKeyboardFocus(const QWidget& widget) {
    const QWidget* window = widget.window();
    return widget.hasFocus() && window != nullptr && window->testAttribute(Qt::WA_KeyboardFocusChange);
}

}  // namespace vlt

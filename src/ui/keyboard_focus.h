#pragma once

class QWidget;

namespace vlt {

// Whether a custom-drawn control should show its focus ring: it has the focus and the
// user has moved focus with the keyboard in this window (as the platform's own
// controls do, so a ring does not appear merely because a window opened).
bool showsKeyboardFocus(const QWidget& widget);

}  // namespace vlt

#pragma once

class QColor;
class QKeyEvent;
class QPainter;
class QPainterPath;
class QRectF;
class QStyleOption;
class QWidget;

namespace vlt {

// Whether a custom-drawn control should show its focus ring: it has the focus and the
// user has moved focus with the keyboard in this window (as the platform's own
// controls do, so a ring does not appear merely because a window opened).
bool showsKeyboardFocus(const QWidget& widget);
// The same for a control that a style draws from its option; a disabled one shows none.
bool showsKeyboardFocus(const QStyleOption& option);

// The focus ring of a custom-drawn control, drawn last, inside the control's shape: a
// 2-point band of the screen's accent colour along the edge and a thin white band
// within it, so the ring shows on white faces and on faces filled with the accent alike.
void paintFocusRing(QPainter& painter, const QPainterPath& shape, const QColor& accent);
void paintFocusRing(QPainter& painter, const QRectF& rect, double cornerRadius, const QColor& accent);

// Return or Enter, from either keyboard, without another modifier.
bool isPlainReturn(const QKeyEvent& event);

// Return or Enter, from either keyboard and without another modifier, presses the push
// button within `scope` that has the keyboard, as Space does; Qt leaves Return to a
// dialog's default button alone. True when the key was taken so.
bool pressFocusedButtonOnReturn(const QWidget& scope, QKeyEvent& event);

}  // namespace vlt

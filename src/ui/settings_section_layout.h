#pragma once

#include <QFont>
#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace vlt {

// Small builders the settings sections share.

// A label in a fixed colour; a wrapping one asks for the height its width needs.
QLabel* makeSettingsLabel(const QString& text, const QFont& font, const QColor& colour, QWidget* parent,
                          bool wraps = false);

// A column without margins: the sections stack their parts in these.
QVBoxLayout* makeSettingsColumn(QWidget* owner, int spacing);

// Two columns of equal width side by side, top-aligned. Make the two before the call,
// the leading one first: the order of a call's arguments is left open by C++, and the
// order in which fields are made is the order Qt gives Tab until a dialog sets it.
QWidget* makeEqualSettingsColumns(QWidget* leading, QWidget* trailing, int spacing, QWidget* parent);

}  // namespace vlt

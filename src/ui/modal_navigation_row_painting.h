#pragma once

#include <QColor>

class QAbstractButton;

namespace vlt {

struct ModalNavigationRowMetrics {
    int horizontalPadding = 14;
    double cornerRadius = 7.0;
    double barWidth = 4.0;
    double barHeight = 46.0;
};

// One row of a dialog's section rail: the selection fill with the accent bar at its
// leading edge, the keyboard focus ring, and the title, on a second line where one is
// too short for it (a longer language). The dialogs' rails differ only in the title's
// colour.
void paintModalNavigationRow(QAbstractButton& row, bool selected, const QColor& textColor,
                             const ModalNavigationRowMetrics& metrics);

// The narrowest row that still shows its whole title: its longest word and the padding.
int modalNavigationRowMinimumWidth(const QAbstractButton& row, const ModalNavigationRowMetrics& metrics);

}  // namespace vlt

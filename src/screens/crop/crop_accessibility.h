#pragma once

#include <QString>

class QWidget;

namespace vlt {

// Qt widgets have an accessible name and description but no value; the crop screen's
// surface, transform button and preset buttons carry one (the selection size, the angle,
// "Selected"), stored on the widget and read by an accessibility interface of ours.
struct CropAccessibility {
    // Installs the interface factory once per process; later calls do nothing.
    static void install();
    static void setValue(QWidget& widget, const QString& value);
    static QString value(const QWidget& widget);
    // The platform's selected trait.
    static void setSelected(QWidget& widget, bool selected);
};

}  // namespace vlt

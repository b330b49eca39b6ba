#include "screens/crop/crop_accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace vlt {

namespace {

constexpr const char* kValueProperty = "vltAccessibleValue";
constexpr const char* kSelectedProperty = "vltAccessibleSelected";

class ValueCarryingWidget final : public QAccessibleWidget {
public:
    explicit ValueCarryingWidget(QWidget* widget)
        : QAccessibleWidget(
              widget, qobject_cast<QAbstractButton*>(widget) != nullptr ? QAccessible::Button : QAccessible::Graphic) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return widget()->property(kValueProperty).toString();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State current = QAccessibleWidget::state();
        if (widget()->property(kSelectedProperty).toBool()) {
            current.selectable = true;
            current.selected = true;
        }
        return current;
    }
};

QAccessibleInterface* makeInterface(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    if (!object->property(kValueProperty).isValid()) return nullptr;
    return new ValueCarryingWidget(static_cast<QWidget*>(object));
}

}  // namespace

void CropAccessibility::install() {
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    (void)installed;
}

void CropAccessibility::setValue(QWidget& widget, const QString& value) {
    install();
    widget.setProperty(kValueProperty, value);
}

QString CropAccessibility::value(const QWidget& widget) { return widget.property(kValueProperty).toString(); }

void CropAccessibility::setSelected(QWidget& widget, bool selected) { widget.setProperty(kSelectedProperty, selected); }

}  // namespace vlt

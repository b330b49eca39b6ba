#include "ui/focus_chain.h"

#include <QLayout>
#include <QScrollArea>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace vlt {
namespace {

void collectLaidOut(const QLayout& layout, std::vector<QWidget*>& widgets) {
    for (int index = 0; index < layout.count(); ++index) {
        QLayoutItem* item = layout.itemAt(index);
        if (QWidget* widget = item->widget()) {
            widgets.push_back(widget);
        } else if (const QLayout* inner = item->layout()) {
            collectLaidOut(*inner, widgets);
        }
    }
}

bool isFocusStop(const QWidget& widget) { return widget.focusPolicy() & Qt::TabFocus; }

// The child widgets in the order they are shown. A control's own parts (a text edit's
// viewport, a spin box's field) sit outside layouts and stay Qt's business.
std::vector<QWidget*> childrenInLayoutOrder(QWidget* widget) {
    std::vector<QWidget*> children;
    if (auto* area = qobject_cast<QScrollArea*>(widget)) {
        if (area->widget() != nullptr) children.push_back(area->widget());
        return children;
    }
    if (widget->layout() != nullptr) {
        collectLaidOut(*widget->layout(), children);
    } else if (isFocusStop(*widget)) {
        return children;
    }
    for (QObject* object : widget->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child != nullptr && !child->isWindow() &&
            std::find(children.begin(), children.end(), child) == children.end()) {
            children.push_back(child);
        }
    }
    return children;
}

void collectFocusStops(QWidget* widget, std::vector<QWidget*>& stops) {
    if (isFocusStop(*widget)) stops.push_back(widget);
    for (QWidget* child : childrenInLayoutOrder(widget)) collectFocusStops(child, stops);
}

}  // namespace

void orderFocusChainByLayout(QWidget* root) {
    std::vector<QWidget*> stops;
    for (QWidget* child : childrenInLayoutOrder(root)) collectFocusStops(child, stops);
    for (std::size_t index = 1; index < stops.size(); ++index) QWidget::setTabOrder(stops[index - 1], stops[index]);
}

}  // namespace vlt

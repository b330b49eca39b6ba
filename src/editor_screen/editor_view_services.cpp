#include "editor_screen/editor_view_services.h"

#include <QWidget>

#include "editor_screen/editor_palette.h"

namespace vlt {

EditorViewServices EditorViewServices::standard() {
    EditorViewServices services;
    services.makeCanvas = [](EditorSession&, std::function<void()>, QWidget* parent) {
        auto* surface = new QWidget(parent);
        surface->setObjectName(QStringLiteral("editorCanvasPlaceholder"));
        QPalette colors = surface->palette();
        colors.setColor(QPalette::Window, EditorPalette::workspace());
        surface->setPalette(colors);
        surface->setAutoFillBackground(true);
        return EditorCanvasHost{surface, {}};
    };
    return services;
}

}  // namespace vlt

#include "screens/editor/editor_view_services.h"

#include <QPointer>
#include <QWidget>

#include "canvas/annotation_font_panel_controller.h"
#include "canvas/annotation_text_editor_sheet.h"
#include "canvas/editor_canvas_representable.h"
#include "canvas/editor_canvas_view.h"
#include "base/scheduler.h"
#include "ui/motion_preference.h"

namespace vlt {

EditorViewServices EditorViewServices::standard() {
    EditorViewServices services;
    services.makeCanvas = [](EditorSession& session, std::function<void()> onGraphicsFailure, QWidget* parent) {
        auto* bridge = new EditorCanvasRepresentable(session, QtScheduler::shared());
        bridge->onGraphicsFailure = std::move(onGraphicsFailure);
        EditorCanvasView* view = bridge->makeView(parent);
        // The bridge lives exactly as long as the canvas it binds.
        bridge->setParent(view);
        QPointer<EditorCanvasRepresentable> weakBridge(bridge);
        return EditorCanvasHost{view, [weakBridge](bool suspended) {
                                    if (weakBridge) weakBridge->setInteractionSuspended(suspended);
                                }};
    };
    services.makeTextEntrySheet = [](const AnnotationTextRequest& request, std::function<void()> onCancel,
                                     std::function<void(const QString&)> onCommit, QWidget* parent) -> QWidget* {
        auto* sheet = new AnnotationTextEditorSheet(request, std::move(onCancel), std::move(onCommit), parent,
                                                    QtScheduler::shared(), MotionPreference::shared());
        sheet->present();
        return sheet;
    };
    services.presentFontPanel = [](EditorSession& session, QWidget* window) {
        AnnotationFontPanelController::shared().openForSession(session, window);
    };
    return services;
}

}  // namespace vlt

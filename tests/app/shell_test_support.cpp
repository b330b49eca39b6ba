#include "shell_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "app/app_content_view.h"
#include "canvas/editor_canvas_view.h"
#include "screens/crop/crop_go_to_editor_button.h"
#include "screens/crop/crop_toolbar.h"
#include "screens/crop/crop_view.h"
#include "screens/editor/editor_tool_button.h"
#include "screens/editor/editor_tool_rail.h"
#include "screens/editor/editor_view.h"
#include "ui/motion_preference.h"

namespace vlt::testing {

ShellFixture::ShellFixture() {
    AppDelegate::Environment environment;
    environment.scheduler = &models.scheduler;
    environment.updater = updater;
    environment.relaunchApplication = [this](const QStringList& files) -> VoidResult {
        ++relaunchCount;
        relaunchFiles = files;
        if (relaunchFailure) return relaunchFailure;
        return {};
    };
    environment.exitEventLoop = [this] { ++exitCount; };
    delegate = std::make_unique<AppDelegate>(std::move(environment));
    window = std::make_unique<MainWindow>(*delegate);
    window->show();
    delegate->attach(window.get());
    delegate->attach(models.model.get());
}

ShellFixture::~ShellFixture() {
    window.reset();
    delegate.reset();
}

void ShellFixture::answer(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    button->click();
}

QString ShellFixture::alertInformativeText() const { return alert() ? alert()->informativeText() : QString(); }

RoadFixture::RoadFixture() {
    window.resize(1180, 820);
    root = new AppContentView(*model, QtScheduler::shared(), MotionPreference::shared(), &window,
                              AppContentView::RootTasks::leftToTheShell);
    root->useApplicationScreens();
    root->resize(window.size());
    window.show();
    window.activateWindow();
}

CropView* RoadFixture::open(const QUrl& picture) {
    model->importImage(picture, ImageImportOrigin::openPanel);
    // The caller sees a missed wait as a null screen.
    (void)QTest::qWaitFor([this] { return qobject_cast<CropView*>(root->baseScreenWidget()) != nullptr; },
                          kRoadPatience);
    return qobject_cast<CropView*>(root->baseScreenWidget());
}

EditorView* RoadFixture::goToEditor() {
    if (auto* crop = qobject_cast<CropView*>(root->baseScreenWidget())) crop->toolbar()->goToEditorButton()->click();
    (void)QTest::qWaitFor([this] { return editor() != nullptr && canvas()->renderer() != nullptr; }, kRoadPatience);
    return editor() != nullptr && canvas()->renderer() != nullptr ? editor() : nullptr;
}

EditorView* RoadFixture::editor() const { return qobject_cast<EditorView*>(root->baseScreenWidget()); }

EditorCanvasView* RoadFixture::canvas() const {
    return editor() ? qobject_cast<EditorCanvasView*>(editor()->canvas()) : nullptr;
}

void RoadFixture::selectTool(EditorTool tool) {
    editor()->toolRail()->toolButton(tool)->click();
    QTest::qWait(30);
    ASSERT_EQ(session().activeTool(), tool);
}

void RoadFixture::send(QEvent::Type type, QPointF pixel, Qt::MouseButton button, Qt::MouseButtons held) {
    const EditorViewportGeometry geometry = canvas()->viewportGeometry();
    const QRectF image =
        geometry.imageRect(geometry.panelRects().front(), geometry.clampedCenter(canvas()->sessionState().center));
    const ImageSize size = session().canvasSize();
    const QPointF point(image.x() + pixel.x() / double(size.width - 1) * image.width(),
                        image.y() + pixel.y() / double(size.height - 1) * image.height());
    QMouseEvent event(type, point, canvas()->mapToGlobal(point), button, held, Qt::NoModifier);
    QApplication::sendEvent(canvas(), &event);
}

void RoadFixture::drag(QPointF from, QPointF to, int steps) {
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    QTest::qWait(20);
    for (int step = 1; step <= steps; ++step) {
        send(QEvent::MouseMove, from + (to - from) * (double(step) / steps), Qt::NoButton, Qt::LeftButton);
        QTest::qWait(20);
    }
    send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

bool RoadFixture::recordsAStep(const std::function<void()>& action) {
    const std::int64_t before = session().historyStateRevision();
    action();
    return QTest::qWaitFor([&] { return session().historyStateRevision() != before; }, kRoadPatience);
}

}  // namespace vlt::testing

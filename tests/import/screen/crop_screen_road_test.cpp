#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "app/model/app_model.h"
#include "editing/session/editor_session.h"
#include "import/crop_document.h"
#include "import/screen/crop_go_to_editor_button.h"
#include "import/screen/crop_inspector.h"
#include "import/screen/crop_preset_button.h"
#include "import/screen/crop_screen_test_support.h"
#include "import/screen/crop_surface.h"
#include "import/screen/crop_toolbar.h"
#include "import/screen/crop_view.h"
#include "import/screen/crop_workspace.h"

namespace vlt {
namespace {

constexpr int kWaitMilliseconds = 30000;

// The whole road as a person takes it: a real JPEG is opened, cropped square, turned
// with Ctrl+], moved, and handed to the editor; decoding and preparation run on workers.
TEST(CropScreenRoadTest, AJpegIsOpenedCroppedTurnedAndReachesTheEditor) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("patient.jpg"));
    ASSERT_TRUE(testing::makeQuadrantPreview(1200, 900).convertToFormat(QImage::Format_RGB32).save(path, "JPEG", 92));

    ManualScheduler scheduler;
    AppModel model(nullptr, nullptr, AppLanguage::english, nullptr, nullptr, PrepareEditingCanvas(), scheduler);
    ASSERT_TRUE(model.openFileURLs({QUrl::fromLocalFile(path)}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.importState().isImporting; }, kWaitMilliseconds));
    ASSERT_NE(model.importState().document, nullptr)
        << model.importState().inlineImportError.value_or(QString()).toStdString();

    CropView view(model, model.importState().document);
    view.resize(1180, 820);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));

    view.inspector()->presetButton(CropPreset::square)->click();
    QTest::keyClick(&view, Qt::Key_BracketRight, Qt::ControlModifier);
    const CropSelection& selection = model.importState().document->selection();
    EXPECT_EQ(selection.displayClockwiseQuarterTurns, 1);
    EXPECT_EQ(selection.displayedSize(), (ImageSize{900, 1200}));
    ASSERT_DOUBLE_EQ(selection.crop.width, selection.crop.height);

    CropSurface* surface = view.workspace()->surface();
    const QPoint centre = surface->mapping().cropRect.center().toPoint();
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseMove(surface, centre + QPoint(0, 30));
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, centre + QPoint(0, 30));
    EXPECT_GT(selection.crop.y, 150);
    EXPECT_TRUE(view.grab().toImage().save(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("crop_screen_photo.png"))));

    view.toolbar()->goToEditorButton()->click();
    EXPECT_TRUE(model.editorState().isPreparingEditor);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.editorState().isPreparingEditor; }, kWaitMilliseconds));
    ASSERT_NE(model.editorState().editorSession, nullptr)
        << model.editorState().editorPreparationError.value_or(QString()).toStdString();

    const QImage& canvas = model.editorState().editorSession->editingCanvas()->image();
    EXPECT_EQ(canvas.width(), 900);
    EXPECT_EQ(canvas.height(), 900);
    // Turned clockwise, the photograph's bottom-left quadrant is at the top left.
    EXPECT_TRUE(testing::isNear(canvas.pixelColor(20, 20), Qt::blue, 40));
    EXPECT_TRUE(testing::isNear(canvas.pixelColor(880, 20), Qt::red, 40));
}

}  // namespace
}  // namespace vlt

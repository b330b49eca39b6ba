#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/app_content_view.h"
#include "screens/save_images/still_image_file_format_section.h"
#include "screens/save_images/still_image_save_modal.h"
#include "screens/save_images/still_image_save_navigation.h"
#include "screens/save_images/still_image_save_overlays.h"
#include "screens/save_images/still_image_selection_option.h"
#include "screens/save_images/still_image_watermarks_section.h"
#include "screens/save_images/still_image_where_what_section.h"
#include "canvas/editor_canvas_view.h"
#include "editing/preparation/editing_canvas.h"
#include "editing/session/editor_session.h"
#include "screens/editor/editor_tab_button.h"
#include "screens/editor/editor_tool_button.h"
#include "screens/editor/editor_tool_rail.h"
#include "screens/editor/editor_view.h"
#include "screens/editor/editor_viewport_header.h"
#include "foundation/json_application_settings_store.h"
#include "foundation/settings_file_app_language_preference_store.h"
#include "screens/crop/crop_go_to_editor_button.h"
#include "screens/crop/crop_toolbar.h"
#include "screens/crop/crop_view.h"
#include "ui/motion_preference.h"
#include "ui/settings_text_field.h"

namespace vlt {
namespace {

constexpr int kPatience = 20000;

QString writePhotograph(const QString& path) {
    QImage photo(800, 600, QImage::Format_RGB32);
    QPainter painter(&photo);
    painter.fillRect(photo.rect(), QColor(60, 80, 90));
    QRadialGradient face(QPointF(400, 300), 220);
    face.setColorAt(0.0, QColor(236, 200, 174));
    face.setColorAt(1.0, QColor(120, 80, 60));
    painter.setPen(Qt::NoPen);
    painter.setBrush(face);
    painter.drawEllipse(QPointF(400, 300), 180, 230);
    painter.end();
    photo.save(path, "JPEG", 92);
    return path;
}

// The whole road on the real event loop with real files: a JPEG is opened,
// cropped and reshaped, the dialog picks a folder in the real picker and saves
// all three kinds, the saved card reports them, and the files decode to the
// sizes the editor shows. Pictures of each dialog section and of the saved card
// stay beside the test binary.
TEST(StillImageSaveRoadTest, AReshapedPhotographIsSavedAsAllThreeKindsAndDecodes) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    MotionPreference::shared().setReduceMotion(true);
    AppModel model(
        std::make_shared<JSONApplicationSettingsStore>(folder.filePath("settings.json").toStdString()),
        std::make_shared<SettingsFileAppLanguagePreferenceStore>(folder.filePath("Veltrano.conf")),
        AppLanguage::english, nullptr, nullptr,
        [](const EditingCanvasDescriptor& descriptor) { return EditingCanvas::prepare(descriptor); },
        QtScheduler::shared());
    QWidget window;
    window.resize(1180, 820);
    auto* root = new AppContentView(model, QtScheduler::shared(), MotionPreference::shared(), &window,
                                    AppContentView::RootTasks::leftToTheShell);
    root->useApplicationScreens();
    root->resize(window.size());
    window.show();

    // 1. Open, crop and go to the editor.
    model.importImage(QUrl::fromLocalFile(writePhotograph(folder.filePath("Portrait.jpg"))),
                      ImageImportOrigin::openPanel);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return qobject_cast<CropView*>(root->baseScreenWidget()) != nullptr; }, kPatience));
    qobject_cast<CropView*>(root->baseScreenWidget())->toolbar()->goToEditorButton()->click();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return qobject_cast<EditorView*>(root->baseScreenWidget()) != nullptr; }, kPatience));
    auto* editor = qobject_cast<EditorView*>(root->baseScreenWidget());
    auto* canvas = qobject_cast<EditorCanvasView*>(editor->canvas());
    ASSERT_TRUE(QTest::qWaitFor([&] { return canvas->renderer() != nullptr; }, kPatience));
    EditorSession& session = *model.editorState().editorSession;
    const ImageSize size = session.canvasSize();

    // 2. A push across the middle of the Simulation.
    editor->viewportHeader()->tabButton(EditorTab::simulation)->click();
    editor->toolRail()->toolButton(EditorTool::push)->click();
    QTest::qWait(50);
    const EditorViewportGeometry geometry = canvas->viewportGeometry();
    const QRectF image =
        geometry.imageRect(geometry.panelRects().front(), geometry.clampedCenter(canvas->sessionState().center));
    const QPointF from = image.center() - QPointF(40, 0);
    const std::int64_t revision = session.historyStateRevision();
    QMouseEvent press(QEvent::MouseButtonPress, from, canvas->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(canvas, &press);
    for (int step = 1; step <= 8; ++step) {
        QTest::qWait(20);
        const QPointF at = from + QPointF(10.0 * step, 0);
        QMouseEvent move(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &move);
    }
    QMouseEvent release(QEvent::MouseButtonRelease, from + QPointF(80, 0), canvas->mapToGlobal(from + QPointF(80, 0)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &release);
    ASSERT_TRUE(QTest::qWaitFor([&] { return session.historyStateRevision() != revision; }, kPatience));

    // 3. The dialog: a folder from the real picker, all three kinds, a base name.
    model.requestSaveImages();
    ASSERT_TRUE(QTest::qWaitFor([&] { return root->overlay(AppOverlayLayer::stillImageSave) != nullptr; }, kPatience));
    auto* dialog = qobject_cast<StillImageSaveModal*>(root->overlay(AppOverlayLayer::stillImageSave));
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->saveButton()->isEnabled());
    dialog->whereWhatSection()->browseButton()->click();
    auto* picker = window.findChild<QFileDialog*>();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->windowTitle(), "Save images");
    EXPECT_EQ(picker->labelText(QFileDialog::Accept), "Select folder");
    const QString target = folder.filePath("Saved");
    QDir().mkpath(target);
    picker->setDirectory(target);
    picker->selectFile(target);
    QMetaObject::invokeMethod(picker, "accept");
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.stillImageSaveState().hasDestination; }, kPatience));
    dialog->whereWhatSection()->option(StillImageSaveSelection::allThreeTabs)->click();
    SettingsTextField* baseName = dialog->whereWhatSection()->baseNameField();
    baseName->selectAll();
    QTest::keyClicks(baseName, QStringLiteral("Road"));
    for (const StillImageSaveSection section : kAllStillImageSaveSections) {
        dialog->navigation()->row(section)->click();
        // JPEG shows its quality; the watermark editor is opened.
        if (section == StillImageSaveSection::fileFormat) {
            dialog->fileFormatSection()->formatOption(StillImageFileFormat::jpeg)->click();
        }
        if (section == StillImageSaveSection::watermarks) dialog->watermarksSection()->editorDisclosure()->click();
        QApplication::processEvents();
        const QString name = stillImageSaveSectionTitle(section).toLower().replace(QRegularExpression("[^a-z]+"), "_");
        EXPECT_TRUE(window.grab().save(QStringLiteral(VLT_TEST_SCREENSHOT_DIR "/still_image_save_%1.png").arg(name)));
        dialog->fileFormatSection()->formatOption(StillImageFileFormat::png)->click();
    }
    ASSERT_TRUE(dialog->saveButton()->isEnabled());
    dialog->saveButton()->click();

    // 4. The saved card, and the files.
    ASSERT_TRUE(QTest::qWaitFor([&] { return root->overlay(AppOverlayLayer::stillImageSaved) != nullptr; }, kPatience));
    auto* card = qobject_cast<StillImageSavedOverlay*>(root->overlay(AppOverlayLayer::stillImageSaved));
    ASSERT_NE(card, nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(window.grab().save(QStringLiteral(VLT_TEST_SCREENSHOT_DIR "/still_image_saved_card.png")));
    EXPECT_EQ(card->content().title, "Images saved");
    EXPECT_EQ(card->content().detail, target +
                                          "\nRoad-v01-original.png\nRoad-v01-simulation.png\n"
                                          "Road-v01-comparison.png");
    EXPECT_EQ(session.lastSuccessfulStillImageSaveRevision(), session.historyStateRevision());

    const QImage original(target + "/Road-v01-original.png");
    const QImage simulation(target + "/Road-v01-simulation.png");
    const QImage comparison(target + "/Road-v01-comparison.png");
    EXPECT_EQ(original.size(), QSize(int(size.width), int(size.height)));
    EXPECT_EQ(simulation.size(), original.size());
    const bool stacked = size.height < size.width;
    EXPECT_EQ(comparison.size(), stacked ? QSize(original.width(), 2 * original.height())
                                         : QSize(2 * original.width(), original.height()));
    EXPECT_NE(original, simulation) << "the reshape did not reach the saved Simulation";

    QTest::keyClick(card, Qt::Key_Return);
    EXPECT_FALSE(model.stillImageSaveState().savedImages);
    EXPECT_TRUE(QTest::qWaitFor([&] { return root->overlay(AppOverlayLayer::stillImageSaved) == nullptr; }));
    EXPECT_EQ(model.settingsState().settings.lastStillImageSaveLocationPath, target);
    MotionPreference::shared().setReduceMotion(false);
}

}  // namespace
}  // namespace vlt

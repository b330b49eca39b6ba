#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/app_content_view.h"
#include "screens/editor/editor_tab_button.h"
#include "screens/editor/editor_view.h"
#include "screens/editor/editor_viewport_header.h"
#include "screens/save_images/still_image_file_format_section.h"
#include "screens/save_images/still_image_save_modal.h"
#include "screens/save_images/still_image_save_navigation.h"
#include "screens/save_images/still_image_save_overlays.h"
#include "screens/save_images/still_image_selection_option.h"
#include "screens/save_images/still_image_watermarks_section.h"
#include "screens/save_images/still_image_where_what_section.h"
#include "shell_test_support.h"
#include "ui/settings_text_field.h"

namespace vlt {
namespace {

using testing::kRoadPatience;

// The whole road on the real event loop with real files: a JPEG is opened and
// reshaped, the dialog picks a folder in the real picker and saves all three kinds,
// the saved card reports them, and the files decode to the sizes the editor shows.
// Pictures of each dialog section and of the saved card stay beside the test binary.
TEST(StillImageSaveRoadTest, AReshapedPhotographIsSavedAsAllThreeKindsAndDecodes) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    testing::RoadFixture road;
    AppModel& model = *road.model;
    AppContentView* root = road.root;
    QWidget& window = road.window;

    // 1. Open and go to the editor.
    ASSERT_NE(road.open(testing::writeJpeg(folder.filePath("Portrait.jpg"), 800, 600)), nullptr);
    ASSERT_NE(road.goToEditor(), nullptr);
    EditorSession& session = road.session();
    const ImageSize size = session.canvasSize();

    // 2. A push across the middle of the Simulation, where the quadrants meet.
    road.editor()->viewportHeader()->tabButton(EditorTab::simulation)->click();
    road.selectTool(EditorTool::push);
    const QPointF centre(size.width / 2.0, size.height / 2.0);
    ASSERT_TRUE(road.recordsAStep([&] { road.drag(centre - QPointF(80, 0), centre + QPointF(80, 0), 8); }));

    // 3. The dialog: a folder from the real picker, all three kinds, a base name.
    model.requestSaveImages();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return root->overlay(AppOverlayLayer::stillImageSave) != nullptr; }, kRoadPatience));
    auto* dialog = qobject_cast<StillImageSaveModal*>(root->overlay(AppOverlayLayer::stillImageSave));
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->saveButton()->isEnabled());
    dialog->whereWhatSection()->browseButton()->click();
    auto* picker = window.findChild<QFileDialog*>();
    ASSERT_NE(picker, nullptr);
    const QString target = folder.filePath("Saved");
    QDir().mkpath(target);
    picker->setDirectory(target);
    picker->selectFile(target);
    QMetaObject::invokeMethod(picker, "accept");
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.stillImageSaveState().hasDestination; }, kRoadPatience));
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
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return root->overlay(AppOverlayLayer::stillImageSaved) != nullptr; }, kRoadPatience));
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
}

}  // namespace
}  // namespace vlt

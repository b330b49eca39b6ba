#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "app/app_content_view.h"
#include "app/shell_test_support.h"
#include "foundation/capturing_event_log_sink.h"
#include "model/app_model_test_access.h"
#include "model/model_test_support.h"
#include "screens/save_images/still_image_save_modal.h"
#include "screens/save_images/still_image_save_navigation.h"
#include "screens/save_images/still_image_file_format_section.h"
#include "screens/save_images/still_image_save_overlays.h"
#include "screens/save_images/still_image_where_what_section.h"
#include "output/still/still_output_test_support.h"
#include "ui/modal_close_button.h"
#include "ui/modal_header.h"
#include "ui/motion_preference.h"
#include "ui/settings_single_track_slider.h"
#include "ui/settings_text_field.h"
#include "support/clearly_changed_pixels.h"

namespace vlt {
namespace {

class StillImageSaveModalTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        model().runInBackground = background.runner();
        model().onStillImageFolderPickerRequested = [this](const QString& start, auto finish) {
            pickerStart = start;
            answerPicker = std::move(finish);
        };
        session = models.openEditor();
        session->prepareCommittedEditorState = [](EditorStatePreparationIntent, std::function<void(bool)> done) {
            done(true);
        };
        session->makeStillImageSnapshot = [](EditorSession::StillImageSnapshotCompletion done) {
            done(test::colourSnapshot(64, 48));
        };
        view = std::make_unique<AppContentView>(model(), models.scheduler, MotionPreference::shared(), nullptr,
                                                AppContentView::RootTasks::leftToTheShell);
        view->resize(1180, 820);
        view->show();
    }

    AppModel& model() { return *models.model; }
    // Remembers folders, newest last, as saves would have.
    void remember(const QStringList& names) {
        for (const QString& name : names) testing::rememberStillImageFolder(model(), folder.filePath(name));
    }
    StillImageSaveModal* open() {
        model().requestSaveImages();
        return qobject_cast<StillImageSaveModal*>(view->overlay(AppOverlayLayer::stillImageSave));
    }

    testing::ReducedMotion reducedMotion;
    QTemporaryDir folder;
    testing::ModelFixture models;
    testing::ManualBackgroundRunner background;
    std::shared_ptr<EditorSession> session;
    std::unique_ptr<AppContentView> view;
    QString pickerStart;
    std::function<void(std::optional<QString>)> answerPicker;
};

TEST_F(StillImageSaveModalTest, ReturnSavesOnlyWhileSaveIsEnabled) {
    remember({QStringLiteral("out")});
    StillImageSaveModal* dialog = open();
    ASSERT_NE(dialog, nullptr);
    SettingsTextField* baseName = dialog->whereWhatSection()->baseNameField();
    baseName->setFocus();
    baseName->selectAll();
    QTest::keyClicks(baseName, QStringLiteral("a/b"));
    EXPECT_FALSE(dialog->saveButton()->isEnabled());
    EXPECT_EQ(dialog->whereWhatSection()->baseNameMessageLabel()->text(),
              "Enter a valid system filename without a path separator.");
    QTest::keyClick(baseName, Qt::Key_Return);
    EXPECT_TRUE(model().stillImageSaveState().isSaveImagesPresented);

    baseName->selectAll();
    QTest::keyClicks(baseName, QStringLiteral("Smith"));
    QTest::keyClick(baseName, Qt::Key_Return);
    EXPECT_FALSE(model().stillImageSaveState().isSaveImagesPresented);
    EXPECT_TRUE(model().stillImageSaveState().isSaving);
    background.runAll();
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("out/Smith-v01-comparison.png"))));
}

// A button the keyboard was brought to takes Return for itself: "Browse…" asks for a
// folder, a section row opens its section and Cancel cancels, where Return used to save.
TEST_F(StillImageSaveModalTest, ReturnOnAFocusedButtonPressesItInsteadOfSaving) {
    remember({QStringLiteral("out")});
    StillImageSaveModal* dialog = open();
    ASSERT_NE(dialog, nullptr);
    QPushButton* browse = dialog->whereWhatSection()->browseButton();
    browse->setFocus(Qt::TabFocusReason);
    QTest::keyClick(browse, Qt::Key_Return);
    EXPECT_EQ(pickerStart, folder.filePath(QStringLiteral("out")));
    ASSERT_TRUE(answerPicker);
    answerPicker(std::nullopt);
    EXPECT_FALSE(model().stillImageSaveState().isSaving);

    // A section row opens its section.
    StillImageSaveNavigationRow* format = dialog->navigation()->row(StillImageSaveSection::fileFormat);
    format->setFocus(Qt::TabFocusReason);
    QTest::keyClick(format, Qt::Key_Return);
    EXPECT_EQ(dialog->viewModel().selectedSection(), StillImageSaveSection::fileFormat);
    EXPECT_TRUE(model().stillImageSaveState().isSaveImagesPresented);
    EXPECT_FALSE(model().stillImageSaveState().isSaving);

    dialog->cancelButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dialog->cancelButton(), Qt::Key_Return);
    EXPECT_FALSE(model().stillImageSaveState().isSaveImagesPresented);
    EXPECT_FALSE(model().stillImageSaveState().isSaving);
}

// A button clicked with the mouse leaves the keyboard where it was, so Return still
// saves; a slider clicked with the mouse takes the keyboard and shows it, so the arrow
// keys move it from there.
TEST_F(StillImageSaveModalTest, AClickedButtonLeavesReturnToSaveAndAClickedSliderTakesTheArrows) {
    const QString pictures = folder.filePath(QStringLiteral("pictures"));
    ASSERT_TRUE(QDir().mkpath(pictures));
    model().stillImageFolders.picturesFolder = [pictures] { return pictures; };
    remember({QStringLiteral("out")});
    StillImageSaveModal* dialog = open();
    ASSERT_NE(dialog, nullptr);
    QApplication::setActiveWindow(view.get());
    QWindow* window = view->windowHandle();

    dialog->viewModel().selectSection(StillImageSaveSection::fileFormat);
    dialog->fileFormatSection()->formatOption(StillImageFileFormat::jpeg)->click();
    SettingsSingleTrackSlider* slider = dialog->fileFormatSection()->qualitySlider();
    QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, slider->rect().center());
    const double clicked = slider->value();
    QTest::keyClick(window, Qt::Key_Right);
    EXPECT_EQ(slider->value(), clicked + 1);
    const QImage focused = slider->grab().toImage();
    slider->clearFocus();
    EXPECT_GE(testing::clearlyChangedPixels(focused, slider->grab().toImage()), 40) << "the focus does not show";

    dialog->viewModel().selectSection(StillImageSaveSection::whereWhat);
    SettingsTextField* baseName = dialog->whereWhatSection()->baseNameField();
    baseName->setFocus();
    baseName->selectAll();
    QTest::keyClicks(baseName, QStringLiteral("Smith"));
    QTest::mouseClick(dialog->whereWhatSection()->picturesButton(), Qt::LeftButton);
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_TRUE(model().stillImageSaveState().isSaving) << "Return pressed Pictures again";
    background.runAll();
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("pictures/Veltrano/Smith-v01-comparison.jpg"))));
}

TEST_F(StillImageSaveModalTest, EscapeAndTheCloseButtonWaitForTheFolderPicker) {
    remember({QStringLiteral("start")});
    StillImageSaveModal* dialog = open();
    ASSERT_NE(dialog, nullptr);
    dialog->whereWhatSection()->browseButton()->click();
    EXPECT_EQ(pickerStart, folder.filePath(QStringLiteral("start")));
    QTest::keyClick(dialog->whereWhatSection()->baseNameField(), Qt::Key_Escape);
    dialog->header()->closeButton()->click();
    EXPECT_TRUE(model().stillImageSaveState().isSaveImagesPresented);

    answerPicker(std::nullopt);
    dialog->header()->closeButton()->click();
    EXPECT_FALSE(model().stillImageSaveState().isSaveImagesPresented);
}

// The explanation is a popup: while it is up it holds the pointer and the keys, so
// each way of closing it must work and hand both back to the dialog.
TEST_F(StillImageSaveModalTest, TheFolderExplanationClosesByEscapeAClickOutsideOrOnTheBox) {
    StillImageWhereWhatSection* section = open()->whereWhatSection();
    QWindow* window = view->windowHandle();
    const auto clickAt = [window](QWidget* widget) {
        QTest::mouseClick(window, Qt::LeftButton, {}, widget->mapTo(widget->window(), widget->rect().center()));
    };
    // Escape, a second click on the box and a click elsewhere each close it.
    for (QWidget* elsewhere : std::vector<QWidget*>{nullptr, section->folderBox(), section->baseNameField()}) {
        clickAt(section->folderBox());
        ASSERT_TRUE(section->folderExplanation()->isVisible());
        elsewhere ? clickAt(elsewhere) : QTest::keyClick(window, Qt::Key_Escape);
        EXPECT_FALSE(section->folderExplanation()->isVisible());
    }
    // The dialog has the pointer and the keys again.
    clickAt(section->baseNameField());
    for (const char letter : {'S', 'm', 'i', 't', 'h'}) QTest::keyClick(window, letter);
    EXPECT_TRUE(section->baseNameField()->text().endsWith(QStringLiteral("Smith")));
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(model().stillImageSaveState().isSaveImagesPresented);
}

TEST_F(StillImageSaveModalTest, TheRecentMenuOffersAvailableFoldersAndRemovesGoneOnes) {
    StillImageSaveModal* dialog = open();
    ASSERT_NE(dialog, nullptr);
    StillImageWhereWhatSection* section = dialog->whereWhatSection();
    EXPECT_EQ(section->folderBox()->text(), "No folder selected");
    EXPECT_FALSE(section->recentButton()->isVisible());
    EXPECT_FALSE(dialog->saveButton()->isEnabled());
    model().dismissSaveImages();

    remember({QStringLiteral("gone"), QStringLiteral("here")});
    dialog = open();
    section = dialog->whereWhatSection();
    QDir(folder.filePath(QStringLiteral("gone"))).removeRecursively();
    emit section->recentMenu()->aboutToShow();
    QStringList rows;
    for (QAction* action : section->recentMenu()->actions()) rows << action->text();
    EXPECT_EQ(rows, (QStringList{folder.filePath(QStringLiteral("here")),
                                 folder.filePath(QStringLiteral("gone")) + " — Unavailable - Remove"}));
    section->recentMenu()->actions().at(1)->trigger();
    EXPECT_EQ(model().settingsState().settings.recentStillImageSaveLocations.size(), 1u);
    EXPECT_TRUE(dialog->saveButton()->isEnabled());
}

// A Cancel before any file is written ends quietly: no file, no error card.
TEST_F(StillImageSaveModalTest, TheSavingCardCancelsAndTheErrorCardClosesFromItsCloseIcon) {
    ScopedCapturingEventLog log;
    remember({QStringLiteral("out")});
    open()->saveButton()->click();
    auto* saving = qobject_cast<StillImageSavingOverlay*>(view->overlay(AppOverlayLayer::stillImageSaving));
    ASSERT_NE(saving, nullptr);
    saving->cancelButton()->click();
    background.runAll();
    EXPECT_EQ(view->overlay(AppOverlayLayer::stillImageSaving), nullptr);
    EXPECT_TRUE(QDir(folder.filePath(QStringLiteral("out"))).isEmpty());
    EXPECT_FALSE(model().stillImageSaveState().errorTitle);
    EXPECT_EQ(log->eventsNamed("still_image_save_cancelled").size(), 1u);

    AppModelTestAccess::changeStillImageSaveState(model(), [](StillImageSaveState& state) {
        state.errorTitle = QStringLiteral("Image not saved");
        state.errorMessage = QStringLiteral("The image could not be saved. The saved image could not be validated.");
    });
    auto* error = qobject_cast<StillImageSaveErrorOverlay*>(view->overlay(AppOverlayLayer::stillImageSaveError));
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->header()->titleLabel()->text(), "Image not saved");
    error->header()->closeButton()->click();
    EXPECT_FALSE(model().stillImageSaveState().errorTitle);
    EXPECT_FALSE(model().stillImageSaveState().errorMessage);
    EXPECT_FALSE(model().isInteractionLocked());
}

}  // namespace
}  // namespace vlt

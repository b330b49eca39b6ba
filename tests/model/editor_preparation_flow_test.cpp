#include <gtest/gtest.h>

#include <vector>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "model/model_test_support.h"
#include "model/app_model_test_access.h"
#include "foundation/capturing_event_log_sink.h"
#include "import/crop_document.h"

namespace vlt {
namespace {

// A model with a document open and a preparation that answers what the test chose.
class EditorPreparationFlowTest : public ::testing::Test {
protected:
    EditorPreparationFlowTest() {
        fixture.rebuild(AppLanguage::english,
                        [this](const EditingCanvasDescriptor& descriptor,
                               std::stop_token stop) -> Result<SharedEditingCanvas, EditingCanvasPreparationFailure> {
                            stoppedWhenPrepared.push_back(stop.stop_requested());
                            if (failure) return *failure;
                            return testing::makeCanvas(descriptor);
                        });
        AppModelTestAccess::setDocument(model(), testing::makeCropDocument());
        model().runInBackground = background.runner();
    }

    AppModel& model() { return *fixture.model; }
    void goToEditor() { model().goToEditor(); }

    ScopedCapturingEventLog log;
    testing::ModelFixture fixture;
    testing::ManualBackgroundRunner background;
    std::optional<EditingCanvasPreparationFailure> failure;
    std::vector<bool> stoppedWhenPrepared;
};

TEST_F(EditorPreparationFlowTest, PreparesTheCanvasOnceAndOpensTheEditor) {
    goToEditor();
    goToEditor();
    EXPECT_TRUE(model().editorState().isPreparingEditor);
    EXPECT_FALSE(model().canGoToEditor());
    EXPECT_EQ(background.pendingCount(), 1u) << "a second press starts nothing";
    EXPECT_EQ(model().editorState().editorPreparationGeneration, 1);
    background.runAll();

    ASSERT_NE(model().editorState().editorSession, nullptr);
    EXPECT_EQ(model().editorState().editorSession->document(), model().importState().document);
    EXPECT_FALSE(model().editorState().isPreparingEditor);
    EXPECT_EQ(log->eventsNamed("editor_preparation_started").size(), 1u);
    EXPECT_EQ(log->eventsNamed("editor_preparation_succeeded").size(), 1u);
}

TEST_F(EditorPreparationFlowTest, TheSessionGetsTheLabelsOfTheMomentTheCanvasArrives) {
    goToEditor();
    fixture.changeSettings([](ApplicationSettings& settings) {
        settings.originalComparisonLabel = QStringLiteral("Before");
        settings.simulationComparisonLabel = QStringLiteral("After");
    });
    background.runAll();
    ASSERT_NE(model().editorState().editorSession, nullptr);
    EXPECT_EQ(model().editorState().editorSession->originalComparisonLabel(), QStringLiteral("Before"));
    EXPECT_EQ(model().editorState().editorSession->simulationComparisonLabel(), QStringLiteral("After"));
}

// A preparation overtaken by a cancel, an import or another document ends cancelled
// without an editor or an alert; a cancel or an import also stops its decode.
TEST_F(EditorPreparationFlowTest, AnOvertakenPreparationDropsItsCanvas) {
    const std::function<void(AppModel&)> overtake[] = {
        [](AppModel& model) { model.cancelAllOperations(); },
        [](AppModel& model) {
            model.loadImportedImage = [](const QUrl& url, SharedFileAccess,
                                         std::stop_token) -> Result<ImportedImage, ImageImportFailure> {
                return testing::makeImportedImage(url);
            };
            model.importImage(QUrl::fromLocalFile(QDir::temp().filePath(QStringLiteral("other.jpg"))),
                              ImageImportOrigin::drop);
            EXPECT_FALSE(model.editorState().isPreparingEditor) << "cleared at once";
        },
        [](AppModel& model) { AppModelTestAccess::setDocument(model, testing::makeCropDocument()); },
    };
    for (std::size_t index = 0; index < std::size(overtake); ++index) {
        SCOPED_TRACE(index);
        goToEditor();
        overtake[index](model());
        background.runNext();
        if (index < 2) {
            ASSERT_FALSE(stoppedWhenPrepared.empty());
            EXPECT_TRUE(stoppedWhenPrepared.back());
        }
        EXPECT_EQ(model().editorState().editorSession, nullptr);
        EXPECT_FALSE(model().editorState().showsEditorPreparationError);
        EXPECT_EQ(log->eventsNamed("editor_preparation_cancelled").size(), index + 1);
        background.runAll();
        // A cancel or an import never leaves the crop screen locked.
        if (index < 2) {
            EXPECT_FALSE(model().isInteractionLocked());
        }
    }
    EXPECT_TRUE(log->eventsNamed("editor_preparation_succeeded").empty());
}

TEST_F(EditorPreparationFlowTest, AFailureShowsTheAlertAndKeepsTheCrop) {
    CropSelection square = model().importState().document->selection();
    square.setAspectRatio(CropAspectRatio::square);
    model().importState().document->setSelection(square);
    failure = EditingCanvasPreparationFailure(EditingCanvasPreparationFailure::Case::sourceChanged);
    goToEditor();
    background.runAll();
    EXPECT_TRUE(model().editorState().showsEditorPreparationError);
    EXPECT_EQ(model().editorState().editorPreparationError, QString::fromStdString(failure->userMessage()));
    EXPECT_FALSE(model().editorState().isPreparingEditor);
    EXPECT_EQ(model().importState().document->selection(), square);
    const auto failed = log->eventsNamed("editor_preparation_failed");
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed.front().value("failure_code"), "editor-source-changed");
}

TEST_F(EditorPreparationFlowTest, ACropWithoutAWholePixelFailsBeforeAnythingStarts) {
    CropSelection sliver = model().importState().document->selection();
    sliver.crop = ImageRect{399.7, 10, 0.2, 50};
    model().importState().document->setSelection(sliver);
    bool wasPreparing = false;
    QObject::connect(&model(), &AppModel::editorStateChanged,
                     [&] { wasPreparing = wasPreparing || model().editorState().isPreparingEditor; });
    goToEditor();
    EXPECT_FALSE(wasPreparing);
    EXPECT_EQ(background.pendingCount(), 0u);
    EXPECT_TRUE(model().editorState().showsEditorPreparationError);
    EXPECT_EQ(model().editorState().editorPreparationGeneration, 0);
}

// The real loader and the real preparation, on files that change behind the user's back.
class EditorSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath(QStringLiteral("photo.jpg"));
        const QUrl url = testing::writeJpeg(path, 320, 240);
        model().runInBackground = background.runner();
        model().importImage(url, ImageImportOrigin::openPanel);
        background.runAll();
        ASSERT_NE(model().importState().document, nullptr);
    }

    AppModel& model() { return *fixture.model; }
    void goToEditor() {
        model().goToEditor();
        background.runAll();
    }
    std::string failureCode() {
        const auto failed = log->eventsNamed("editor_preparation_failed");
        return failed.empty() ? std::string() : failed.back().value("failure_code").value_or("");
    }

    ScopedCapturingEventLog log;
    testing::ModelFixture fixture;
    testing::ManualBackgroundRunner background;
    QTemporaryDir folder;
    QString path;
};

TEST_F(EditorSourceTest, AReplacedFileIsRecognised) {
    ASSERT_TRUE(QFile::remove(path));
    testing::writeJpeg(path, 200, 300);
    goToEditor();
    EXPECT_EQ(model().editorState().editorSession, nullptr);
    EXPECT_EQ(failureCode(), "editor-source-changed");
    EXPECT_EQ(model().editorState().editorPreparationError,
              QStringLiteral("The source image changed after it was opened. Please open it again before editing."));
    EXPECT_NE(model().importState().document->decodeCache(), nullptr) << "kept for the next try";
}

// What the import's decode kept serves only the canvas; the editor lets go of it.
TEST_F(EditorSourceTest, WhatTheImportKeptIsLetGoOnceTheEditorOpens) {
    const std::weak_ptr<const ImageDecodeCache> kept = model().importState().document->decodeCache();
    ASSERT_FALSE(kept.expired());
    goToEditor();
    ASSERT_NE(model().editorState().editorSession, nullptr);
    EXPECT_TRUE(kept.expired());
}

}  // namespace
}  // namespace vlt

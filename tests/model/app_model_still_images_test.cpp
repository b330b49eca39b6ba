#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "model/model_test_support.h"
#include "base/system_error.h"
#include "foundation/capturing_event_log_sink.h"
#include "output/still/still_image_output_failure.h"
#include "output/still/still_output_test_support.h"

namespace vlt {
namespace {

class AppModelStillImagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        model().runInBackground = background.runner();
        model().stillImageFolders.picturesFolder = [this] { return picturesPath; };
        session = fixture.openEditor();
        session->prepareCommittedEditorState = [this](EditorStatePreparationIntent, std::function<void(bool)> done) {
            done(hasEdits);
        };
        session->makeStillImageSnapshot = [](EditorSession::StillImageSnapshotCompletion done) {
            done(test::colourSnapshot(64, 48));
        };
    }

    AppModel& model() { return *fixture.model; }
    const StillImageSaveState& state() { return model().stillImageSaveState(); }
    const ApplicationSettings& settings() { return model().settingsState().settings; }
    QString path(const QString& name) { return folder.filePath(name); }

    // A folder remembered as the last one saved into.
    void remember(const QString& name) { testing::rememberStillImageFolder(model(), path(name)); }
    void openDialog() {
        fixture.makeUnsavedChange();
        model().requestSaveImages();
    }
    void save(StillImageSaveSelection selection, const QString& subfolder = QString()) {
        StillImageExportOptions options;
        options.selection = selection;
        model().saveStillImages(QStringLiteral("Smith"), subfolder, options);
        background.runAll();
    }
    QStringList entries(const QString& name) {
        return QDir(path(name)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder;
    QString picturesPath;
    bool hasEdits = true;
    testing::ModelFixture fixture;
    testing::ManualBackgroundRunner background;
    std::shared_ptr<EditorSession> session;
    ScopedCapturingEventLog log;
};

TEST_F(AppModelStillImagesTest, WithoutEditsOnlyTheMessageShows) {
    hasEdits = false;
    remember(QStringLiteral("out"));
    model().requestSaveImages();
    EXPECT_EQ(session->transientMessage(), "No edits have been made, so there are no changes to save.");
    EXPECT_FALSE(state().isSaveImagesPresented);
    EXPECT_FALSE(state().hasDestination);
    EXPECT_EQ(log->count(), 0u);
}

// The Original alone does not save the editor's changes; the subfolder joins the recent
// folders, written at once.
TEST_F(AppModelStillImagesTest, ASaveOfTheOriginalRecordsItsSubfolderButLeavesTheChangesUnsaved) {
    remember(QStringLiteral("out"));
    openDialog();
    ASSERT_TRUE(state().isSaveImagesPresented);
    ASSERT_EQ(state().destinationDisplayPath, path(QStringLiteral("out")));
    const std::int64_t before = session->lastSuccessfulStillImageSaveRevision();
    const std::size_t writes = fixture.settingsStore->writes.size();

    save(StillImageSaveSelection::original, QStringLiteral(" Look "));
    EXPECT_FALSE(state().isSaving || state().isSaveImagesPresented);
    EXPECT_EQ(entries(QStringLiteral("out/Look")), QStringList{"Smith-v01-original.png"});
    ASSERT_TRUE(state().savedImages);
    EXPECT_EQ(session->lastSuccessfulStillImageSaveRevision(), before);
    EXPECT_EQ(settings().lastStillImageSaveLocationPath, path(QStringLiteral("out/Look")));
    EXPECT_EQ(settings().recentStillImageSaveLocations.front().relativeSubfolder, "Look");
    EXPECT_EQ(fixture.settingsStore->writes.size(), writes + 1);
    EXPECT_EQ(log->eventsNamed("still_image_save_succeeded").size(), 1u);
}

// The message names the cause: a file where the subfolder should be, or a disk that
// takes no more bytes (/dev/full answers every write with ENOSPC, as a full disk does).
TEST_F(AppModelStillImagesTest, AFailedSaveSaysWhyAndLeavesNothing) {
    remember(QStringLiteral("out"));
    QFile blocker(path(QStringLiteral("out/Look")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    test::ScriptedFileSystem fullDisk;
    fullDisk.onCreate = [](const std::filesystem::path&) -> Result<FileDescriptor> {
        return FileDescriptor(::open("/dev/full", O_WRONLY | O_CLOEXEC));
    };
    const struct {
        const char* subfolder;
        StillImageFileSystem* files;
        const char* reason;
        const char* errorCode;
    } cases[] = {{"Look", &systemStillImageFileSystem(), "The disk may be full or the location unavailable.", "17"},
                 {"", &fullDisk, "The file could not be written. The disk may be full.", "28"}};
    for (const auto& c : cases) {
        model().stillImageFileSystem = c.files;
        openDialog();
        save(StillImageSaveSelection::allThreeTabs, QString::fromUtf8(c.subfolder));
        EXPECT_EQ(state().errorTitle, "Image not saved");
        EXPECT_EQ(state().errorMessage, QStringLiteral("The image could not be saved. ") + c.reason);
        EXPECT_EQ(log->eventsNamed("still_image_save_failed").back().value("error_code"), c.errorCode);
        EXPECT_EQ(entries(QStringLiteral("out")), QStringList{"Look"});
        EXPECT_TRUE(settings().lastStillImageSaveLocationPath.endsWith("out"));
        model().closeStillImageSaveError();
    }
}

// Once every file is written a Cancel is too late: the save runs to its end and
// reports every file, rather than keeping some and naming none.
TEST_F(AppModelStillImagesTest, ACancelWhileFilesArePublishedIsTooLate) {
    remember(QStringLiteral("out"));
    test::ScriptedFileSystem files;
    model().stillImageFileSystem = &files;
    openDialog();
    StillImageExportOptions options;
    options.selection = StillImageSaveSelection::allThreeTabs;
    model().saveStillImages(QStringLiteral("Smith"), QString(), options);
    const TaskHandlePtr task = model().stillImageSaveTask;
    files.beforeRename = [task](const std::filesystem::path&) { task->cancel(); };
    background.runAll();
    EXPECT_FALSE(state().errorTitle);
    ASSERT_TRUE(state().savedImages);
    EXPECT_EQ(entries(QStringLiteral("out")).size(), 3);
    EXPECT_EQ(log->eventsNamed("still_image_save_succeeded").size(), 1u);
    EXPECT_TRUE(task->isFinished());
}

// The Original is written while the Simulation still renders. A Cancel meanwhile ends
// the wait and takes the written file away again; a refused snapshot fails the save
// the same way, also when only the Original was asked for.
TEST_F(AppModelStillImagesTest, WhatWasWrittenBeforeTheSnapshotCameGoesWhenTheSaveEnds) {
    remember(QStringLiteral("out"));
    std::vector<EditorSession::StillImageSnapshotCompletion> waiting;
    session->makeStillImageSnapshot = [&waiting](EditorSession::StillImageSnapshotCompletion done) {
        waiting.push_back(std::move(done));
    };
    test::ScriptedFileSystem files;
    model().stillImageFileSystem = &files;

    // 1. Cancelled while the Original is synced, the others waiting for the render.
    openDialog();
    StillImageExportOptions options;
    options.selection = StillImageSaveSelection::allThreeTabs;
    model().saveStillImages(QStringLiteral("Smith"), QString(), options);
    ASSERT_EQ(waiting.size(), 1u);
    const TaskHandlePtr task = model().stillImageSaveTask;
    files.onSync = [task](const std::filesystem::path&) -> VoidResult {
        task->cancel();
        return {};
    };
    background.runAll();
    EXPECT_FALSE(state().isSaving || state().savedImages || state().errorTitle);
    EXPECT_EQ(log->eventsNamed("still_image_save_cancelled").size(), 1u);
    EXPECT_TRUE(entries(QStringLiteral("out")).isEmpty());
    files.onSync = {};

    // 2. The snapshot refused once the Original is written.
    openDialog();
    options.selection = StillImageSaveSelection::original;
    model().saveStillImages(QStringLiteral("Smith"), QString(), options);
    ASSERT_EQ(waiting.size(), 2u);
    files.onSync = [&waiting](const std::filesystem::path&) -> VoidResult {
        waiting.back()(StillImageOutputFailure::rendererUnavailable());
        return {};
    };
    background.runAll();
    EXPECT_EQ(state().errorMessage, "The image could not be saved. The complete image could not be prepared.");
    EXPECT_EQ(log->eventsNamed("still_image_save_failed").back().value("failure_code"), "still-renderer-unavailable");
    EXPECT_TRUE(entries(QStringLiteral("out")).isEmpty());
}

// The render starts when the dialog opens, so that it runs while the person reads the
// dialog; the save takes that snapshot unless the editor's history moved on since.
TEST_F(AppModelStillImagesTest, TheSnapshotAskedForWithTheDialogServesTheSaveOfTheSameState) {
    remember(QStringLiteral("out"));
    int requests = 0;
    session->makeStillImageSnapshot = [&requests](EditorSession::StillImageSnapshotCompletion done) {
        ++requests;
        done(test::colourSnapshot(64, 48));
    };
    openDialog();
    EXPECT_EQ(requests, 1);
    save(StillImageSaveSelection::allThreeTabs);
    EXPECT_EQ(requests, 1);
    ASSERT_TRUE(state().savedImages);
    model().closeSavedStillImages();

    openDialog();
    session->setHistoryStateRevision(session->historyStateRevision() + 1);
    save(StillImageSaveSelection::simulation);
    EXPECT_EQ(requests, 3);
    ASSERT_TRUE(state().savedImages);
    model().closeSavedStillImages();

    openDialog();
    model().dismissSaveImages();
    openDialog();
    EXPECT_EQ(requests, 5);
}

// A drop box: files may be put in, but the folder cannot be read. Once every file is
// published the save stands; the folder sync that cannot follow is only logged. The
// superuser, who runs CI, passes every permission check, so the save runs as "nobody".
TEST_F(AppModelStillImagesTest, ASaveIntoAFolderThatCannotBeListedSucceeds) {
    remember(QStringLiteral("out"));
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0711), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path(QStringLiteral("out"))).constData(), 0333), 0);
    openDialog();
    const bool asNobody = ::geteuid() == 0;
    if (asNobody) ::setfsuid(65534);
    save(StillImageSaveSelection::allThreeTabs);
    if (asNobody) ::setfsuid(0);
    ::chmod(QFile::encodeName(path(QStringLiteral("out"))).constData(), 0755);

    EXPECT_FALSE(state().errorTitle);
    EXPECT_EQ(state().savedImages->fileNames.size(), 3u);
    EXPECT_EQ(settings().lastStillImageSaveLocationPath, path(QStringLiteral("out")));
    EXPECT_EQ(session->lastSuccessfulStillImageSaveRevision(), session->historyStateRevision());
    EXPECT_EQ(log->eventsNamed("still_image_folder_sync_failed").size(), 1u);
}

TEST_F(AppModelStillImagesTest, ASaveFinishedAfterTheEditorWasReplacedCountsAsSucceededWithoutACard) {
    remember(QStringLiteral("out"));
    openDialog();
    StillImageExportOptions options;
    options.selection = StillImageSaveSelection::original;
    model().saveStillImages(QStringLiteral("Smith"), QString(), options);
    fixture.openEditor();
    background.runAll();

    EXPECT_EQ(entries(QStringLiteral("out")), QStringList{"Smith-v01-original.png"});
    EXPECT_FALSE(state().isSaving);
    EXPECT_FALSE(state().savedImages);
    EXPECT_EQ(log->eventsNamed("still_image_save_succeeded").size(), 1u);
    EXPECT_TRUE(log->eventsNamed("still_image_save_cancelled").empty());
}

// "b" and "B" are two folders: one is gone, the other stays available.
TEST_F(AppModelStillImagesTest, RecentFoldersKeepFiveNewestFirstAndShowWhichAreGone) {
    for (const char* name : {"a", "c", "d", "e", "b", "B"}) remember(QString::fromLatin1(name));
    QDir(path(QStringLiteral("e"))).removeRecursively();
    QDir(path(QStringLiteral("B"))).removeRecursively();
    openDialog();

    std::vector<std::pair<QString, bool>> shown;
    for (const StillImageRecentLocationState& recent : state().recentLocations) {
        shown.emplace_back(QDir(folder.path()).relativeFilePath(recent.location.displayPath), recent.isAvailable);
    }
    EXPECT_EQ(shown, (std::vector<std::pair<QString, bool>>{
                         {"B", false}, {"b", true}, {"e", false}, {"d", true}, {"c", true}}));
    // The last folder is gone: its path stays on show, and Save has nowhere to go.
    EXPECT_EQ(state().destinationDisplayPath, path(QStringLiteral("B")));
    EXPECT_EQ(state().destinationError, "This folder no longer exists. Choose another save location.");
    EXPECT_FALSE(state().hasDestination);

    model().selectRecentStillImageSaveLocation(path(QStringLiteral("d")));
    EXPECT_TRUE(state().hasDestination);
    model().removeRecentStillImageSaveLocation(path(QStringLiteral("e")));
    EXPECT_TRUE(state().hasDestination);
    model().removeRecentStillImageSaveLocation(path(QStringLiteral("d")));
    EXPECT_FALSE(state().hasDestination);
    EXPECT_EQ(state().destinationError, "Choose a save location.");
    EXPECT_EQ(state().recentLocations.size(), 3u);
}

TEST_F(AppModelStillImagesTest, PicturesIsMadeOnAFreshAccountButNoFolderAboveIt) {
    struct Case {
        QString home;
        bool homeExists;
        std::optional<QString> error;
    };
    for (const Case& c : {Case{"fresh", true, {}}, Case{"nobody", false, "The Pictures folder cannot be accessed."}}) {
        SCOPED_TRACE(c.home.toStdString());
        if (c.homeExists) QDir().mkpath(path(c.home));
        picturesPath = path(c.home + "/Pictures");
        openDialog();
        model().useDefaultStillImageSaveLocation();
        EXPECT_EQ(state().destinationError, c.error);
        EXPECT_EQ(QFileInfo(picturesPath + "/Veltrano").isDir(), !c.error);
        EXPECT_EQ(QFileInfo::exists(path(c.home)), c.homeExists);
        EXPECT_EQ(state().destinationDisplayPath, c.error ? picturesPath : picturesPath + "/Veltrano");
        model().dismissSaveImages();
    }
}

TEST_F(AppModelStillImagesTest, APickedFolderThatCannotTakeFilesIsRefused) {
    std::function<void(std::optional<QString>)> answer;
    model().onStillImageFolderPickerRequested = [&](const QString&, auto finish) { answer = std::move(finish); };
    model().stillImageFolders.validateWritableFolder = [](const QString& folderPath) -> VoidResult {
        if (folderPath.endsWith("locked")) return makeSystemError(EACCES, "write", folderPath.toStdString());
        return {};
    };
    QDir().mkpath(path(QStringLiteral("locked")));
    openDialog();
    model().presentStillImageFolderPicker(QString());
    model().dismissSaveImages();
    EXPECT_TRUE(state().isSaveImagesPresented);
    answer(path(QStringLiteral("locked")));
    EXPECT_FALSE(state().isFolderPickerPresented);
    EXPECT_EQ(state().destinationDisplayPath, path(QStringLiteral("locked")));
    EXPECT_EQ(state().destinationError, "This folder cannot be accessed. Choose another save location.");
}

TEST_F(AppModelStillImagesTest, OpeningTheFolderSelectsTheFirstFileAndSaysWhenNothingCouldShowIt) {
    auto files = std::make_shared<testing::RecordingFileManager>();
    model().fileManager = files;
    remember(QStringLiteral("out"));
    openDialog();
    save(StillImageSaveSelection::allThreeTabs);
    const auto reveal = [&](bool shown) {
        files->answer = shown;
        model().revealSavedStillImages();
        testing::processEventsUntil([&] { return state().savedImagesFolderError.has_value() != shown; });
    };

    reveal(true);
    EXPECT_EQ(files->requests, std::vector<QStringList>{{path(QStringLiteral("out/Smith-v01-original.png"))}});
    EXPECT_FALSE(state().savedImagesFolderError);
    reveal(false);
    EXPECT_EQ(state().savedImagesFolderError, "The file manager could not open the containing folder.");
    QFile::remove(path(QStringLiteral("out/Smith-v01-original.png")));
    model().revealSavedStillImages();
    EXPECT_EQ(files->requests.size(), 2u);
    EXPECT_TRUE(state().savedImagesFolderError);
    model().closeSavedStillImages();
    EXPECT_FALSE(state().savedImagesFolderError);
}

}  // namespace
}  // namespace vlt

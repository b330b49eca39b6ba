#include <gtest/gtest.h>

#include <QSignalSpy>

#include "app/model/app_model_flags.h"
#include "app/model/model_test_support.h"

namespace vlt {
namespace {

using PresentingField = bool AppModelFlags::*;

const std::vector<PresentingField> kPresentingFields = {
    &AppModelFlags::isShortcutsPresented,
    &AppModelFlags::hasFeedbackState,
    &AppModelFlags::hasActiveSettingsSection,
    &AppModelFlags::isSaveImagesPresented,
    &AppModelFlags::isStillImageSaving,
    &AppModelFlags::hasSavedStillImages,
    &AppModelFlags::hasStillImageSaveErrorTitle,
    &AppModelFlags::isShareImageOpening,
    &AppModelFlags::hasShareImageState,
    &AppModelFlags::isShareImagePreparing,
    &AppModelFlags::hasShareImageErrorTitle,
    &AppModelFlags::isAnimationVideoSavePanelPresented,
    &AppModelFlags::isAnimationVideoSaving,
    &AppModelFlags::hasSavedAnimationVideo,
    &AppModelFlags::hasAnimationVideoSaveErrorTitle,
    &AppModelFlags::isPrinting,
    &AppModelFlags::showsPrintError,
    &AppModelFlags::showsReplacementImportError,
    &AppModelFlags::showsEditorPreparationError,
    &AppModelFlags::showsGraphicsFailure,
};

AppModelFlags cropScreen() {
    AppModelFlags flags;
    flags.hasDocument = true;
    return flags;
}

TEST(AppModelFlagsTest, NothingShownNothingLocked) {
    const AppModelFlags fresh;
    EXPECT_FALSE(fresh.isPresentingModal());
    EXPECT_FALSE(fresh.isInteractionLocked());
    EXPECT_FALSE(fresh.canGoToEditor());
}

TEST(AppModelFlagsTest, EveryDialogCardAlertAndOutputPresentsAndLocks) {
    for (std::size_t index = 0; index < kPresentingFields.size(); ++index) {
        AppModelFlags flags = cropScreen();
        flags.*kPresentingFields[index] = true;
        EXPECT_TRUE(flags.isPresentingModal()) << "field " << index;
        EXPECT_TRUE(flags.isInteractionLocked()) << "field " << index;
        EXPECT_FALSE(flags.canGoToEditor()) << "field " << index;
    }
}

TEST(AppModelFlagsTest, CloseRequestLocksOnlyOnceTheEditorHasCommitted) {
    AppModelFlags flags = cropScreen();
    flags.isCloseRequestPending = true;
    flags.isClosePreparationPending = true;
    EXPECT_FALSE(flags.isInteractionLocked());
    EXPECT_FALSE(flags.canGoToEditor());

    flags.isClosePreparationPending = false;
    EXPECT_TRUE(flags.isInteractionLocked());
    EXPECT_FALSE(flags.isPresentingModal());
}

TEST(AppModelFlagsTest, OnlyAReplacementImportLocks) {
    AppModelFlags startPage;
    startPage.isImporting = true;
    EXPECT_FALSE(startPage.isInteractionLocked());

    AppModelFlags replacing = cropScreen();
    replacing.isImporting = true;
    EXPECT_TRUE(replacing.isInteractionLocked());
    EXPECT_FALSE(replacing.canGoToEditor());
}

TEST(AppModelFlagsTest, EditorPreparationLocksAndBlocksASecondStart) {
    AppModelFlags flags = cropScreen();
    EXPECT_TRUE(flags.canGoToEditor());
    flags.isPreparingEditor = true;
    EXPECT_TRUE(flags.isInteractionLocked());
    EXPECT_FALSE(flags.canGoToEditor());
}

TEST(AppModelFlagsTest, GoToEditorNeedsADocumentWithoutEditor) {
    AppModelFlags editor = cropScreen();
    editor.hasEditorSession = true;
    EXPECT_FALSE(editor.canGoToEditor());
    EXPECT_FALSE(AppModelFlags().canGoToEditor());
}

TEST(AppModelDerivedFlagsTest, PanelsShareServiceAndVideoCancellationDoNotCount) {
    testing::ModelFixture fixture;
    AppModel& model = *fixture.model;
    model.setIsImagePickerPresented(true);
    model.setIsStillImageFolderPickerPresented(true);
    model.setIsNativeShareServiceActive(true);
    model.setIsAnimationVideoCancelling(true);
    EXPECT_FALSE(model.isPresentingModal());
    EXPECT_FALSE(model.isInteractionLocked());
}

TEST(AppModelDerivedFlagsTest, FlagSignalsFireOnlyWhenTheFlagChanges) {
    testing::ModelFixture fixture;
    AppModel& model = *fixture.model;
    QSignalSpy presenting(&model, &AppModel::isPresentingModalChanged);
    QSignalSpy locked(&model, &AppModel::isInteractionLockedChanged);

    model.setIsShortcutsPresented(true);
    model.setShowsGraphicsFailure(true);
    EXPECT_EQ(presenting.count(), 1);
    EXPECT_EQ(locked.count(), 1);

    model.setIsShortcutsPresented(false);
    EXPECT_EQ(presenting.count(), 1);
    model.setShowsGraphicsFailure(false);
    EXPECT_EQ(presenting.count(), 2);
    EXPECT_FALSE(model.isInteractionLocked());
}

TEST(AppModelDerivedFlagsTest, GoToEditorFollowsDocumentDialogsAndImports) {
    testing::ModelFixture fixture;
    AppModel& model = *fixture.model;
    QSignalSpy canGo(&model, &AppModel::canGoToEditorChanged);

    model.setDocument(testing::makeCropDocument());
    EXPECT_TRUE(model.canGoToEditor());
    model.presentSettings(SettingsSection::language);
    EXPECT_FALSE(model.canGoToEditor());
    model.closeSettings();
    EXPECT_TRUE(model.canGoToEditor());
    model.setIsImporting(true);
    EXPECT_FALSE(model.canGoToEditor());
    EXPECT_TRUE(model.isInteractionLocked());
    EXPECT_EQ(canGo.count(), 4);
}

}  // namespace
}  // namespace vlt

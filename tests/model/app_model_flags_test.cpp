#include <gtest/gtest.h>

#include "model/app_model_flags.h"
#include "model/model_test_support.h"
#include "model/app_model_test_access.h"

namespace vlt {
namespace {

const std::vector<bool AppModelFlags::*> kPresentingFields = {
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

TEST(AppModelFlagsTest, EveryDialogCardAlertAndOutputPresentsAndLocks) {
    for (std::size_t index = 0; index < kPresentingFields.size(); ++index) {
        AppModelFlags flags{.hasDocument = true};
        flags.*kPresentingFields[index] = true;
        EXPECT_TRUE(flags.isPresentingModal()) << "field " << index;
        EXPECT_TRUE(flags.isInteractionLocked()) << "field " << index;
        EXPECT_FALSE(flags.canGoToEditor()) << "field " << index;
    }
}

// Nothing presented: what locks, and when the crop may go to the editor.
TEST(AppModelFlagsTest, LockAndGoToEditorTruthTable) {
    struct Case {
        const char* name;
        AppModelFlags flags;
        bool locked;
        bool canGoToEditor;
    };
    const Case cases[] = {
        {"start page", {}, false, false},
        {"crop screen", {.hasDocument = true}, false, true},
        {"editor", {.hasDocument = true, .hasEditorSession = true}, false, false},
        {"import from the start page", {.isImporting = true}, false, false},
        {"replacement import", {.isImporting = true, .hasDocument = true}, true, false},
        {"editor preparation", {.hasDocument = true, .isPreparingEditor = true}, true, false},
        {"close waiting for the editor",
         {.isCloseRequestPending = true, .isClosePreparationPending = true, .hasDocument = true},
         false,
         false},
        {"close asking", {.isCloseRequestPending = true, .hasDocument = true}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(c.flags.isPresentingModal());
        EXPECT_EQ(c.flags.isInteractionLocked(), c.locked);
        EXPECT_EQ(c.flags.canGoToEditor(), c.canGoToEditor);
    }
}

TEST(AppModelDerivedFlagsTest, PanelsAndTheShareServiceDoNotCount) {
    testing::ModelFixture fixture;
    AppModel& model = *fixture.model;
    AppModelTestAccess::setImagePickerPresented(model, true);
    AppModelTestAccess::changeStillImageSaveState(
        model, [](StillImageSaveState& state) { state.isFolderPickerPresented = true; });
    AppModelTestAccess::changeShareState(model, [](ShareState& state) { state.isNativeShareServiceActive = true; });
    EXPECT_FALSE(model.isPresentingModal());
    EXPECT_FALSE(model.isInteractionLocked());
}

}  // namespace
}  // namespace vlt

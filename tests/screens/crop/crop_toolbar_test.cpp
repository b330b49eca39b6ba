#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include "screens/crop/crop_command_button.h"
#include "screens/crop/crop_go_to_editor_button.h"
#include "screens/crop/crop_palette.h"
#include "screens/crop/crop_screen_test_support.h"
#include "model/app_model_test_access.h"
#include "screens/crop/crop_surface.h"
#include "screens/crop/crop_toolbar.h"
#include "screens/crop/crop_view.h"
#include "screens/crop/crop_workspace.h"

namespace vlt {
namespace {

using testing::colorNear;
using testing::render;

class CropToolbarTest : public ::testing::Test {
protected:
    CropToolbarTest() : toolbar(*fixture.model) { toolbar.resize(1180, CropToolbar::kHeight); }

    bool allButtonsEnabled() const {
        return toolbar.openButton()->isEnabled() && toolbar.goToEditorButton()->isEnabled() &&
               toolbar.settingsButton()->isEnabled();
    }
    bool anyButtonEnabled() const {
        return toolbar.openButton()->isEnabled() || toolbar.goToEditorButton()->isEnabled() ||
               toolbar.settingsButton()->isEnabled();
    }
    bool showsLoading() const { return toolbar.loadingIndicator()->isVisibleTo(&toolbar); }

    testing::CropScreenFixture fixture;
    CropToolbar toolbar;
};

// The buttons wait while the model forbids going on; the loading indicator shows only
// for an import that is not a replacement.
TEST_F(CropToolbarTest, ButtonsAndTheLoadingIndicatorFollowTheModel) {
    EXPECT_TRUE(allButtonsEnabled());
    EXPECT_FALSE(showsLoading());
    AppModelTestAccess::setPreparingEditor(*fixture.model, true);
    EXPECT_FALSE(anyButtonEnabled());
    AppModelTestAccess::setPreparingEditor(*fixture.model, false);
    AppModelTestAccess::setImporting(*fixture.model, true);
    EXPECT_FALSE(anyButtonEnabled());
    EXPECT_TRUE(showsLoading());
    AppModelTestAccess::setReplacingCropImage(*fixture.model, true);
    EXPECT_FALSE(showsLoading());
    AppModelTestAccess::setReplacingCropImage(*fixture.model, false);
    AppModelTestAccess::setImporting(*fixture.model, false);
    fixture.model->presentShortcuts();
    EXPECT_FALSE(anyButtonEnabled());
    fixture.model->closeShortcuts();
    EXPECT_TRUE(allButtonsEnabled());
}

TEST_F(CropToolbarTest, GoToEditorIsDisabledAndBusyUntilThePreparationEnds) {
    EXPECT_FALSE(toolbar.goToEditorButton()->isBusy());
    testing::ManualBackgroundRunner background;
    fixture.model->runInBackground = background.runner();
    toolbar.goToEditorButton()->click();
    ASSERT_EQ(background.pendingCount(), 1u);
    EXPECT_TRUE(fixture.model->editorState().isPreparingEditor);
    EXPECT_TRUE(toolbar.goToEditorButton()->isBusy());
    EXPECT_FALSE(toolbar.goToEditorButton()->isEnabled());
    toolbar.goToEditorButton()->click();
    EXPECT_EQ(background.pendingCount(), 1u) << "a second press starts nothing";
    background.runAll();
    EXPECT_FALSE(fixture.model->editorState().isPreparingEditor);
    EXPECT_FALSE(toolbar.goToEditorButton()->isBusy());
}

TEST_F(CropToolbarTest, ButtonsCallTheModel) {
    bool panelRequested = false;
    fixture.model->onOpenImagePanelRequested = [&](std::function<void(std::optional<QUrl>)>) { panelRequested = true; };
    toolbar.openButton()->click();
    EXPECT_TRUE(panelRequested);
    EXPECT_TRUE(fixture.model->importState().isImagePickerPresented);

    AppModelTestAccess::setImagePickerPresented(*fixture.model, false);
    toolbar.settingsButton()->click();
    EXPECT_EQ(fixture.model->settingsState().activeSettingsSection, SettingsSection::contactInformation);
}

// The primary button is filled with the accent, muted and faded as one layer when
// disabled; the command button is washed while pressed and faded when disabled.
TEST_F(CropToolbarTest, ButtonFacesShowPressedAndDisabled) {
    CropGoToEditorButton* primary = toolbar.goToEditorButton();
    CropCommandButton* command = toolbar.openButton();
    for (QWidget* button : std::initializer_list<QWidget*>{primary, command}) button->resize(button->sizeHint());
    const QPoint probe(6, primary->height() / 2);
    EXPECT_TRUE(colorNear(render(*primary).pixelColor(probe), CropPalette::accent(), 6));
    EXPECT_TRUE(colorNear(render(*command).pixelColor(probe), Qt::white, 6));
    command->setDown(true);
    EXPECT_TRUE(colorNear(render(*command).pixelColor(probe), CropPalette::accentWash(), 6));
    command->setDown(false);

    AppModelTestAccess::setImporting(*fixture.model, true);
    QColor mutedFill = CropPalette::disabledPrimaryFill();
    mutedFill.setAlphaF(0.72);
    EXPECT_TRUE(colorNear(render(*primary).pixelColor(probe), mutedFill, 6));
    EXPECT_NEAR(render(*command).pixelColor(probe).alphaF(), 0.45, 0.02);
}

class CropViewTest : public ::testing::Test {
protected:
    CropViewTest() : fixture({4000, 3000}, {800, 600}), view(*fixture.model, fixture.document) {
        view.resize(1180, 820);
    }

    testing::CropScreenFixture fixture;
    CropView view;
};

TEST_F(CropViewTest, TheRowBelowTheToolbarTakesNoInputWhileTheModelForbidsIt) {
    EXPECT_TRUE(view.contentRow()->isEnabled());
    AppModelTestAccess::setPreparingEditor(*fixture.model, true);
    EXPECT_FALSE(view.contentRow()->isEnabled());
    EXPECT_FALSE(view.workspace()->surface()->isEnabled());
    AppModelTestAccess::setPreparingEditor(*fixture.model, false);
    EXPECT_TRUE(view.contentRow()->isEnabled());
}

TEST_F(CropViewTest, LaysOutTheScreenAndDrawsIt) {
    CropSelection selection = fixture.document->selection();
    selection.setAspectRatio(CropAspectRatio::classic4By3);
    selection.dragCorner(CropCorner::topLeft, {600, 400});
    fixture.document->setSelection(selection);
    view.show();
    QCoreApplication::processEvents();

    const QImage shot = view.grab().toImage();
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("crop_screen.png"));
    EXPECT_TRUE(shot.save(path));

    // The workspace background shows beside the hint, the toolbar is white.
    EXPECT_TRUE(colorNear(shot.pixelColor(600, 20), Qt::white, 6));
    const QRect workspace = view.workspace()->geometry().translated(view.contentRow()->pos());
    EXPECT_TRUE(
        colorNear(shot.pixelColor(workspace.left() + 3, workspace.top() + 3), CropPalette::workspaceBackground(), 6));

    AppModelTestAccess::setPreparingEditor(*fixture.model, true);
    QCoreApplication::processEvents();
    const QImage preparing = view.grab().toImage();
    EXPECT_TRUE(preparing.save(QDir(QCoreApplication::applicationDirPath()).filePath("crop_screen_preparing.png")));
}

}  // namespace
}  // namespace vlt

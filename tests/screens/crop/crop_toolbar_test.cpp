#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTest>

#include "screens/crop/crop_command_button.h"
#include "screens/crop/crop_go_to_editor_button.h"
#include "screens/crop/crop_inspector.h"
#include "screens/crop/crop_palette.h"
#include "screens/crop/crop_screen_test_support.h"
#include "model/app_model_test_access.h"
#include "screens/crop/crop_surface.h"
#include "screens/crop/crop_toolbar.h"
#include "screens/crop/crop_view.h"
#include "screens/crop/crop_workspace.h"

namespace vlt {
namespace {

using testing::isNear;

// Drawn on a transparent image, so that the opacity of the whole button can be read.
QImage renderAlone(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

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

TEST_F(CropToolbarTest, ButtonsFollowWhetherTheModelAllowsGoingOn) {
    EXPECT_TRUE(allButtonsEnabled());
    AppModelTestAccess::setPreparingEditor(*fixture.model, true);
    EXPECT_FALSE(anyButtonEnabled());
    AppModelTestAccess::setPreparingEditor(*fixture.model, false);
    AppModelTestAccess::setImporting(*fixture.model, true);
    EXPECT_FALSE(anyButtonEnabled());
    AppModelTestAccess::setImporting(*fixture.model, false);
    fixture.model->presentShortcuts();
    EXPECT_FALSE(anyButtonEnabled());
    fixture.model->closeShortcuts();
    EXPECT_TRUE(allButtonsEnabled());
}

TEST_F(CropToolbarTest, GoToEditorIsDisabledAndBusyUntilThePreparationEnds) {
    EXPECT_FALSE(toolbar.goToEditorButton()->isBusy());
    std::vector<std::function<void()>> held;
    fixture.model->runInBackground = [&](std::function<void()> work) { held.push_back(std::move(work)); };
    toolbar.goToEditorButton()->click();
    ASSERT_EQ(held.size(), 1u);
    EXPECT_TRUE(fixture.model->editorState().isPreparingEditor);
    EXPECT_TRUE(toolbar.goToEditorButton()->isBusy());
    EXPECT_FALSE(toolbar.goToEditorButton()->isEnabled());
    toolbar.goToEditorButton()->click();
    EXPECT_EQ(held.size(), 1u) << "a second press starts nothing";

    held.front()();
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(fixture.model->editorState().isPreparingEditor);
    EXPECT_FALSE(toolbar.goToEditorButton()->isBusy());
    EXPECT_TRUE(fixture.model->editorState().showsEditorPreparationError) << "the fixture's preparation always fails";
}

TEST_F(CropToolbarTest, LoadingShowsOnlyForAnImportThatIsNotAReplacement) {
    EXPECT_FALSE(showsLoading());
    AppModelTestAccess::setImporting(*fixture.model, true);
    EXPECT_TRUE(showsLoading());
    AppModelTestAccess::setReplacingCropImage(*fixture.model, true);
    EXPECT_FALSE(showsLoading());
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

TEST_F(CropToolbarTest, ThePrimaryButtonIsFilledWithTheAccentOrTheMutedColour) {
    CropGoToEditorButton* button = toolbar.goToEditorButton();
    button->resize(button->sizeHint());
    EXPECT_GE(button->width(), 142);
    EXPECT_EQ(button->height(), 42);
    const QPoint probe(6, button->height() / 2);
    EXPECT_TRUE(isNear(renderAlone(*button).pixelColor(probe), CropPalette::accent()));

    AppModelTestAccess::setImporting(*fixture.model, true);
    const QColor disabled = renderAlone(*button).pixelColor(probe);
    EXPECT_TRUE(isNear(disabled, CropPalette::disabledPrimaryFill()));
    EXPECT_NEAR(disabled.alphaF(), 0.72, 0.02);
}

TEST_F(CropToolbarTest, TheCommandButtonIsWashedWhilePressedAndFadedWhenDisabled) {
    CropCommandButton* button = toolbar.openButton();
    button->resize(button->sizeHint());
    EXPECT_EQ(button->height(), 42);
    const QPoint probe(4, button->height() / 2);
    EXPECT_TRUE(isNear(renderAlone(*button).pixelColor(probe), Qt::white));
    button->setDown(true);
    EXPECT_TRUE(isNear(renderAlone(*button).pixelColor(probe), CropPalette::accentWash()));
    button->setDown(false);
    AppModelTestAccess::setImporting(*fixture.model, true);
    EXPECT_NEAR(renderAlone(*button).pixelColor(probe).alphaF(), 0.45, 0.02);
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

    EXPECT_EQ(view.toolbar()->geometry(), QRect(0, 0, 1180, 66));
    EXPECT_EQ(view.inspector()->width(), CropInspector::kWidth);
    EXPECT_EQ(view.inspector()->geometry().right(), 1179);
    const QImage shot = view.grab().toImage();
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("crop_screen.png"));
    EXPECT_TRUE(shot.save(path));

    // The workspace background shows beside the hint, the toolbar is white.
    EXPECT_TRUE(isNear(shot.pixelColor(600, 20), Qt::white));
    const QRect workspace = view.workspace()->geometry().translated(view.contentRow()->pos());
    EXPECT_TRUE(isNear(shot.pixelColor(workspace.left() + 3, workspace.top() + 3), CropPalette::workspaceBackground()));

    AppModelTestAccess::setPreparingEditor(*fixture.model, true);
    QCoreApplication::processEvents();
    const QImage preparing = view.grab().toImage();
    EXPECT_TRUE(preparing.save(QDir(QCoreApplication::applicationDirPath()).filePath("crop_screen_preparing.png")));
}

}  // namespace
}  // namespace vlt

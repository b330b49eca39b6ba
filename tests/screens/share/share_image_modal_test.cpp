#include "screens/share/share_image_modal.h"

#include <algorithm>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "model/app_model_test_access.h"
#include "model/model_test_support.h"
#include "screens/share/share_image_error_overlay.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

using Watermark = ShareImageModal::Watermark;

class ShareImageModalTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(1180, 820);
        window.show();
        session = models.openEditor();
        // A snapshot that never arrives keeps the preparation running.
        session->makeStillImageSnapshot = [](auto) {};
    }
    AppModel& model() { return *models.model; }
    ShareImageModal* open(ShareImageDialogState choices) {
        AppModelTestAccess::changeShareState(model(), [&](ShareState& state) { state.shareImageState = choices; });
        auto* modal = new ShareImageModal(model(), &window, models.scheduler, MotionPreference::shared());
        modal->present();
        return modal;
    }

    testing::ModelFixture models;
    std::shared_ptr<EditorSession> session;
    QWidget window;
};

// A watermark that would not be drawn cannot be switched and is handed over off, but
// its toggle still shows the stored choice.
TEST_F(ShareImageModalTest, WatermarksThatAreNotConfiguredShowTheStoredChoiceAndGoOff) {
    models.changeSettings([](ApplicationSettings& settings) {
        settings.originalComparisonLabel = QStringLiteral("  ");
        settings.simulationComparisonLabel.clear();
    });
    ShareImageModal* modal = open({StillImageKind::simulation, true, true});
    for (const Watermark watermark : {Watermark::labels, Watermark::contactInformation}) {
        EXPECT_TRUE(modal->toggle(watermark)->isChecked());
        EXPECT_FALSE(modal->toggle(watermark)->isEnabled());
        EXPECT_EQ(modal->toggleDetail(watermark)->text(), QStringLiteral("Not configured in Settings"));
    }
    EXPECT_EQ(modal->currentDialogState(), (ShareImageDialogState{StillImageKind::simulation, false, false}));

    models.changeSettings([](ApplicationSettings& settings) {
        settings.contactName = QStringLiteral("Dr. Ana Ruiz");
        settings.contactAddress = QStringLiteral("Main Street 1\r\n\r\n Town ");
    });
    EXPECT_TRUE(modal->toggle(Watermark::contactInformation)->isChecked());
    EXPECT_EQ(modal->toggleDetail(Watermark::contactInformation)->text(),
              QStringLiteral("Dr. Ana Ruiz · Main Street 1 · Town"));
    EXPECT_TRUE(modal->currentDialogState().includeContactInformation);
}

// The darkest ink of a toggle's title, right of its box.
int darkestTitleInk(QCheckBox& toggle) {
    const QImage image = toggle.grab().toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = image.width() / 4; x < image.width(); ++x) {
            darkest = std::min(darkest, image.pixelColor(x, y).lightness());
        }
    }
    return darkest;
}

// Only the configured watermark can be switched, and only it looks as if it could.
TEST_F(ShareImageModalTest, AToggleThatCannotBeSwitchedIsDrawnDisabled) {
    models.changeSettings([](ApplicationSettings& settings) {
        settings.originalComparisonLabel.clear();
        settings.simulationComparisonLabel.clear();
        settings.contactName = QStringLiteral("Dr. Ana Ruiz");
    });
    ShareImageModal* modal = open({StillImageKind::simulation, true, true});
    QTest::qWait(5);
    QCheckBox& labels = *modal->toggle(Watermark::labels);
    QCheckBox& contact = *modal->toggle(Watermark::contactInformation);
    ASSERT_FALSE(labels.isEnabled());
    ASSERT_TRUE(contact.isEnabled());
    EXPECT_LT(darkestTitleInk(contact), 80);
    EXPECT_GT(darkestTitleInk(labels), darkestTitleInk(contact) + 60);
}

TEST_F(ShareImageModalTest, KindsChangeTheSummaryAndTogglesWriteBothSharingFlags) {
    ShareImageModal* modal = open({StillImageKind::simulation, false, false});
    EXPECT_EQ(modal->summaryLabel()->text(), QStringLiteral("Simulation · JPEG"));
    for (const auto& [kind, summary] : {std::pair{StillImageKind::original, "Original · JPEG"},
                                        std::pair{StillImageKind::comparison, "Comparison · JPEG"}}) {
        modal->kindRow(kind)->click();
        EXPECT_EQ(modal->summaryLabel()->text(), QString::fromUtf8(summary));
        EXPECT_TRUE(modal->kindRow(kind)->isChecked());
    }
    EXPECT_FALSE(model().areSettingsDirty()) << "the kind is never stored";

    modal->toggle(Watermark::labels)->click();
    EXPECT_TRUE(model().settingsState().settings.includeLabelsWhenSharing);
    EXPECT_FALSE(model().settingsState().settings.includeContactInformationWhenSharing);
}

TEST_F(ShareImageModalTest, WhilePreparingTheChoicesAreLockedAndEscapeCancels) {
    ShareImageModal* modal = open({StillImageKind::comparison, false, false});
    QTest::keyClick(modal->continueButton(), Qt::Key_Return);
    ASSERT_TRUE(model().shareState().isShareImagePreparing);
    const TaskHandlePtr preparation = model().shareState().shareImagePreparationTask;

    EXPECT_FALSE(modal->continueButton()->isEnabled() || modal->kindRow(StillImageKind::original)->isEnabled() ||
                 modal->editLink(Watermark::labels)->isEnabled() || modal->toggle(Watermark::labels)->isEnabled());
    EXPECT_EQ(modal->continueLabel()->text(), QStringLiteral("Preparing"));
    EXPECT_EQ(modal->continueButton()->accessibleName(),
              QStringLiteral("Preparing image for the desktop's sharing apps"));
    QTest::keyClick(modal->cancelButton(), Qt::Key_Return);
    EXPECT_EQ(model().shareState().shareImagePreparationTask, preparation) << "Return does not start another";

    QTest::keyClick(modal->cancelButton(), Qt::Key_Escape);
    EXPECT_TRUE(preparation->isCancelled());
}

TEST_F(ShareImageModalTest, EditLeavesForTheSettingsAndTheDialogComesBack) {
    models.changeSettings(
        [](ApplicationSettings& settings) { settings.simulationComparisonLabel = QStringLiteral("After"); });
    ShareImageModal* modal = open({StillImageKind::simulation, true, true});
    modal->kindRow(StillImageKind::original)->click();
    modal->editLink(Watermark::contactInformation)->click();
    EXPECT_EQ(model().settingsState().activeSettingsSection, SettingsSection::contactInformation);
    EXPECT_FALSE(model().shareState().shareImageState.has_value());

    // Without an editor there is nothing to share: the choices wait for one.
    AppModelTestAccess::setEditorSession(model(), nullptr);
    model().closeSettings();
    EXPECT_FALSE(model().shareState().shareImageState.has_value());
    AppModelTestAccess::setEditorSession(model(), session);
    model().presentSettings(SettingsSection::comparisonLabels);
    model().closeSettings();
    EXPECT_EQ(model().shareState().shareImageState, (ShareImageDialogState{StillImageKind::original, true, false}));
}

// Return continues from wherever the keyboard is, except from a button it was brought
// to, which Return presses as Space does: Cancel cancels and "Edit ›" leaves for the
// settings, neither shares the picture.
TEST_F(ShareImageModalTest, ReturnPressesTheFocusedButtonAndOtherwiseContinues) {
    const auto pressReturnOn = [](QWidget* widget) {
        widget->setFocus(Qt::TabFocusReason);
        QTest::keyClick(widget, Qt::Key_Return);
    };
    pressReturnOn(open({StillImageKind::simulation, false, false})->cancelButton());
    EXPECT_FALSE(model().shareState().shareImageState.has_value());
    EXPECT_FALSE(model().shareState().isShareImagePreparing);

    pressReturnOn(open({StillImageKind::simulation, false, false})->editLink(Watermark::labels));
    EXPECT_EQ(model().settingsState().activeSettingsSection, SettingsSection::comparisonLabels);
    EXPECT_FALSE(model().shareState().isShareImagePreparing);
    model().closeSettings();

    ShareImageModal* modal = open({StillImageKind::simulation, false, false});
    pressReturnOn(modal->kindRow(StillImageKind::original));
    EXPECT_TRUE(model().shareState().isShareImagePreparing);
    EXPECT_FALSE(modal->kindRow(StillImageKind::original)->isChecked()) << "Return chose instead of continuing";
}

TEST_F(ShareImageModalTest, TheErrorCardClosesWithCloseAndReturnButNotEscape) {
    AppModelTestAccess::changeShareState(model(), [](ShareState& state) {
        state.shareImageErrorTitle = QStringLiteral("Image not shared");
        state.shareImageErrorMessage = QStringLiteral("The image could not be shared. Reason.");
    });
    auto* card = new ShareImageErrorOverlay(model(), &window, models.scheduler, MotionPreference::shared());
    card->present();
    EXPECT_EQ(card->messageLabel()->text(), QStringLiteral("The image could not be shared. Reason."));
    QTest::keyClick(card->primaryButton(), Qt::Key_Escape);
    EXPECT_TRUE(model().shareState().shareImageErrorTitle.has_value());
    QTest::keyClick(card->primaryButton(), Qt::Key_Return);
    EXPECT_FALSE(model().shareState().shareImageErrorTitle || model().shareState().shareImageErrorMessage);
}

}  // namespace
}  // namespace vlt

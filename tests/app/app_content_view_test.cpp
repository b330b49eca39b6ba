#include "app/app_content_view.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPointer>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/app_alert_texts.h"
#include "app/graphics_failure_overlay.h"
#include "app/image_folder_memory.h"
#include "model/model_test_support.h"
#include "shell_test_support.h"
#include "model/app_model_test_access.h"
#include "screens/shortcuts/shortcuts_modal.h"
#include "screens/start/startup_view.h"
#include "base/file_support.h"
#include "import/crop_document.h"
#include "ui/modal_host.h"
#include "ui/modal_surface.h"
#include "ui/motion_preference.h"
#include "ui/output_result_overlay.h"

namespace vlt {
namespace {

class AppContentViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        view = std::make_unique<AppContentView>(*model, scheduler, MotionPreference::shared());
        view->resize(1180, 820);
        view->show();
    }

    // Factories that record the documents the crop screens were made for.
    void installCropScreens() {
        view->setCropScreenFactory([this](AppModel&, const std::shared_ptr<CropDocument>& document, QWidget* parent) {
            cropScreensMade.push_back(document.get());
            auto* screen = new QLabel(QStringLiteral("crop"), parent);
            screen->setObjectName(QStringLiteral("testCropScreen"));
            return screen;
        });
    }

    testing::ReducedMotion reducedMotion;
    testing::ModelFixture models;
    ManualScheduler& scheduler = models.scheduler;
    std::unique_ptr<AppModel>& model = models.model;
    std::unique_ptr<AppContentView> view;
    std::vector<const CropDocument*> cropScreensMade;
};

TEST_F(AppContentViewTest, EachNewDocumentGetsANewCropScreen) {
    EXPECT_EQ(view->baseScreen(), AppContentView::BaseScreen::startPage);
    EXPECT_NE(qobject_cast<StartupView*>(view->baseScreenWidget()), nullptr);
    EXPECT_EQ(view->baseScreenWidget()->geometry(), view->rect());

    installCropScreens();
    const auto first = testing::makeCropDocument();
    AppModelTestAccess::setDocument(*model, first);
    EXPECT_EQ(view->baseScreen(), AppContentView::BaseScreen::cropScreen);
    QWidget* firstScreen = view->baseScreenWidget();
    EXPECT_EQ(firstScreen->objectName(), "testCropScreen");

    AppModelTestAccess::setDocument(*model, first);
    EXPECT_EQ(view->baseScreenWidget(), firstScreen);

    const auto second = testing::makeCropDocument();
    AppModelTestAccess::setDocument(*model, second);
    EXPECT_NE(view->baseScreenWidget(), firstScreen);
    EXPECT_EQ(cropScreensMade, (std::vector<const CropDocument*>{first.get(), second.get()}));

    AppModelTestAccess::setDocument(*model, nullptr);
    EXPECT_EQ(view->baseScreen(), AppContentView::BaseScreen::startPage);
}

// Only a replacement import shows the card; the screen beneath is locked and Escape
// does not take the card away.
TEST_F(AppContentViewTest, ReplacementImportLocksTheScreenUnderACentredLoadingCard) {
    AppModelTestAccess::setImporting(*model, true);
    EXPECT_EQ(view->overlay(AppOverlayLayer::replacementImageLoading), nullptr);
    EXPECT_FALSE(view->isBaseScreenLocked());
    AppModelTestAccess::setImporting(*model, false);

    installCropScreens();
    AppModelTestAccess::setDocument(*model, testing::makeCropDocument());
    AppModelTestAccess::setImporting(*model, true);
    EXPECT_TRUE(view->isBaseScreenLocked());
    EXPECT_FALSE(view->baseScreenWidget()->isEnabled());
    auto* card = qobject_cast<ModalHost*>(view->overlay(AppOverlayLayer::replacementImageLoading));
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->accessibleName(), "Loading image…");
    const QRect surface = card->surfaceRect();
    EXPECT_EQ(surface.center().x(), view->rect().center().x());
    EXPECT_NEAR(surface.center().y(), view->rect().center().y(), 1);
    QTest::keyClick(card, Qt::Key_Escape);
    EXPECT_NE(view->overlay(AppOverlayLayer::replacementImageLoading), nullptr);

    AppModelTestAccess::setImporting(*model, false);
    EXPECT_EQ(view->overlay(AppOverlayLayer::replacementImageLoading), nullptr);
    EXPECT_TRUE(view->baseScreenWidget()->isEnabled());
}

TEST_F(AppContentViewTest, WithMotionTheLoadingCardFadesOutAndLetsClicksThrough) {
    MotionPreference::shared().setReduceMotion(false);
    AppModelTestAccess::setDocument(*model, testing::makeCropDocument());
    AppModelTestAccess::setImporting(*model, true);
    QPointer<QWidget> card = view->overlay(AppOverlayLayer::replacementImageLoading);
    ASSERT_TRUE(card);
    AppModelTestAccess::setImporting(*model, false);
    EXPECT_EQ(view->overlay(AppOverlayLayer::replacementImageLoading), nullptr);
    ASSERT_TRUE(card);
    EXPECT_TRUE(card->testAttribute(Qt::WA_TransparentForMouseEvents));
    // Qt runs the fade on its own clock; a loaded machine may need longer than its length.
    EXPECT_TRUE(QTest::qWaitFor([&card] { return card.isNull(); }, 5000));
}

TEST_F(AppContentViewTest, OverlaysStackInTheirFixedOrderWhateverOrderTheyOpenIn) {
    const auto plainLayer = [](const QString& name) {
        return [name](AppModel&, QWidget* parent) {
            auto* layer = new QWidget(parent);
            layer->setObjectName(name);
            return layer;
        };
    };
    view->setOverlayFactory(AppOverlayLayer::stillImageSaveError, plainLayer(QStringLiteral("saveError")));
    view->setOverlayFactory(AppOverlayLayer::animationVideoSaving, plainLayer(QStringLiteral("videoSaving")));

    // Shortcuts first: once anything else is up, the model refuses to open it.
    model->presentShortcuts();
    model->reportGraphicsFailure();
    AppModelTestAccess::changeAnimationVideoSaveState(*model,
                                                      [](AnimationVideoSaveState& state) { state.isSaving = true; });
    AppModelTestAccess::changeStillImageSaveState(
        *model, [](StillImageSaveState& state) { state.errorTitle = QStringLiteral("Title"); });
    EXPECT_EQ(view->overlay(AppOverlayLayer::stillImageSaveError), nullptr);
    AppModelTestAccess::changeStillImageSaveState(
        *model, [](StillImageSaveState& state) { state.errorMessage = QStringLiteral("Message"); });

    EXPECT_EQ(view->stackedOverlays(),
              (std::vector<AppOverlayLayer>{AppOverlayLayer::shortcuts, AppOverlayLayer::stillImageSaveError,
                                            AppOverlayLayer::animationVideoSaving, AppOverlayLayer::graphicsFailure}));
    EXPECT_FALSE(view->baseScreenWidget()->isEnabled());
    EXPECT_NE(qobject_cast<ShortcutsModal*>(view->overlay(AppOverlayLayer::shortcuts)), nullptr);
    model->closeShortcuts();
    EXPECT_EQ(view->overlay(AppOverlayLayer::shortcuts), nullptr);
}

TEST_F(AppContentViewTest, GraphicsFailureCardClosesWithEscapeAndOffersQuit) {
    int quitCount = 0;
    view->setQuitApplication([&] { ++quitCount; });
    model->reportGraphicsFailure();
    auto* card = qobject_cast<GraphicsFailureOverlay*>(view->overlay(AppOverlayLayer::graphicsFailure));
    ASSERT_NE(card, nullptr);
    QApplication::processEvents();
    // The message keeps its padding once the card is on screen.
    EXPECT_EQ(card->messageLabel()->mapTo(card->surface(), QPoint()).x(), 26);
    EXPECT_EQ(card->messageLabel()->text(), GraphicsFailureOverlay::message());
    card->quitButton()->click();
    EXPECT_EQ(quitCount, 1);
    QTest::keyClick(card->closeButton(), Qt::Key_Escape);
    EXPECT_FALSE(model->editorState().showsGraphicsFailure);
}

TEST_F(AppContentViewTest, APrintFailureIsACardThatClearsTheFailureWhenClosed) {
    AppModelTestAccess::changePrintState(*model, [](PrintState& state) { state.showsPrintError = true; });
    auto* card = qobject_cast<OutputResultOverlay*>(view->overlay(AppOverlayLayer::printError));
    ASSERT_NE(card, nullptr);
    card->primaryButton()->click();
    EXPECT_EQ(model->printState(), PrintState{});
    EXPECT_EQ(view->overlay(AppOverlayLayer::printError), nullptr);
}

TEST_F(AppContentViewTest, ReopenImagePickerClearsTheAlertAndOpensThePanelOneTurnLater) {
    installCropScreens();
    AppModelTestAccess::setDocument(*model, testing::makeCropDocument());
    int panelRequests = 0;
    model->onOpenImagePanelRequested = [&](std::function<void(std::optional<QUrl>)>) { ++panelRequests; };
    AppModelTestAccess::changeImportState(
        *model, [&](ImportState& state) { state.replacementImportError = QStringLiteral("Unreadable."); });
    AppModelTestAccess::changeImportState(*model,
                                          [&](ImportState& state) { state.showsReplacementImportError = true; });
    QMessageBox* box = view->alert(AppContentView::Alert::replacementImport);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->informativeText().endsWith("Unreadable.\n\nYour crop remains available."));

    QAbstractButton* reopen = nullptr;
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == "Reopen image picker") reopen = button;
    }
    ASSERT_NE(reopen, nullptr);
    reopen->click();
    EXPECT_FALSE(model->importState().showsReplacementImportError);
    EXPECT_FALSE(model->importState().replacementImportError.has_value());
    EXPECT_EQ(panelRequests, 0);
    scheduler.runDue();
    EXPECT_EQ(panelRequests, 1);
}

// Without a reason of their own the alerts give a fixed sentence, never an empty line.
TEST(AppAlertTextsTest, MessagesWithoutAReasonFallBackToAFixedSentence) {
    EXPECT_TRUE(AppAlertTexts::replacementImportMessage(QString(), false).contains("This image could not be opened."));
    EXPECT_TRUE(AppAlertTexts::editorPreparationMessage(std::nullopt).contains("could not be prepared for editing."));
    EXPECT_EQ(AppAlertTexts::printFailedMessage(QString()), "The print job failed.");
}

// A replacement that failed leaves what was there: the editor when one is open, else
// the crop.
TEST(AppAlertTextsTest, TheReplacementMessageNamesWhatIsKept) {
    const QString lead = QStringLiteral("The replacement image could not be loaded.\n\nThe file is damaged.\n\n");
    EXPECT_EQ(AppAlertTexts::replacementImportMessage(QStringLiteral("The file is damaged."), true),
              lead + "Your current editor image remains open and unchanged.");
    EXPECT_EQ(AppAlertTexts::replacementImportMessage(QStringLiteral("The file is damaged."), false),
              lead + "Your crop remains available.");
}

TEST_F(AppContentViewTest, FirstAppearanceAttachesOnceAndQueuedFilesWaitForAFreeModel) {
    int attached = 0;
    int queuedAttempts = 0;
    AppContentView fresh(*model, scheduler, MotionPreference::shared());
    fresh.setOnFirstAppearance([&] { ++attached; });
    fresh.setOnQueuedFilesMayOpen([&] { ++queuedAttempts; });
    fresh.show();
    fresh.hide();
    fresh.show();
    scheduler.runDue();
    EXPECT_EQ(attached, 1);
    EXPECT_EQ(queuedAttempts, 0);

    model->presentShortcuts();
    AppModelTestAccess::setImagePickerPresented(*model, true);
    model->closeShortcuts();
    EXPECT_EQ(queuedAttempts, 0);
    AppModelTestAccess::setImagePickerPresented(*model, false);
    EXPECT_EQ(queuedAttempts, 0) << "the attempt comes on the next turn";
    scheduler.runDue();
    EXPECT_EQ(queuedAttempts, 1);
}

TEST_F(AppContentViewTest, ACropScreenReplacedWhileItStillRisesFadesOutFromWhereItWas) {
    MotionPreference::shared().setReduceMotion(false);
    installCropScreens();
    AppModelTestAccess::setDocument(*model, testing::makeCropDocument());
    QPointer<QWidget> rising = view->baseScreenWidget();
    QTest::qWait(100);
    AppModelTestAccess::setDocument(*model, testing::makeCropDocument());
    ASSERT_TRUE(rising);
    const auto* fading = qobject_cast<QGraphicsOpacityEffect*>(rising->graphicsEffect());
    ASSERT_NE(fading, nullptr);
    EXPECT_LT(fading->opacity(), 1.0);

    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return rising.isNull() && view->baseScreenWidget()->graphicsEffect() == nullptr; }, 5000));
}

// Return presses the screen's button that has the keyboard, as Space does, but never a
// toggle (Space alone flips those) nor a button outside the screen, such as one of a
// dialog that passes the key on as it fades.
TEST_F(AppContentViewTest, ReturnPressesTheScreensFocusedButtonOnly) {
    QPushButton* action = nullptr;
    QPushButton* toggle = nullptr;
    view->setCropScreenFactory([&](AppModel&, const std::shared_ptr<CropDocument>&, QWidget* parent) {
        auto* screen = new QWidget(parent);
        action = new QPushButton(QStringLiteral("Go"), screen);
        toggle = new QPushButton(QStringLiteral("Flip"), screen);
        toggle->setCheckable(true);
        toggle->move(0, 40);
        return screen;
    });
    AppModelTestAccess::setDocument(*model, testing::makeCropDocument());
    ASSERT_NE(action, nullptr);
    view->activateWindow();
    int actions = 0;
    QObject::connect(action, &QPushButton::clicked, [&actions] { ++actions; });
    action->setFocus(Qt::TabFocusReason);
    QTest::keyClick(action, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&actions] { return actions == 1; }, 2000));
    QTest::keyClick(action, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(QTest::qWaitFor([&actions] { return actions == 2; }, 2000));
    QTest::keyClick(action, Qt::Key_Return, Qt::ControlModifier);

    toggle->setFocus(Qt::TabFocusReason);
    QTest::keyClick(toggle, Qt::Key_Return);

    auto* fadingDialogButton = new QPushButton(QStringLiteral("Done"), view.get());
    fadingDialogButton->show();
    int dialogPresses = 0;
    QObject::connect(fadingDialogButton, &QPushButton::clicked, [&dialogPresses] { ++dialogPresses; });
    fadingDialogButton->setFocus(Qt::TabFocusReason);
    QTest::keyClick(fadingDialogButton, Qt::Key_Return);
    QTest::qWait(300);
    EXPECT_EQ(actions, 2);
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_EQ(dialogPresses, 0);
}

// The open panel starts in the folder of the last image opened, also after a new
// launch; before any, or once that folder is gone, in Pictures, else at home.
TEST_F(AppContentViewTest, TheOpenPanelStartsWhereTheLastImageCameFrom) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const testing::ScopedEnvironment homeVariable("HOME", home.path().toUtf8().constData());
    const testing::ScopedEnvironment config("XDG_CONFIG_HOME", home.filePath("config").toUtf8().constData());
    const QString memoryFile = home.filePath(QStringLiteral("config/Veltrano/Veltrano.conf"));
    testing::ManualBackgroundRunner background;
    const auto launch = [&] {
        view.reset();
        models.rebuild();
        model->runInBackground = background.runner();
        view = std::make_unique<AppContentView>(*model, scheduler, MotionPreference::shared());
        view->setImageFolderMemory(std::make_shared<ImageFolderMemory>(memoryFile));
        view->show();
    };
    const auto panelFolder = [&] {
        model->openImagePicker();
        QFileDialog* panel = view->findChild<QFileDialog*>();
        if (panel == nullptr) return QString();
        const QString folder = panel->directory().absolutePath();
        panel->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return folder;
    };
    launch();
    EXPECT_EQ(panelFolder(), QDir(home.path()).absolutePath());
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("Pictures/shoot")));
    EXPECT_EQ(panelFolder(), home.filePath(QStringLiteral("Pictures")));

    // A file dropped from the shoot folder: its import fails, but that is where the
    // user was looking.
    model->importImage(QUrl::fromLocalFile(home.filePath(QStringLiteral("Pictures/shoot/a.jpg"))),
                       ImageImportOrigin::drop);
    background.runAll();
    EXPECT_EQ(panelFolder(), home.filePath(QStringLiteral("Pictures/shoot")));
    launch();
    EXPECT_EQ(panelFolder(), home.filePath(QStringLiteral("Pictures/shoot")));

    ASSERT_TRUE(QDir(home.filePath(QStringLiteral("Pictures/shoot"))).removeRecursively());
    EXPECT_EQ(panelFolder(), home.filePath(QStringLiteral("Pictures")));
}

}  // namespace
}  // namespace vlt

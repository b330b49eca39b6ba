#include <sys/stat.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

#include "app/app_content_view.h"
#include "model/model_test_support.h"
#include "shell_test_support.h"
#include "screens/share/share_image_modal.h"
#include "foundation/capturing_event_log_sink.h"
#include "output/share/share_image_payload_store.h"
#include "platform/share/desktop_share_services.h"
#include "platform/share/menu_share_picker.h"
#include "support/stub_program.h"
#include "ui/motion_preference.h"
#include "ui/output_result_overlay.h"

namespace vlt {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> entriesOf(const fs::path& folder) {
    std::vector<fs::path> entries;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) entries.push_back(entry.path());
    return entries;
}

// The whole road on the real event loop: the root view sweeps what an earlier run
// left, Share opens the dialog, Continue composes and writes the JPEG on a worker, the
// real menu pops up with the desktop's services, and "Copy Image" puts the picture on
// the clipboard; a service that fails is named on the error card.
TEST(ShareRoadTest, TheComparisonReachesTheClipboardOrTheApplicationThatOpensIt) {
    ScopedCapturingEventLog log;
    testing::ReducedMotion reducedMotion;
    testing::ModelFixture models;
    AppModel& model = *models.model;
    QTemporaryDir folder;
    const fs::path root = fs::path(folder.path().toStdString()) / "Veltrano" / "Share";
    model.shareImagePayloadStore = std::make_shared<const ShareImagePayloadStore>(root);
    const fs::path leftOver = root / "0b2d3c1e-0000-4000-8000-000000000000";
    fs::create_directories(leftOver);
    fs::last_write_time(leftOver, fs::file_time_type::clock::now() - std::chrono::hours(48));
    std::shared_ptr<EditorSession> session = models.openEditor();
    // What the canvas installs: committed work, then the Original and the Simulation.
    session->prepareCommittedEditorState = [](EditorStatePreparationIntent, auto done) { done(true); };
    session->makeStillImageSnapshot = [](auto done) {
        QImage original(300, 200, QImage::Format_ARGB32_Premultiplied);
        original.fill(Qt::red);
        QImage simulation = original.copy();
        simulation.fill(Qt::blue);
        done(StillImageRenderSnapshot{original, simulation, {}});
    };

    QMainWindow window;
    auto* view = new AppContentView(model, models.scheduler, MotionPreference::shared(), &window,
                                    AppContentView::RootTasks::run);
    window.setCentralWidget(view);
    window.resize(1180, 820);
    window.show();
    QApplication::setActiveWindow(&window);
    models.scheduler.runDue();
    QTRY_VERIFY_WITH_TIMEOUT(!fs::exists(leftOver), 5000);
    model.sharePicker = std::make_shared<MenuSharePicker>(
        view, std::make_shared<PopupShareMenuDriver>(),
        std::make_shared<DesktopShareServices>(nullptr, nullptr, DesktopShareServices::systemLauncher()));

    // Shares the Comparison through the menu entry with this title.
    const auto shareThrough = [&](const QString& entry) {
        model.requestShareImage();
        auto* dialog = qobject_cast<ShareImageModal*>(view->overlay(AppOverlayLayer::shareImage));
        ASSERT_NE(dialog, nullptr);
        dialog->kindRow(StillImageKind::comparison)->click();
        EXPECT_TRUE(window.grab().save(QStringLiteral(VLT_SHARE_SCREENSHOT_DIR "/share-dialog.png")));
        dialog->continueButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr, 10000);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        EXPECT_EQ(view->overlay(AppOverlayLayer::shareImage), nullptr);
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text() == entry) chosen = action;
        }
        ASSERT_NE(chosen, nullptr);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
        QTRY_VERIFY_WITH_TIMEOUT(!model.shareState().isNativeShareServiceActive, 10000);
    };
    shareThrough(QStringLiteral("Copy Image"));

    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    // A landscape Comparison: the Simulation stacked over the Original.
    const QImage shared = qvariant_cast<QImage>(copied->imageData());
    EXPECT_EQ(shared.size(), QSize(300, 400));
    EXPECT_GT(qBlue(shared.pixel(150, 50)), 200);
    EXPECT_GT(qRed(shared.pixel(150, 350)), 200);
    EXPECT_TRUE(copied->data(QStringLiteral("image/jpeg")).startsWith("\xFF\xD8"));
    EXPECT_EQ(copied->urls().size(), 1);
    EXPECT_EQ(log->eventsNamed("share_image_succeeded").size(), 1u);

    // Without the portal "Open With…" hands the file to xdg-open and reads its exit
    // status: with an application for JPEG images the share succeeds; without one it
    // fails with the card, and its file goes at once.
    {
        testing::ScopedStubProgram opens(QStringLiteral("xdg-open"), "exit 0");
        shareThrough(QStringLiteral("Open With…"));
    }
    EXPECT_EQ(log->eventsNamed("share_image_succeeded").size(), 2u);
    {
        testing::ScopedStubProgram noApplication(QStringLiteral("xdg-open"), "exit 3");
        shareThrough(QStringLiteral("Open With…"));
    }
    ASSERT_EQ(log->eventsNamed("share_image_failed").size(), 1u);
    EXPECT_EQ(log->eventsNamed("share_image_failed").front().value("failure_code"), "share-service-failed");
    models.scheduler.runDue();
    QTRY_COMPARE_WITH_TIMEOUT(entriesOf(root).size(), std::size_t(2), 5000);

    // The card names the service that failed, not some sharing app: here no desktop
    // application, a mail program that gives up, no file manager at all.
    const auto cardMessage = [&] {
        auto* card = qobject_cast<OutputResultOverlay*>(view->overlay(AppOverlayLayer::shareImageError));
        const std::string message = card ? card->messageLabel()->text().toStdString() : "no card";
        if (card) card->primaryButton()->click();
        return message;
    };
    EXPECT_EQ(cardMessage(), "The image could not be shared. No application could open the image.");
    {
        testing::ScopedStubProgram mailFails(QStringLiteral("xdg-email"), "exit 4");
        shareThrough(QStringLiteral("Send by Email…"));
    }
    EXPECT_EQ(cardMessage(), "The image could not be shared. No e-mail program could attach the image.");
    shareThrough(QStringLiteral("Show in File Manager"));
    EXPECT_EQ(cardMessage(), "The image could not be shared. The file manager could not show the image.");
    EXPECT_EQ(log->eventsNamed("share_image_failed").size(), 3u);
    for (const auto& failed : log->eventsNamed("share_image_failed")) {
        EXPECT_EQ(failed.value("failure_code"), "share-service-failed");
    }
}

}  // namespace
}  // namespace vlt

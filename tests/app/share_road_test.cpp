#include <sys/stat.h>

#include <QApplication>
#include <QClipboard>
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
#include "screens/share/share_image_modal.h"
#include "foundation/capturing_event_log_sink.h"
#include "output/share/share_image_payload_store.h"
#include "platform/share/desktop_share_services.h"
#include "platform/share/menu_share_picker.h"
#include "ui/motion_preference.h"

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
// real menu pops up, "Copy Image" puts it on the clipboard, and half an hour later the
// file is gone.
TEST(ShareRoadTest, TheComparisonReachesTheClipboardAndItsFileGoesLater) {
    ScopedCapturingEventLog log;
    MotionPreference::shared().setReduceMotion(true);
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
        std::make_shared<DesktopShareServices>(nullptr, nullptr, DesktopShareServices::Launcher{}));

    model.requestShareImage();
    auto* dialog = qobject_cast<ShareImageModal*>(view->overlay(AppOverlayLayer::shareImage));
    ASSERT_NE(dialog, nullptr);
    dialog->kindRow(StillImageKind::comparison)->click();
    EXPECT_TRUE(window.grab().save(QStringLiteral(VLT_SHARE_SCREENSHOT_DIR "/share-dialog.png")));

    dialog->continueButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr, 10000);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    EXPECT_EQ(view->overlay(AppOverlayLayer::shareImage), nullptr);
    QAction* copy = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == QStringLiteral("Copy Image")) copy = action;
    }
    ASSERT_NE(copy, nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(copy).center());
    QTRY_VERIFY_WITH_TIMEOUT(!model.shareState().isNativeShareServiceActive, 5000);

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
    const std::vector<fs::path> working = entriesOf(root);
    ASSERT_EQ(working.size(), 1u);
    EXPECT_EQ(entriesOf(working.front()).size(), 1u);

    models.scheduler.advance(1800.0);
    QTRY_VERIFY_WITH_TIMEOUT(entriesOf(root).empty(), 5000);
    MotionPreference::shared().setReduceMotion(false);
}

}  // namespace
}  // namespace vlt

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QTemporaryDir>

#include "app/app_content_view.h"
#include "app/main_window.h"
#include "app/veltrano_application.h"
#include "platform/single_instance/single_instance.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

// The application as main() builds it, on a home folder of its own.
class VeltranoApplicationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    }

    QTemporaryDir home;
};

TEST_F(VeltranoApplicationTest, StartsIntoItsOneWindowWithTheRootViewAndMenus) {
    // Without motion the start page is drawn complete on its first frame.
    MotionPreference::shared().setReduceMotion(true);
    SingleInstance instance(home.filePath(QStringLiteral("instance")));
    VeltranoApplication application(instance);
    MainWindow& window = application.window();
    window.show();

    EXPECT_EQ(window.objectName(), QStringLiteral("startup"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Veltrano"));
    EXPECT_EQ(window.size(), QSize(MainWindow::kDefaultWidth, MainWindow::kDefaultHeight));
    EXPECT_NE(qobject_cast<AppContentView*>(window.centralWidget()), nullptr);
    EXPECT_EQ(window.menuBar()->actions().size(), 5);

    window.resize(400, 300);
    EXPECT_GE(window.width(), MainWindow::kMinimumWidth);
    EXPECT_GE(window.height(), MainWindow::kMinimumHeight);

    window.resize(MainWindow::kDefaultWidth, MainWindow::kDefaultHeight);
    QApplication::processEvents();
    window.grab().save(QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("veltrano_window.png")));
    MotionPreference::shared().setReduceMotion(false);
}

}  // namespace
}  // namespace vlt

#include "app/open_image_panel.h"

#include <QFileDialog>
#include <QLabel>
#include <gtest/gtest.h>

namespace vlt {
namespace {

TEST(OpenImagePanelTest, OffersOneFileOfTheSixFormats) {
    QWidget window;
    QFileDialog* panel = OpenImagePanel::create(&window);
    EXPECT_EQ(panel->windowTitle(), "Open Image");
    EXPECT_EQ(panel->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(panel->labelText(QFileDialog::Accept), "Open");
    EXPECT_EQ(panel->windowModality(), Qt::WindowModal);
    const QString filter = OpenImagePanel::nameFilter();
    for (const char* pattern : {"*.jpg", "*.jpeg", "*.png", "*.bmp", "*.tif", "*.tiff", "*.heic", "*.heif", "*.JPG"}) {
        EXPECT_TRUE(filter.contains(QString::fromLatin1(pattern) + QLatin1Char(' ')) ||
                    filter.contains(QString::fromLatin1(pattern) + QLatin1Char(')')))
            << pattern;
    }
    EXPECT_FALSE(filter.contains("*.gif"));
    auto* message = panel->findChild<QLabel*>(QStringLiteral("openPanelMessage"));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text(), "Choose one local image to crop. The original file will not be changed.");
}

}  // namespace
}  // namespace vlt

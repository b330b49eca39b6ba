#include "app/open_image_panel.h"

#include <QDir>
#include <QFileDialog>
#include <gtest/gtest.h>

namespace vlt {
namespace {

TEST(OpenImagePanelTest, OffersOneFileOfTheSixFormats) {
    QWidget window;
    QFileDialog* panel = OpenImagePanel::create(&window, QDir::homePath());
    EXPECT_EQ(panel->fileMode(), QFileDialog::ExistingFile);
    const QString filter = OpenImagePanel::nameFilter();
    for (const char* pattern : {"*.jpg", "*.jpeg", "*.png", "*.bmp", "*.tif", "*.tiff", "*.heic", "*.heif", "*.JPG"}) {
        EXPECT_TRUE(filter.contains(QString::fromLatin1(pattern) + QLatin1Char(' ')) ||
                    filter.contains(QString::fromLatin1(pattern) + QLatin1Char(')')))
            << pattern;
    }
    EXPECT_FALSE(filter.contains("*.gif"));
}

}  // namespace
}  // namespace vlt

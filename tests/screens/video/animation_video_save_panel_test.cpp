#include "screens/video/animation_video_save_panel.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace vlt {
namespace {

// The file holds an MP4 whatever was typed, so another extension gets ".mp4" after it.
TEST(AnimationVideoSavePanelTest, ANameWithAnotherExtensionIsSavedWithTheMp4One) {
    QTemporaryDir folder;
    QWidget window;
    window.show();
    for (const auto& [typed, expected] :
         {std::pair{"clip.txt", "clip.txt.mp4"}, std::pair{"clip", "clip.mp4"}, std::pair{"clip.MP4", "clip.MP4"}}) {
        std::optional<QString> saved;
        AnimationVideoSavePanel::present(&window, QStringLiteral("face-animation.mp4"),
                                         [&saved](std::optional<QString> path) { saved = path; });
        QPointer<QFileDialog> panel = window.findChild<QFileDialog*>();
        ASSERT_NE(panel, nullptr);
        panel->setDirectory(folder.path());
        auto* name = panel->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(QString::fromUtf8(typed));
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_EQ(saved, folder.filePath(QString::fromUtf8(expected)));
        EXPECT_TRUE(QTest::qWaitFor([&panel] { return panel.isNull(); }));
    }
}

}  // namespace
}  // namespace vlt

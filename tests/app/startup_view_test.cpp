#include "app/startup_view.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include "app/import_target.h"
#include "app/shortcut_reference.h"
#include "app/startup_palette.h"
#include "app_model_test_factory_support.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

QMimeData* filesMime(const QList<QUrl>& urls) {
    auto* mime = new QMimeData;
    mime->setUrls(urls);
    return mime;
}

class StartupViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        MotionPreference::shared().setReduceMotion(true);
        view = std::make_unique<StartupView>(*model, scheduler, MotionPreference::shared());
        view->resize(1180, 820);
        view->show();
        QTest::qWait(5);
    }
    void TearDown() override { MotionPreference::shared().setReduceMotion(false); }

    QString localFile(const QString& name) {
        const QString path = directory.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("not really an image");
        return path;
    }

    ImportTarget& target() { return *view->importTarget(); }
    std::optional<QString> error() const { return model->inlineImportError(); }

    ManualScheduler scheduler;
    std::unique_ptr<AppModel> model = makeTestAppModel(scheduler);
    std::unique_ptr<StartupView> view;
    QTemporaryDir directory;
};

TEST_F(StartupViewTest, TwoFilesAskForExactlyOneImage) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(localFile("a.jpg")), QUrl::fromLocalFile(localFile("b.jpg"))});
    EXPECT_TRUE(target().handleDrop(mime));
    EXPECT_EQ(error(), "Please choose exactly one image at a time.");
    EXPECT_FALSE(model->isImporting());
}

TEST_F(StartupViewTest, PlainTextAndWebAddressesAskForAnImageFile) {
    QMimeData text;
    text.setText(QStringLiteral("/home/someone/photo.jpg"));
    EXPECT_TRUE(target().handleDrop(text));
    EXPECT_EQ(error(), "Please drop one image file.");

    model->setInlineImportError(std::nullopt);
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.org/photo.jpg"))});
    EXPECT_TRUE(target().handleDrop(web));
    EXPECT_EQ(error(), "Please drop one image file.");
}

TEST_F(StartupViewTest, AFolderIsRefusedByTheModelsCheck) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(directory.path())});
    EXPECT_TRUE(target().handleDrop(mime));
    EXPECT_EQ(error(), "Folders cannot be opened here. Please choose one image file.");
}

TEST_F(StartupViewTest, DropsWhileBusyAreRefusedSilentlyAndKeepTheEarlierError) {
    model->setInlineImportError(QStringLiteral("Earlier"));
    QMimeData two;
    two.setUrls({QUrl::fromLocalFile(localFile("a.jpg")), QUrl::fromLocalFile(localFile("b.jpg"))});
    QMimeData text;
    text.setText(QStringLiteral("hello"));

    model->setIsImporting(true);
    EXPECT_FALSE(target().handleDrop(two));
    EXPECT_FALSE(target().handleDrop(text));
    model->setIsImporting(false);

    model->setIsImagePickerPresented(true);
    EXPECT_FALSE(target().handleDrop(two));
    model->setIsImagePickerPresented(false);

    model->setIsShortcutsPresented(true);
    EXPECT_FALSE(target().handleDrop(two));
    EXPECT_EQ(error(), "Earlier");
}

TEST_F(StartupViewTest, OneLocalFileStartsAnImport) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(localFile("portrait.jpg"))});
    const auto generation = model->importGeneration();
    EXPECT_TRUE(target().handleDrop(mime));
    EXPECT_EQ(model->importGeneration(), generation + 1);
    EXPECT_FALSE(error().has_value());
}

TEST_F(StartupViewTest, HeadlineSwitchesWhileADragIsOverTheCard) {
    ASSERT_EQ(target().headlineLabel()->text(), "Drag an image here");
    std::unique_ptr<QMimeData> mime(filesMime({QUrl::fromLocalFile(localFile("a.jpg"))}));
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_TRUE(target().isDropTargeted());
    EXPECT_EQ(target().headlineLabel()->text(), "Drop to open image");

    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(&target(), &leave);
    EXPECT_FALSE(target().isDropTargeted());
    EXPECT_EQ(target().headlineLabel()->text(), "Drag an image here");
}

TEST_F(StartupViewTest, ImportingShowsTheSpinnerAndIgnoresClicks) {
    model->setIsImporting(true);
    EXPECT_TRUE(target().loadingContent()->isVisible());
    EXPECT_FALSE(target().normalContent()->isVisible());
    QTest::mouseClick(&target(), Qt::LeftButton);
    EXPECT_FALSE(model->isImagePickerPresented());

    model->setInlineImportError(QStringLiteral("That file could not be read."));
    EXPECT_TRUE(target().errorLabel()->isVisible());
    EXPECT_EQ(target().errorLabel()->text(), "That file could not be read.");
}

TEST_F(StartupViewTest, ColumnIsAtMost760WideAndCentred) {
    const QWidget* column = view->contentColumn();
    EXPECT_EQ(column->width(), 760);
    EXPECT_EQ(column->mapTo(view.get(), QPoint(0, 0)).x(), (1180 - 760) / 2);
    view->resize(700, 820);
    QTest::qWait(5);
    EXPECT_EQ(column->width(), 700 - 80);
    view->resize(2400, 820);
    QTest::qWait(5);
    EXPECT_EQ(column->width(), 760);
}

TEST_F(StartupViewTest, ALowWindowScrollsTheColumn) {
    view->resize(1180, 420);
    QTest::qWait(5);
    EXPECT_GT(view->scrollArea()->verticalScrollBar()->maximum(), 0);
}

TEST_F(StartupViewTest, ShortcutCardTextsUseLinuxKeys) {
    EXPECT_EQ(ShortcutReference::zoomImageShortcutText(), "Ctrl + mouse wheel");
    EXPECT_EQ(ShortcutReference::brushSizeShortcutText(), "Alt + 2-finger scroll\nor mouse wheel");
    EXPECT_EQ(ShortcutReference::panImageShortcutText(), "Middle mouse button + drag\nor Spacebar + drag");
}

TEST_F(StartupViewTest, AllShortcutsOpensTheDialogUnlessLocked) {
    view->shortcutReference()->allShortcutsLink()->click();
    EXPECT_TRUE(model->isShortcutsPresented());
}

TEST(StartupViewEntranceTest, ColumnRisesIntoPlaceOneTurnAfterShowing) {
    MotionPreference::shared().setReduceMotion(false);
    ManualScheduler scheduler;
    auto model = makeTestAppModel(scheduler);
    StartupView view(*model, scheduler, MotionPreference::shared());
    view.resize(1180, 820);
    view.show();
    EXPECT_FALSE(view.hasEntered());
    EXPECT_DOUBLE_EQ(view.entranceOpacity(), 0.0);
    EXPECT_DOUBLE_EQ(view.entranceOffset(), 50.0);
    scheduler.runDue();
    EXPECT_TRUE(view.hasEntered());
    QTest::qWait(800);
    EXPECT_DOUBLE_EQ(view.entranceOpacity(), 1.0);
    EXPECT_DOUBLE_EQ(view.entranceOffset(), 0.0);
}

TEST(StartupViewEntranceTest, ReducedMotionDrawsTheColumnInPlaceAtOnce) {
    MotionPreference::shared().setReduceMotion(true);
    ManualScheduler scheduler;
    auto model = makeTestAppModel(scheduler);
    StartupView view(*model, scheduler, MotionPreference::shared());
    view.show();
    EXPECT_TRUE(view.hasEntered());
    EXPECT_DOUBLE_EQ(view.entranceOpacity(), 1.0);
    EXPECT_DOUBLE_EQ(view.entranceOffset(), 0.0);
    EXPECT_EQ(scheduler.pendingCount(), 0u);
    MotionPreference::shared().setReduceMotion(false);
}

// Renders the page as a person would see it; the picture stays in the build folder.
TEST_F(StartupViewTest, RendersAtTheDefaultWindowSize) {
    view->resize(1180, 820);
    QTest::qWait(20);
    const QImage image = view->grab().toImage();
    ASSERT_EQ(image.size(), QSize(1180, 820));
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("startup_view_1180x820.png"));
    EXPECT_TRUE(image.save(path));

    EXPECT_EQ(image.pixelColor(5, 30), QColor(Qt::white));
    const QPoint card = target().mapTo(view.get(), QPoint(target().width() / 2, 8));
    EXPECT_EQ(image.pixelColor(card), QColor(Qt::white));
    const QColor page = image.pixelColor(10, 800);
    EXPECT_NEAR(page.redF(), StartupPalette::background().redF(), 0.02);

    // The headline is drawn in the page's ink, not in the button text colour of the card.
    const QRect headline(target().headlineLabel()->mapTo(view.get(), QPoint()), target().headlineLabel()->size());
    QColor darkest = Qt::white;
    for (int y = headline.top(); y <= headline.bottom(); ++y) {
        for (int x = headline.left(); x <= headline.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.lightnessF() < darkest.lightnessF()) darkest = pixel;
        }
    }
    EXPECT_NEAR(darkest.greenF(), StartupPalette::ink().greenF(), 0.05);
    EXPECT_NEAR(darkest.blueF(), StartupPalette::ink().blueF(), 0.05);
}

}  // namespace
}  // namespace vlt

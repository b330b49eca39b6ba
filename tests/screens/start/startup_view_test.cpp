#include "screens/start/startup_view.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include "screens/start/import_target.h"
#include "app/shell_test_support.h"
#include "model/model_test_support.h"
#include "model/app_model_test_access.h"
#include "screens/start/shortcut_item.h"
#include "screens/start/shortcut_reference.h"
#include "screens/start/startup_palette.h"
#include "screens/start/startup_toolbar.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

class StartupViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        view = std::make_unique<StartupView>(*model, scheduler, MotionPreference::shared());
        view->resize(1180, 820);
        view->show();
        QTest::qWait(5);
    }
    QUrl localFile(const QString& name) {
        const QString path = directory.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("not really an image");
        return QUrl::fromLocalFile(path);
    }

    // The strongest dash along the top edge of the card.
    QColor dashColourAtTopEdge() {
        const QImage image = target().grab().toImage();
        QColor strongest = Qt::white;
        for (int x = 20; x < 60; ++x) {
            const QColor colour = image.pixelColor(x, 1);
            if (colour.lightness() < strongest.lightness()) strongest = colour;
        }
        return strongest;
    }

    ImportTarget& target() { return *view->importTarget(); }
    std::optional<QString> error() const { return model->importState().inlineImportError; }

    testing::ReducedMotion reducedMotion;
    testing::ModelFixture models;
    ManualScheduler& scheduler = models.scheduler;
    std::unique_ptr<AppModel>& model = models.model;
    std::unique_ptr<StartupView> view;
    QTemporaryDir directory;
};

// What a drop on the card does, by what is dropped and what the model is busy with.
TEST_F(StartupViewTest, DropsAreTakenOrRefusedByWhatTheyHoldAndWhetherTheModelIsFree) {
    enum class Busy { no, importing, picking, modal };
    struct Case {
        const char* name;
        std::function<void(QMimeData&)> fill;
        Busy busy;
        bool taken;
        std::optional<QString> error;
    };
    const auto files = [this](QStringList names) {
        return [this, names](QMimeData& mime) {
            QList<QUrl> urls;
            for (const QString& name : names) urls << localFile(name);
            mime.setUrls(urls);
        };
    };
    const auto text = [](QMimeData& mime) { mime.setText(QStringLiteral("/home/someone/photo.jpg")); };
    const auto web = [](QMimeData& mime) { mime.setUrls({QUrl(QStringLiteral("https://example.org/photo.jpg"))}); };
    const auto folder = [this](QMimeData& mime) { mime.setUrls({QUrl::fromLocalFile(directory.path())}); };
    const QString oneImage = QStringLiteral("Please choose exactly one image at a time.");
    const QString oneFile = QStringLiteral("Please drop one image file.");
    const Case cases[] = {
        {"two files", files({"a.jpg", "b.jpg"}), Busy::no, true, oneImage},
        {"text", text, Busy::no, true, oneFile},
        {"web address", web, Busy::no, true, oneFile},
        {"folder", folder, Busy::no, true,
         QStringLiteral("Folders cannot be opened here. Please choose one image file.")},
        {"two files while importing", files({"a.jpg", "b.jpg"}), Busy::importing, false, QStringLiteral("Earlier")},
        {"text while importing", text, Busy::importing, false, QStringLiteral("Earlier")},
        {"two files while the panel is up", files({"a.jpg", "b.jpg"}), Busy::picking, false, QStringLiteral("Earlier")},
        {"two files under a dialog", files({"a.jpg", "b.jpg"}), Busy::modal, false, QStringLiteral("Earlier")},
    };
    for (const Case& example : cases) {
        SCOPED_TRACE(example.name);
        AppModelTestAccess::changeImportState(*model, [&](ImportState& state) {
            state.inlineImportError = QStringLiteral("Earlier");
            state.isImporting = example.busy == Busy::importing;
            state.isImagePickerPresented = example.busy == Busy::picking;
        });
        if (example.busy == Busy::modal) model->presentShortcuts();
        QMimeData mime;
        example.fill(mime);
        EXPECT_EQ(target().handleDrop(mime), example.taken);
        EXPECT_EQ(error(), example.error);
        model->closeShortcuts();
        AppModelTestAccess::changeImportState(*model, [](ImportState& state) {
            state.isImagePickerPresented = false;
            state.isImporting = false;
        });
    }
}

TEST_F(StartupViewTest, OneLocalFileStartsAnImport) {
    QMimeData mime;
    mime.setUrls({localFile("portrait.jpg")});
    const auto generation = model->importState().importGeneration;
    EXPECT_TRUE(target().handleDrop(mime));
    EXPECT_EQ(model->importState().importGeneration, generation + 1);
    EXPECT_FALSE(error().has_value());
}

TEST_F(StartupViewTest, HeadlineAndBorderFollowADragOverTheCard) {
    const QColor resting = dashColourAtTopEdge();
    EXPECT_LT(resting.lightness(), 240);
    ASSERT_EQ(target().headlineLabel()->text(), "Drag an image here");

    QMimeData mime;
    mime.setUrls({localFile("a.jpg")});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_TRUE(target().isDropTargeted());
    EXPECT_EQ(target().headlineLabel()->text(), "Drop to open image");
    // The line is thinner than two pixels, so only its shade is compared.
    EXPECT_GT(resting.lightness() - dashColourAtTopEdge().lightness(), 20);

    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(&target(), &leave);
    EXPECT_FALSE(target().isDropTargeted());
    EXPECT_EQ(target().headlineLabel()->text(), "Drag an image here");

    QEnterEvent hover(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
    QCoreApplication::sendEvent(&target(), &hover);
    EXPECT_TRUE(target().isHovering());
    EXPECT_GT(resting.lightness() - dashColourAtTopEdge().lightness(), 20);
}

TEST_F(StartupViewTest, ClicksAndReturnReachTheModelAndTheCardIgnoresThemWhileImporting) {
    int panelRequests = 0;
    model->onOpenImagePanelRequested = [&](std::function<void(std::optional<QUrl>)>) { ++panelRequests; };
    QTest::mouseClick(&target(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 200));
    EXPECT_EQ(panelRequests, 1);
    // Return, and Enter from the main keyboard or the keypad (which adds the keypad's
    // modifier), typed into the window while the card has the focus.
    view->activateWindow();
    target().setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}};
    for (const auto& [key, modifiers] : keys) {
        AppModelTestAccess::setImagePickerPresented(*model, false);
        QTest::keyClick(view->windowHandle(), key, modifiers);
    }
    EXPECT_EQ(panelRequests, 4);
    // A modifier held on purpose is no Return.
    AppModelTestAccess::setImagePickerPresented(*model, false);
    QTest::keyClick(view->windowHandle(), Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
    EXPECT_EQ(panelRequests, 4);
    AppModelTestAccess::setImagePickerPresented(*model, false);

    view->toolbar()->settingsButton()->click();
    EXPECT_EQ(model->settingsState().activeSettingsSection, SettingsSection::contactInformation);
    model->closeSettings();
    view->shortcutReference()->allShortcutsLink()->click();
    EXPECT_TRUE(model->shortcutsState().isShortcutsPresented);
    model->closeShortcuts();

    AppModelTestAccess::setImporting(*model, true);
    EXPECT_TRUE(target().loadingContent()->isVisible());
    EXPECT_FALSE(target().normalContent()->isVisible());
    QTest::mouseClick(&target(), Qt::LeftButton);
    EXPECT_EQ(panelRequests, 4);
    AppModelTestAccess::changeImportState(
        *model, [&](ImportState& state) { state.inlineImportError = QStringLiteral("That file could not be read."); });
    EXPECT_TRUE(target().errorLabel()->isVisible());
}

// The column keeps its width in a wider window and scrolls in a low one.
TEST_F(StartupViewTest, TheColumnKeepsItsWidthAndScrollsInALowWindow) {
    const QWidget* column = view->contentColumn();
    const int width = column->width();
    EXPECT_EQ(view->scrollArea()->verticalScrollBar()->maximum(), 0);
    view->resize(2400, 820);
    QTest::qWait(5);
    EXPECT_EQ(column->width(), width);
    view->resize(700, 420);
    QTest::qWait(5);
    EXPECT_LT(column->width(), 700);
    EXPECT_GT(view->scrollArea()->verticalScrollBar()->maximum(), 0);
}

TEST(StartupViewEntranceTest, TheColumnRisesIntoPlaceOneTurnAfterShowingUnlessMotionIsReduced) {
    for (const bool reduced : {false, true}) {
        SCOPED_TRACE(reduced);
        std::optional<testing::ReducedMotion> reducedMotion;
        if (reduced) reducedMotion.emplace();
        testing::ModelFixture models;
        StartupView view(*models.model, models.scheduler, MotionPreference::shared());
        view.resize(1180, 820);
        view.show();
        EXPECT_EQ(view.hasEntered(), reduced);
        EXPECT_DOUBLE_EQ(view.entranceOpacity(), reduced ? 1.0 : 0.0);
        EXPECT_DOUBLE_EQ(view.entranceOffset(), reduced ? 0.0 : 50.0);
        EXPECT_EQ(models.scheduler.pendingCount(), reduced ? 0u : 1u);
        models.scheduler.runDue();
        EXPECT_TRUE(view.hasEntered());
        // Qt runs the entrance on its own clock; a loaded machine may need longer than its length.
        EXPECT_TRUE(
            QTest::qWaitFor([&view] { return view.entranceOpacity() == 1.0 && view.entranceOffset() == 0.0; }, 5000));
    }
}

// Renders the page as a person would see it; the picture stays in the build folder.
TEST_F(StartupViewTest, RendersAtTheDefaultWindowSize) {
    QTest::qWait(20);
    const QImage image = view->grab().toImage();
    ASSERT_EQ(image.size(), QSize(1180, 820));
    const QString path =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("startup_view_1180x820.png"));
    EXPECT_TRUE(image.save(path));

    // The white card stands out from the page.
    const QPoint card = target().mapTo(view.get(), QPoint(target().width() / 2, 8));
    EXPECT_EQ(image.pixelColor(card), QColor(Qt::white));
    EXPECT_NEAR(image.pixelColor(10, 800).redF(), StartupPalette::background().redF(), 0.02);

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

// The captions are capitals, and capitals with marks ("GÖRÜNTÜ", "DÉPLACER", "TAMAÑO")
// rise above the font's line: the caption is as tall as its ink, so no mark is cut.
TEST(ShortcutItemTest, ACaptionHoldsTheMarksAboveItsCapitals) {
    for (const QString& title : {QStringLiteral("GÖRÜNTÜ YAKINLAŞTIRMA"), QStringLiteral("DÉPLACER L’IMAGE"),
                                 QStringLiteral("TAMAÑO DEL PINCEL")}) {
        SCOPED_TRACE(title.toStdString());
        ShortcutItem item(title, QStringLiteral("Ctrl + mouse wheel"));
        item.resize(250, 120);
        item.show();
        const QLabel& caption = *item.captionLabel();
        const QFontMetricsF metrics(caption.font());
        // One centred line, as the caption stands at this width.
        const double baseline = caption.contentsRect().center().y() + 0.5 - metrics.height() / 2 + metrics.ascent();
        const QRectF ink = metrics.tightBoundingRect(title);
        EXPECT_GE(baseline + ink.top(), -0.5);
        EXPECT_LE(baseline + ink.bottom(), caption.height() + 0.5);
    }
}

}  // namespace
}  // namespace vlt

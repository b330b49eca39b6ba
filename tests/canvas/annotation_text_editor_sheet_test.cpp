#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "canvas/annotation_font_panel_controller.h"
#include "canvas/annotation_text_editor_sheet.h"
#include "editing/session/editor_session.h"
#include "editor_canvas_test_support.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

AnnotationTextRequest addRequest() {
    return AnnotationTextRequest{QUuid::createUuid(), AnnotationTextRequest::Add{{10, 20}, {255, 0, 0}, {}}, {}};
}

class AnnotationTextEditorSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        MotionPreference::shared().setReduceMotion(true);
        window.resize(900, 700);
        window.show();
    }
    void TearDown() override { MotionPreference::shared().setReduceMotion(false); }

    ManualClock clock;
    ManualScheduler scheduler{&clock};
    QWidget window;
};

// The session's sheet: blank text cannot be saved, saved text reaches the canvas as it
// was typed, Escape commits nothing, and either way the request is cleared.
TEST_F(AnnotationTextEditorSheetTest, AddSheetSavesOnlyNonBlankTextThroughTheCanvas) {
    testing::CanvasHarness harness;
    harness.session().setTextEntryRequest(addRequest());
    QPointer<AnnotationTextEditorSheet> sheet =
        AnnotationTextEditorSheet::presentForSession(harness.session(), &window, scheduler, MotionPreference::shared());
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->headingLabel()->text(), QStringLiteral("Add text"));
    EXPECT_EQ(window.focusWidget(), sheet->textEditor());
    EXPECT_FALSE(sheet->saveButton()->isEnabled());
    QTest::keyClicks(sheet->textEditor(), QStringLiteral("  "));
    sheet->textEditor()->insertPlainText(QStringLiteral("\n "));
    EXPECT_FALSE(sheet->saveButton()->isEnabled());
    QTest::keyClicks(sheet->textEditor(), QStringLiteral("a"));
    QTest::mouseClick(sheet->saveButton(), Qt::LeftButton);
    EXPECT_FALSE(harness.session().textEntryRequest().has_value());
    ASSERT_EQ(harness.view().currentAnnotations().size(), 1u);
    EXPECT_EQ(std::get<AnnotationText>(harness.view().currentAnnotations().front().content).text,
              QStringLiteral("  \n a"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sheet.isNull());

    harness.session().setTextEntryRequest(addRequest());
    sheet =
        AnnotationTextEditorSheet::presentForSession(harness.session(), &window, scheduler, MotionPreference::shared());
    QTest::keyClicks(sheet->textEditor(), QStringLiteral("draft"));
    QTest::keyClick(sheet->textEditor(), Qt::Key_Escape);
    EXPECT_FALSE(harness.session().textEntryRequest().has_value());
    EXPECT_EQ(harness.view().currentAnnotations().size(), 1u);
}

TEST_F(AnnotationTextEditorSheetTest, EditSheetSavesOnlyAChangedText) {
    std::vector<QString> commits;
    const AnnotationTextRequest edit{QUuid::createUuid(), AnnotationTextRequest::Edit{QUuid::createUuid()},
                                     QStringLiteral(" Label ")};
    auto* sheet = new AnnotationTextEditorSheet(
        edit, [] {}, [&](const QString& text) { commits.push_back(text); }, &window, scheduler,
        MotionPreference::shared());
    sheet->present();
    EXPECT_EQ(sheet->headingLabel()->text(), QStringLiteral("Edit text"));
    EXPECT_EQ(sheet->textEditor()->toPlainText(), QStringLiteral(" Label "));
    EXPECT_FALSE(sheet->saveButton()->isEnabled());
    sheet->save();
    EXPECT_TRUE(commits.empty());

    sheet->textEditor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(sheet->textEditor(), QStringLiteral("x"));
    EXPECT_TRUE(sheet->saveButton()->isEnabled());
    QTest::keyClick(sheet->textEditor(), Qt::Key_Return, Qt::ControlModifier);
    ASSERT_EQ(commits.size(), 1u);
    EXPECT_EQ(commits.front(), QStringLiteral(" Label x"));
}

TEST(AnnotationFontPanelControllerTest, ChangesReachTheLastSessionAsFontStylesAndNowhereOnceItIsGone) {
    auto& controller = AnnotationFontPanelController::shared();
    std::vector<AnnotationFontStyle> changes;
    controller.open(AnnotationFontStyle{QStringLiteral("System"), 30.0f, 9, true},
                    [&](const AnnotationFontStyle& style) { changes.push_back(style); });
    ASSERT_NE(controller.dialog(), nullptr);
    EXPECT_TRUE(controller.dialog()->isVisible());
    EXPECT_FALSE(controller.dialog()->isModal());
    EXPECT_TRUE(controller.selectedFont().italic());
    EXPECT_EQ(controller.selectedFont().weight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(controller.selectedFont().pointSizeF(), 30.0);

    QFont unknown(QStringLiteral("No Such Family Anywhere"));
    unknown.setPointSizeF(0.5);
    unknown.setWeight(QFont::Black);
    controller.changeFont(unknown);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes.back(), (AnnotationFontStyle{QStringLiteral("System"), 1.0f, 12, false}));

    ManualClock clock;
    ManualScheduler scheduler(&clock);
    auto session = std::make_unique<EditorSession>(nullptr, testing::makeGradientCanvas(64, 64), QStringLiteral("A"),
                                                   QStringLiteral("B"), scheduler);
    controller.openForSession(*session);
    QFont known(QStringLiteral("DejaVu Sans"));
    known.setPointSizeF(18.0);
    known.setWeight(QFont::Thin);
    known.setItalic(true);
    controller.changeFont(known);
    EXPECT_EQ(changes.size(), 1u);
    EXPECT_EQ(session->annotationFont(), (AnnotationFontStyle{QStringLiteral("DejaVu Sans"), 18.0f, 2, true}));

    session.reset();
    controller.changeFont(known);
    controller.dialog()->hide();
}

// Passing through the panel with Tab chooses nothing, not even for a size that none of
// its listed sizes matches.
TEST(AnnotationFontPanelControllerTest, TabThroughThePanelLeavesTheFontAsItWas) {
    auto& controller = AnnotationFontPanelController::shared();
    std::vector<AnnotationFontStyle> changes;
    const AnnotationFontStyle unlisted{QStringLiteral("DejaVu Sans"), 64.0f, 5, false};
    controller.open(unlisted, [&](const AnnotationFontStyle& style) { changes.push_back(style); });
    QFontDialog* panel = controller.dialog();
    ASSERT_NE(panel, nullptr);
    panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel));
    const int stops = int(panel->findChildren<QWidget*>().size());
    for (int stop = 0; stop < stops; ++stop) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(changes.empty()) << changes.front().size;
    EXPECT_DOUBLE_EQ(controller.selectedFont().pointSizeF(), 64.0);
    panel->hide();
}

}  // namespace
}  // namespace vlt

#include "ui/output_result_overlay.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "base/scheduler.h"
#include "ui/modal_close_button.h"
#include "ui/modal_header.h"
#include "ui/modal_palette.h"
#include "ui/modal_surface.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

class OutputResultOverlayTest : public ::testing::Test {
protected:
    OutputResultOverlayTest() { window.show(); }

    OutputResultOverlay& show(OutputResultContent content, const QString& message = "Done.") {
        content.message = message;
        content.primaryAction = [this] { ++primaryRuns; };
        auto* card = new OutputResultOverlay(std::move(content), &window, scheduler, MotionPreference::shared());
        card->present();
        QApplication::processEvents();
        return *card;
    }

    QWidget window;
    ManualScheduler scheduler;
    int primaryRuns = 0;
};

TEST_F(OutputResultOverlayTest, ShowsTheDetailAndTheSecondaryButtonOnlyWhenBothHalvesAreThere) {
    struct Case {
        std::optional<QString> heading, detail, secondaryTitle;
        bool hasSecondaryAction, showsDetail, showsSecondary;
    };
    for (const Case& c : {Case{"Saved to", "/home/ana/a.mp4", "Open containing folder", true, true, true},
                          Case{"Saved to", std::nullopt, "Open containing folder", false, false, false},
                          Case{std::nullopt, "/home/ana/a.mp4", std::nullopt, true, false, false}}) {
        OutputResultContent content;
        content.detailHeading = c.heading;
        content.detail = c.detail;
        content.secondaryTitle = c.secondaryTitle;
        if (c.hasSecondaryAction) content.secondaryAction = [] {};
        OutputResultOverlay& shown = show(content);
        EXPECT_EQ(shown.detailHeadingLabel()->isVisible(), c.showsDetail);
        EXPECT_EQ(shown.detailView()->isVisible(), c.showsDetail);
        EXPECT_EQ(shown.secondaryButton()->isVisible(), c.showsSecondary);
        EXPECT_EQ(shown.surface()->width(), OutputResultOverlay::cardWidth);
        delete &shown;
    }
}

TEST_F(OutputResultOverlayTest, ReturnTheCloseButtonAndThePrimaryButtonRunThePrimaryAction) {
    OutputResultContent content;
    content.messageIsError = true;
    OutputResultOverlay& shown = show(content, "The disk is full.");
    EXPECT_EQ(shown.messageLabel()->palette().color(QPalette::WindowText), ModalPalette::errorText());
    QTest::keyClick(&shown, Qt::Key_Return);
    shown.header()->closeButton()->click();
    shown.primaryButton()->click();
    QTest::keyClick(shown.primaryButton(), Qt::Key_Escape);
    EXPECT_EQ(primaryRuns, 4);
}

// Return runs the primary action, but on the secondary button, where Tab brought the
// keyboard, it presses that one instead.
TEST_F(OutputResultOverlayTest, ReturnOnTheFocusedSecondaryButtonPressesIt) {
    OutputResultContent content;
    content.secondaryTitle = "Show in Folder";
    int secondaryRuns = 0;
    content.secondaryAction = [&secondaryRuns] { ++secondaryRuns; };
    OutputResultOverlay& shown = show(content);
    shown.secondaryButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(shown.secondaryButton(), Qt::Key_Return);
    EXPECT_EQ(secondaryRuns, 1);
    EXPECT_EQ(primaryRuns, 0);
}

TEST_F(OutputResultOverlayTest, ALongDetailScrollsInsideItsBoxAndAnErrorNoticeAppearsWhenItArrives) {
    QStringList lines;
    for (int line = 0; line < 40; ++line) lines << QStringLiteral("/home/ana/Videos/portrait-%1.mp4").arg(line);
    OutputResultContent content;
    content.detailHeading = "Saved to";
    content.detail = lines.join('\n');
    OutputResultOverlay& shown = show(content, "The images were saved successfully.");
    EXPECT_EQ(shown.detailView()->height(), OutputResultOverlay::detailMaximumHeight);
    EXPECT_GT(shown.detailView()->verticalScrollBar()->maximum(), 0);
    const int height = shown.surface()->height();

    content.additionalErrorMessage = "The file manager could not open the containing folder.";
    shown.setContent(content);
    QApplication::processEvents();
    EXPECT_TRUE(shown.additionalErrorLabel()->isVisible());
    EXPECT_GT(shown.surface()->height(), height);
}

}  // namespace
}  // namespace vlt

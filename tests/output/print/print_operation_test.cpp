#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "base/scheduler.h"
#include "screens/print/print_accessory_view_controller.h"
#include "screens/print/print_operation_coordinator.h"
#include "output/print/print_pages.h"
#include "output/print/printing_failure.h"
#include "output/still/still_image_output_failure.h"

namespace vlt {
namespace {

TEST(PrintAccessoryTest, UnavailableWatermarksAreDisabledWithANoteAndNeverChosen) {
    struct Case {
        bool labels;
        bool contact;
    };
    for (const Case& c : {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
        PrintAccessoryViewController accessory(StillImageKind::simulation, c.labels, c.contact);
        EXPECT_EQ(accessory.labelsCheckbox()->isEnabled(), c.labels);
        EXPECT_EQ(accessory.contactNote() != nullptr, !c.contact);
        // Ticked behind the user's back, a disabled box still chooses nothing.
        accessory.labelsCheckbox()->setChecked(true);
        accessory.contactCheckbox()->setChecked(true);
        EXPECT_EQ(accessory.options(), (PrintOptions{StillImageSaveSelection::currentTab, c.labels, c.contact}));
        const std::vector<PrintSummaryItem> summary = accessory.localizedSummaryItems();
        EXPECT_EQ(summary[1], (PrintSummaryItem{"Include Original / Simulation labels", c.labels ? "Yes" : "No"}));
        EXPECT_EQ(summary[2], (PrintSummaryItem{"Include contact information", c.contact ? "Yes" : "No"}));
    }
}

TEST(PrintAccessoryTest, TheContentChoiceNamesTheCurrentTabAndEveryChangeRaisesTheRevision) {
    PrintAccessoryViewController accessory(StillImageKind::comparison, true, true);
    EXPECT_EQ(accessory.localizedSummaryItems()[0], (PrintSummaryItem{"Veltrano content", "Current Tab (Comparison)"}));
    accessory.contentPopup()->setCurrentIndex(4);
    EXPECT_EQ(accessory.options().selection, StillImageSaveSelection::allThreeTabs);
    accessory.contentPopup()->setCurrentIndex(1);
    EXPECT_EQ(accessory.options().selection, StillImageSaveSelection::original);
    accessory.labelsCheckbox()->click();
    accessory.contactCheckbox()->click();
    EXPECT_EQ(accessory.previewRevision(), 4);
}

TEST(PrintJobTest, TitlesAndOutcomes) {
    const std::pair<QString, QString> titles[] = {
        {"/photos/scan.raw.jpg", "scan.raw"},
        {"  spaced name .png", "spaced name"},
        {".profile", ".profile"},
        {"   .png", "Veltrano image"},
    };
    for (const auto& [documentName, title] : titles)
        EXPECT_EQ(printJobTitle(documentName), title) << documentName.toStdString();

    const ErrorPtr rendering = PrintingFailure::make(PrintingFailureCategory::rendering, nullptr);
    const PrintedPages began{true, 1};
    struct Case {
        ErrorPtr renderFailure;
        PrintedPages pages;
        QPrinter::PrinterState state;
        PrintOperationOutcome::Kind kind;
        std::optional<PrintingFailureCategory> category;
    };
    const Case cases[] = {
        {nullptr, began, QPrinter::Idle, PrintOperationOutcome::Kind::submitted, std::nullopt},
        {nullptr, began, QPrinter::Aborted, PrintOperationOutcome::Kind::cancelled, std::nullopt},
        {nullptr, began, QPrinter::Error, PrintOperationOutcome::Kind::failed, PrintingFailureCategory::operation},
        {nullptr, PrintedPages{}, QPrinter::Idle, PrintOperationOutcome::Kind::failed,
         PrintingFailureCategory::operation},
        {rendering, began, QPrinter::Aborted, PrintOperationOutcome::Kind::failed, PrintingFailureCategory::rendering},
    };
    for (const Case& c : cases) {
        const PrintOperationOutcome outcome = printJobOutcome(c.renderFailure, c.pages, c.state);
        EXPECT_EQ(outcome.kind, c.kind);
        EXPECT_EQ(printingFailureCategory(outcome.failure), c.category);
    }
}

// The print ends once, after its windows: a page that cannot be composed fails it
// while the preview is drawn; dismissing either dialog (Return on the preview's focused
// Cancel among the ways), or closing the window under the preview (as when the
// application is told to quit), cancels it.
TEST(PrintOperationCoordinatorTest, EachWayOutEndsThePrintOnceWithItsOutcome) {
    enum class End { composerFails, previewCancelled, returnOnCancel, printDialogRejected, windowClosed };
    for (const End end : {End::composerFails, End::previewCancelled, End::returnOnCancel, End::printDialogRejected,
                          End::windowClosed}) {
        auto window = std::make_unique<QWidget>();
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        std::vector<PrintOperationOutcome> outcomes;
        PrintOperationCoordinator coordinator(
            PrintJob{{picture, picture, {}}, StillImageKind::original, {}, "a.png"},
            [&](PrintOperationOutcome outcome) { outcomes.push_back(outcome); }, QtScheduler::shared());
        if (end == End::composerFails) {
            coordinator.compose = [](auto, const auto&, const auto&) -> Result<QImage> {
                return StillImageOutputFailure::make(StillImageOutputFailure::Case::renderFailed);
            };
        }
        coordinator.start(window.get());
        if (end == End::previewCancelled) coordinator.previewWindow()->cancelButton()->click();
        if (end == End::returnOnCancel) {
            QPushButton* cancel = coordinator.previewWindow()->cancelButton();
            cancel->setFocus(Qt::TabFocusReason);
            QTest::keyClick(cancel, Qt::Key_Return);
            EXPECT_EQ(coordinator.printDialog(), nullptr) << "Return went to Print…";
        }
        if (end == End::printDialogRejected) {
            coordinator.previewWindow()->printButton()->click();
            coordinator.printDialog()->reject();
        }
        if (end == End::windowClosed) window.reset();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !outcomes.empty(); }, 20000));
        QTest::qWait(20);
        ASSERT_EQ(outcomes.size(), 1u);
        const bool fails = end == End::composerFails;
        EXPECT_EQ(outcomes[0].kind,
                  fails ? PrintOperationOutcome::Kind::failed : PrintOperationOutcome::Kind::cancelled);
        EXPECT_EQ(printingFailureCategory(outcomes[0].failure),
                  fails ? std::optional(PrintingFailureCategory::rendering) : std::nullopt);
    }
}

}  // namespace
}  // namespace vlt

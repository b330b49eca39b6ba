#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "app/app_content_view.h"
#include "model/app_model.h"
#include "editing/preparation/editing_canvas.h"
#include "screens/editor/editor_toolbar.h"
#include "screens/editor/editor_view.h"
#include "foundation/capturing_event_log_sink.h"
#include "screens/crop/crop_go_to_editor_button.h"
#include "screens/crop/crop_toolbar.h"
#include "screens/crop/crop_view.h"
#include "screens/print/print_operation_coordinator.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

constexpr int kPatience = 20000;
const QString kOutputDir = QStringLiteral(VLT_PRINT_OUTPUT_DIR);

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// From the editor's Print… to a PDF: the real canvas, model, preview, print dialog and
// printer, then pdfinfo and pdftoppm on the file.
TEST(PrintRoadTest, AllThreeTabsPrintToAPdfOfThreePagesWithThePictureOnThePage) {
    MotionPreference::shared().setReduceMotion(true);
    QTemporaryDir folder;
    ScopedCapturingEventLog log;
    AppModel model(nullptr, nullptr, AppLanguage::english, nullptr, nullptr, &EditingCanvas::prepare,
                   QtScheduler::shared());
    QWidget window;
    auto* root = new AppContentView(model, QtScheduler::shared(), MotionPreference::shared(), &window,
                                    AppContentView::RootTasks::leftToTheShell);
    root->useApplicationScreens();
    root->resize(1180, 820);
    window.show();

    // 1. A square photograph of four flat quadrants in the editor.
    QImage photo(600, 600, QImage::Format_RGB32);
    QPainter painter(&photo);
    const QColor quadrants[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    for (int index = 0; index < 4; ++index)
        painter.fillRect(index % 2 * 300, index / 2 * 300, 300, 300, quadrants[index]);
    painter.end();
    ASSERT_TRUE(photo.save(folder.filePath("quadrants.png")));
    model.importImage(QUrl::fromLocalFile(folder.filePath("quadrants.png")), ImageImportOrigin::openPanel);
    ASSERT_TRUE(QTest::qWaitFor([&] { return qobject_cast<CropView*>(root->baseScreenWidget()); }, kPatience));
    qobject_cast<CropView*>(root->baseScreenWidget())->toolbar()->goToEditorButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return qobject_cast<EditorView*>(root->baseScreenWidget()); }, kPatience));

    // 2. Print… opens the preview; all three tabs make three pages.
    qobject_cast<EditorView*>(root->baseScreenWidget())->toolbar()->printAction()->trigger();
    PrintOperationCoordinator* coordinator = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            coordinator = dynamic_cast<PrintOperationCoordinator*>(
                const_cast<PrintOperation*>(model.printOperationCoordinator()));
            return coordinator != nullptr;
        },
        kPatience));
    PrintPreviewWindow* preview = coordinator->previewWindow();
    preview->accessory()->contentPopup()->setCurrentIndex(4);
    EXPECT_EQ(preview->previewWidget()->pageCount(), 3);
    EXPECT_TRUE(preview->summaryLabel()->text().contains("All three tabs (3 pages)"));

    // 3. Its Print… opens the print dialog; a PDF on US Letter with 18-point margins.
    const QString pdf = kOutputDir + QStringLiteral("/print_road.pdf");
    QFile::remove(pdf);
    QPrinter* printer = coordinator->printer();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    printer->setPageSize(QPageSize(QPageSize::Letter));
    printer->setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Point);
    preview->printButton()->click();
    ASSERT_NE(coordinator->printDialog(), nullptr);
    coordinator->printDialog()->accept();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.printState().isPrinting; }, kPatience));
    EXPECT_EQ(log->eventsNamed("print_succeeded").size(), 1u);

    // 4. Three pages named after the photograph; on the first, the Original fills the
    //    page's width between the margins and sits in the middle of its height.
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+3\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Title:\\s+quadrants\\n"))) << info.toStdString();
    const QString picture = kOutputDir + QStringLiteral("/print_road_page1");
    run(QStringLiteral("pdftoppm"), {"-r", "72", "-f", "1", "-l", "1", "-png", "-singlefile", pdf, picture});
    const QImage page(picture + QStringLiteral(".png"));
    ASSERT_EQ(page.size(), QSize(612, 792));
    const std::pair<QPoint, QColor> probes[] = {
        {{9, 9}, Qt::white},      {{306, 60}, Qt::white}, {{306, 740}, Qt::white},  {{162, 252}, Qt::red},
        {{450, 252}, Qt::green},  {{162, 540}, Qt::blue}, {{450, 540}, Qt::yellow}, {{24, 114}, Qt::red},
        {{588, 678}, Qt::yellow}, {{12, 400}, Qt::white}, {{600, 400}, Qt::white},
    };
    for (const auto& [point, colour] : probes) {
        const QColor found = page.pixelColor(point);
        EXPECT_LE(std::abs(found.red() - colour.red()) + std::abs(found.green() - colour.green()) +
                      std::abs(found.blue() - colour.blue()),
                  60)
            << point.x() << "," << point.y() << " is " << found.name().toStdString();
    }
}

}  // namespace
}  // namespace vlt

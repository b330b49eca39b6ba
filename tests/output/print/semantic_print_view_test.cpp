#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include <QPainter>

#include "output/print/printing_failure.h"
#include "output/print/semantic_print_view.h"
#include "output/still/still_image_output_failure.h"

namespace vlt {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(PrintPageLayoutTest, PagesAndResolutionFollowWhatThePrinterReports) {
    const QSizeF letter(612, 792);
    const std::pair<PrintPageGeometry, PrintPageGeometry> pages[] = {
        {printPageGeometry(letter, QRectF(18, 18, 576, 756)), {QSizeF(576, 756), QPointF(18, 18)}},
        {printPageGeometry(letter, QRectF(-10, 700, 100, 200)), {QSizeF(90, 92), QPointF(0, 700)}},
        {printPageGeometry(letter, QRectF(0, 0, 0, 792)), {letter, QPointF(0, 0)}},
        {printPageGeometry(letter, QRectF(kNaN, 0, 612, 792)), {letter, QPointF(0, 0)}},
        {PrintPageGeometry{}, {letter, QPointF(0, 0)}},
    };
    for (const auto& [actual, expected] : pages) EXPECT_EQ(actual, expected);

    const double infinity = std::numeric_limits<double>::infinity();
    const std::pair<std::optional<PrinterResolution>, double> resolutions[] = {
        {std::nullopt, 72}, {{{600, 600}}, 300}, {{{150, 200}}, 150},
        {{{0, 600}}, 72},   {{{600, kNaN}}, 72}, {{{infinity, 100}}, 72}};
    for (const auto& [reported, dpi] : resolutions) EXPECT_EQ(printRenderingResolution(reported), dpi);
}

TEST(PrintPageLayoutTest, PicturesAreFittedAndSizedForTheResolution) {
    // US Letter within 18-point margins; a square Original there (as the print road's) at 300 dpi.
    const QRectF page(0, 0, 576, 756);
    EXPECT_EQ(printIndividualMaximum(QRectF(0, 90, 576, 576), 300), 2400);

    // A landscape Comparison is stacked: twice as tall, limited along its height.
    const QSize landscape(300, 200);
    EXPECT_EQ(printNominalSize(StillImageKind::comparison, landscape), QSizeF(300, 400));
    const std::optional<QRectF> stacked = aspectFit(page, QSizeF(300, 400));
    EXPECT_EQ(*stacked, QRectF(4.5, 0, 567, 756));
    EXPECT_EQ(printComparisonMaximum(*stacked, 72, landscape), 756);
    EXPECT_EQ(printComparisonMaximum(*stacked, 72, QSize(200, 300)), 567);

    EXPECT_FALSE(printIndividualMaximum(QRectF(0, 0, kNaN, 10), 72));
    EXPECT_FALSE(printIndividualMaximum(QRectF(0, 0, 1e300, 10), 300));
}

// A view over a counting composer that paints each kind in its own colour.
struct ViewFixture {
    SemanticPrintView view{
        StillImageRenderSnapshot{QImage(40, 30, QImage::Format_RGB32), QImage(40, 30, QImage::Format_RGB32), {}},
        StillImageKind::simulation, ApplicationSettings::defaults(), [this] { return options; },
        [this](StillImageKind kind, const StillImageRenderSnapshot&,
               const StillImageExportOptions& exportOptions) -> Result<QImage> {
            composed.push_back(kind);
            EXPECT_FALSE(exportOptions.includeLabels || exportOptions.includeContactInformation);
            if (failing) return StillImageOutputFailure::make(StillImageOutputFailure::Case::renderFailed);
            QImage image(8, 6, QImage::Format_RGB32);
            image.fill(kind == StillImageKind::original     ? Qt::red
                       : kind == StillImageKind::simulation ? Qt::green
                                                            : Qt::blue);
            return image;
        }};
    PrintOptions options{StillImageSaveSelection::allThreeTabs, false, false};
    std::vector<StillImageKind> composed;
    bool failing = false;

    // The page drawn on grey, read at its middle.
    QColor drawn(int pageNumber) {
        QImage page(100, 100, QImage::Format_RGB32);
        page.fill(Qt::gray);
        QPainter painter(&page);
        view.drawPage(painter, pageNumber, QSizeF(100, 100), 72);
        painter.end();
        return page.pixelColor(50, 50);
    }
};

TEST(SemanticPrintViewTest, PagesComeInOrderComposedOnceEachUntilOneFails) {
    ViewFixture fixture;
    EXPECT_EQ(fixture.view.pageCount(), 3);
    const std::pair<int, QColor> pages[] = {{1, Qt::red}, {2, Qt::green}, {3, Qt::blue}, {0, Qt::gray}, {4, Qt::gray}};
    for (const auto& [number, colour] : pages) EXPECT_EQ(fixture.drawn(number), QColor(colour)) << number;
    // The preview and then the job: the same pages come from the cache.
    for (int number = 1; number <= 3; ++number) fixture.drawn(number);
    const std::vector<StillImageKind> once = {StillImageKind::original, StillImageKind::simulation,
                                              StillImageKind::comparison};
    EXPECT_EQ(fixture.composed, once);
    // A watermark choice is a new picture; the current tab is one page of its kind.
    fixture.options = {StillImageSaveSelection::currentTab, true, false};
    EXPECT_EQ(fixture.view.pageCount(), 1);
    EXPECT_EQ(fixture.drawn(1), QColor(Qt::green));
    // A page that cannot be composed stays white, and no page draws after it.
    fixture.options.includeContactInformation = fixture.failing = true;
    EXPECT_EQ(fixture.drawn(1), QColor(Qt::white));
    fixture.options = {StillImageSaveSelection::allThreeTabs, false, false};
    EXPECT_EQ(fixture.drawn(1), QColor(Qt::gray));
    EXPECT_EQ(fixture.composed.size(), 5u);
    EXPECT_EQ(printingFailureCategory(fixture.view.renderFailure()), PrintingFailureCategory::rendering);
}

}  // namespace
}  // namespace vlt

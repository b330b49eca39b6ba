#include "output/print/print_pages.h"

#include <algorithm>

#include <QPageRanges>
#include <QPainter>

#include "output/print/printing_failure.h"

namespace vlt {
namespace {

constexpr double kPointsPerInch = 72.0;

std::vector<int> pagesInRange(const QPrinter& printer, int pageCount) {
    std::vector<int> pages;
    const QPageRanges ranges = printer.pageRanges();
    const bool ranged = printer.printRange() == QPrinter::PageRange && !ranges.isEmpty();
    for (int page = 1; page <= pageCount; ++page) {
        if (!ranged || ranges.contains(page)) pages.push_back(page);
    }
    if (printer.pageOrder() == QPrinter::LastPageFirst) std::reverse(pages.begin(), pages.end());
    return pages;
}

}  // namespace

PrintPageGeometry printPageGeometry(const QPrinter& printer) {
    return printPageGeometry(printer.paperRect(QPrinter::Point).size(), printer.pageRect(QPrinter::Point));
}

PrinterResolution printerResolution(const QPrinter& printer) {
    return {double(printer.logicalDpiX()), double(printer.logicalDpiY())};
}

std::vector<int> printedPageNumbers(const QPrinter& printer, int pageCount) {
    const std::vector<int> pages = pagesInRange(printer, pageCount);
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(printer.copyCount(), 1);
    std::vector<int> printed;
    if (printer.collateCopies()) {
        for (int copy = 0; copy < copies; ++copy) printed.insert(printed.end(), pages.begin(), pages.end());
    } else {
        for (const int page : pages) printed.insert(printed.end(), static_cast<std::size_t>(copies), page);
    }
    return printed;
}

PrintedPages printPages(QPrinter& printer, SemanticPrintView& view, PrintPass pass) {
    PrintedPages result;
    QPainter painter;
    if (!painter.begin(&printer)) return result;
    result.painterBegan = true;

    // 1. Points for units, the origin on the page's corner of the imageable area.
    const PrintPageGeometry geometry = printPageGeometry(printer);
    const PrinterResolution resolution = printerResolution(printer);
    painter.scale(resolution.horizontal / kPointsPerInch, resolution.vertical / kPointsPerInch);
    // The painter starts at Qt's page rectangle; the page may differ from it only
    // when the printer reports no usable imageable area.
    painter.translate(geometry.origin - printer.pageRect(QPrinter::Point).topLeft());
    const double dpi = printRenderingResolution(resolution);

    // 2. The pages, until one fails.
    for (const int page : printedPageNumbers(printer, view.pageCount())) {
        if (result.pagesDrawn > 0 && !printer.newPage()) break;
        view.drawPage(painter, page, geometry.size, dpi);
        ++result.pagesDrawn;
        if (view.renderFailure()) {
            // The preview's printer drops its drawn pages on an abort, while its
            // widget still holds them.
            if (pass == PrintPass::job) printer.abort();
            break;
        }
    }
    painter.end();
    return result;
}

PrintOperationOutcome printJobOutcome(const ErrorPtr& renderFailure, const PrintedPages& pages,
                                      QPrinter::PrinterState state) {
    if (renderFailure) return PrintOperationOutcome::failed(renderFailure);
    if (!pages.painterBegan || state == QPrinter::Error)
        return PrintOperationOutcome::failed(makePrintOperationFailure());
    if (state == QPrinter::Aborted) return PrintOperationOutcome::cancelled();
    return PrintOperationOutcome::submitted();
}

}  // namespace vlt

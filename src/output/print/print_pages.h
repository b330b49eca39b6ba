#pragma once

#include <vector>

#include <QPrinter>

#include "output/print/print_operation_outcome.h"
#include "output/print/semantic_print_view.h"

namespace vlt {

// The printer's page in points: its imageable area on its paper.
PrintPageGeometry printPageGeometry(const QPrinter& printer);
PrinterResolution printerResolution(const QPrinter& printer);

// The page numbers a run prints, in printing order: the printer's page range (every
// page when it names none) in the printer's page order, each page repeated or the
// whole set repeated when the printer cannot make its copies itself.
std::vector<int> printedPageNumbers(const QPrinter& printer, int pageCount);

// What one run of the pages came to.
struct PrintedPages {
    // False when no painter could begin on the printer: nothing was printed.
    bool painterBegan = false;
    int pagesDrawn = 0;
};

// Who the pages are drawn for. A preview keeps what it has drawn; a job is aborted
// when a page fails, so that nothing more is printed.
enum class PrintPass { preview, job };

// The one drawing of the document, for the preview and for the job alike: a painter
// on the printer in points, each page after newPage() but the first, until a page
// fails.
PrintedPages printPages(QPrinter& printer, SemanticPrintView& view, PrintPass pass);

// The outcome of a job: a page that failed wins, then a painter that could not begin
// or a printer in error (failures of the print system), then an abort (cancelled).
PrintOperationOutcome printJobOutcome(const ErrorPtr& renderFailure, const PrintedPages& pages,
                                      QPrinter::PrinterState state);

}  // namespace vlt

#pragma once

#include <functional>
#include <memory>

#include "output/print/print_job.h"
#include "output/print/print_operation.h"
#include "output/print/print_operation_outcome.h"

namespace vlt {

// The window a print runs over, as the model sees it. It holds the window weakly, so
// a print being prepared never keeps the window alive.
class PrintWindow {
public:
    virtual ~PrintWindow() = default;

    // False once the window is gone.
    virtual bool isOpen() const = 0;
    // Shows the preview, the print dialog and the job over the window for `job`. The
    // completion runs exactly once, on a later turn of the event loop. None when the
    // print cannot be shown at all.
    virtual std::unique_ptr<PrintOperation> startPrinting(PrintJob job,
                                                          std::function<void(PrintOperationOutcome)> completion) = 0;
};

}  // namespace vlt

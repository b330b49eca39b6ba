#include "output/print/printing_failure.h"

#include "foundation/localized_string.h"

namespace vlt {

std::string_view printingFailureCategoryRawValue(PrintingFailureCategory category) {
    switch (category) {
    case PrintingFailureCategory::preparation:
        return "print-preparation-failed";
    case PrintingFailureCategory::rendering:
        return "print-render-failed";
    case PrintingFailureCategory::operation:
        return "print-operation-failed";
    }
    return {};
}

std::string PrintingFailure::userMessage() const {
    switch (category_) {
    case PrintingFailureCategory::preparation:
        return localizedStdString("Printing could not start. The complete image could not be prepared.");
    case PrintingFailureCategory::rendering:
        return localizedStdString("Print preview could not be prepared. The complete image could not be rendered.");
    case PrintingFailureCategory::operation:
        return localizedStdString("The print job failed.");
    }
    return {};
}

ErrorPtr makePrintOperationFailure() {
    return PrintingFailure::make(PrintingFailureCategory::operation, makeError<PrintSystemError>());
}

std::optional<PrintingFailureCategory> printingFailureCategory(const ErrorPtr& error) {
    const auto* failure = dynamic_cast<const PrintingFailure*>(error.get());
    if (failure == nullptr) return std::nullopt;
    return failure->category();
}

}  // namespace vlt

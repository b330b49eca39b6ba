#pragma once

#include <cstdint>
#include <functional>

#include <QUrl>
#include <QUuid>

#include "model/background_runner.h"
#include "model/task_handle.h"
#include "foundation/image_import_origin.h"
#include "base/result.h"
#include "import/image_import_failure.h"
#include "import/imported_image.h"
#include "import/security_scoped_file_access.h"

namespace vlt {

class AppModel;
class Error;

// Reads and previews one photograph; blocking, and cut short when the import is
// cancelled. ImportedImage::load in the application.
using LoadImportedImage =
    std::function<Result<ImportedImage, ImageImportFailure>(const QUrl&, SharedFileAccess, std::stop_token)>;

// The model's import of one photograph: it starts on the GUI thread, decodes on a
// worker and applies its outcome back on the GUI thread only while it is still the
// newest import and was not cancelled. Whatever ends an import that is still the newest
// clears isImporting, so no path leaves the screens locked.
class ImportFlow {
public:
    // What one import remembers from its start.
    struct Run {
        QUrl url;
        SharedFileAccess fileAccess;
        QUuid operationId;
        ImageImportOrigin origin = ImageImportOrigin::openPanel;
        std::int64_t generation = 0;
        bool replacesCrop = false;
        TaskHandlePtr task;
    };

    // Supersedes any running import and editor preparation, marks the model as
    // importing and starts the decode.
    static void start(AppModel& model, const QUrl& url, ImageImportOrigin origin, const LoadImportedImage& load,
                      const BackgroundRunner& runInBackground);

    // The two completions, on the GUI thread; model is null once the model is gone.
    static void didFinish(AppModel* model, const Run& run, const ImportedImage& image);
    static void didFail(AppModel* model, const Run& run, const Error& error);

    // The text shown for a failure: the import failure's own, else a generic one.
    static QString failureMessage(const Error& error);

private:
    // The newest import has ended without a document: the screens may act again.
    static void endImport(AppModel& model);
};

}  // namespace vlt

#pragma once

#include <cstdint>
#include <memory>

#include <QString>
#include <QUuid>

#include "model/background_runner.h"
#include "model/task_handle.h"
#include "editing/preparation/editing_canvas.h"

namespace vlt {

class AppModel;
class CropDocument;
class Error;

// "Go to editor": freezes the crop into a descriptor on the GUI thread, makes the
// editing canvas on a worker and opens the editor session, unless an import or a newer
// preparation superseded it or the open document is no longer the one it started from.
class EditorPreparationFlow {
public:
    struct Run {
        QUuid operationId;
        std::int64_t generation = 0;
        std::weak_ptr<CropDocument> document;
        TaskHandlePtr task;
    };

    // Does nothing unless the model allows going on to the editor.
    static void start(AppModel& model, const BackgroundRunner& runInBackground);

    static void didFinish(AppModel* model, const Run& run, const SharedEditingCanvas& canvas);
    static void didFail(AppModel* model, const Run& run, const Error& error);

    // The preparation failure's own text, else a generic one.
    static QString failureMessage(const Error& error);

private:
    // Shows the failure's alert; the preparation, if any ran, has ended.
    static void showFailure(AppModel& model, const Error& error);
};

}  // namespace vlt

#include "platform/log/folder_watch_warning_filter.h"

#include <atomic>

#include <QString>
#include <QtGlobal>

namespace vlt {

namespace {

// Set once, before the filter can run; read from whichever thread warns.
std::atomic<QtMessageHandler> previousHandler{nullptr};

// Qt's own wording ("inotify_add_watch(<path>) failed: (Permission denied)", sent as an
// errno warning of critical level): the error text of EACCES is fixed English in Qt,
// whatever the locale.
bool isRefusedFolderWatch(QtMsgType type, const QString& message) {
    return (type == QtWarningMsg || type == QtCriticalMsg) && message.startsWith(QLatin1String("inotify_add_watch(")) &&
           message.endsWith(QLatin1String(" failed: (Permission denied)"));
}

void filterMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (isRefusedFolderWatch(type, message)) return;
    if (const QtMessageHandler previous = previousHandler.load()) previous(type, context, message);
}

}  // namespace

void installFolderWatchWarningFilter() {
    static const bool installed = [] {
        previousHandler.store(qInstallMessageHandler(nullptr));
        qInstallMessageHandler(filterMessage);
        return true;
    }();
    (void)installed;
}

}  // namespace vlt

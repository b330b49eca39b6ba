#include "base/main_thread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

namespace vlt {

void postToMainThread(std::function<void()> work) {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) return;
    QMetaObject::invokeMethod(application, std::move(work), Qt::QueuedConnection);
}

bool isMainThread() {
    QCoreApplication* application = QCoreApplication::instance();
    return application != nullptr && QThread::currentThread() == application->thread();
}

}  // namespace vlt

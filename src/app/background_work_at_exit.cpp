#include "app/background_work_at_exit.h"

#include <cstdio>

#include <unistd.h>

#include <QThreadPool>

namespace vlt {

int leaveUnfinishedBackgroundWork(int status) {
    QThreadPool* pool = QThreadPool::globalInstance();
    // Work that has not started yet never will.
    pool->clear();
    if (pool->activeThreadCount() == 0) return status;
    std::fflush(nullptr);
    ::_exit(status);
}

}  // namespace vlt

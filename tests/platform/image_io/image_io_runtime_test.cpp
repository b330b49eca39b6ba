#include "platform/image_io/image_io_runtime.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <mutex>
#include <set>
#include <vector>

#include <QTemporaryDir>

#include "platform/image_io/image_encoding.h"
#include "platform/image_io/image_source.h"
#include "platform/image_io/test_image_fixtures.h"

namespace {

// libvips's pool of workers, as its header declares it (a gboolean is an int).
using Start = void* (*)(void* image, void* a);
using Allocate = int (*)(void* state, void* a, int* stop);
using Work = int (*)(void* state, void* a);
using Progress = int (*)(void* a);
using Run = int (*)(void* image, Start, Allocate, Work, Progress, void* a);

// One run of a pool: its own functions, and the threads that did its work.
struct PoolRun {
    Start start;
    Allocate allocate;
    Work work;
    Progress progress;
    void* a;
    std::mutex guard;
    std::set<long> workers;
};

std::mutex runsGuard;
std::vector<std::size_t> workersPerRun;

}  // namespace

// Stands in for libvips's own, which libvips calls through its procedure linkage table:
// the same run, with each worker's thread noted as it takes on work.
extern "C" int vips_threadpool_run(void* image, Start start, Allocate allocate, Work work, Progress progress, void* a) {
    static const auto original = reinterpret_cast<Run>(dlsym(RTLD_NEXT, "vips_threadpool_run"));
    PoolRun run{start, allocate, work, progress, a, {}, {}};
    const int result = original(
        image, [](void* image, void* a) { return static_cast<PoolRun*>(a)->start(image, static_cast<PoolRun*>(a)->a); },
        [](void* state, void* a, int* stop) {
            return static_cast<PoolRun*>(a)->allocate(state, static_cast<PoolRun*>(a)->a, stop);
        },
        [](void* state, void* a) {
            auto* run = static_cast<PoolRun*>(a);
            {
                const std::lock_guard guard(run->guard);
                run->workers.insert(::syscall(SYS_gettid));
            }
            return run->work(state, run->a);
        },
        progress == nullptr ? nullptr
                            : +[](void* a) { return static_cast<PoolRun*>(a)->progress(static_cast<PoolRun*>(a)->a); },
        &run);
    const std::lock_guard guard(runsGuard);
    workersPerRun.push_back(run.workers.size());
    return result;
}

namespace vlt {
namespace {

// The most workers any pool had while `work` ran.
std::size_t mostWorkersIn(const std::function<void()>& work) {
    {
        const std::lock_guard guard(runsGuard);
        workersPerRun.clear();
    }
    work();
    const std::lock_guard guard(runsGuard);
    EXPECT_FALSE(workersPerRun.empty()) << "libvips ran no pool";
    return workersPerRun.empty() ? 0 : *std::max_element(workersPerRun.begin(), workersPerRun.end());
}

// libvips 8.14 ends a pool whose work failed on one worker by raising the pool's stop
// flag without the lock under which the other workers look at it, and a worker that
// looked just before trips its assertion (!pool->stop in vips_worker_allocate) and
// aborts the whole process. A damaged file fails on a worker, a write to a full disk
// too: every picture that goes through libvips, read or written, good or damaged, runs
// on one worker.
TEST(ImageIORuntime, EveryPictureRunsOnOneLibvipsWorker) {
    QTemporaryDir folder;
    const QImage picture = test::fourColourImage(1600, 3000);
    const QString good = folder.filePath("good.jpg"), damaged = folder.filePath("damaged.bmp");
    ASSERT_TRUE(test::writeFile(good, test::jpegBytes(picture)));
    const QByteArray bitmap = test::bmpBytes(picture);
    ASSERT_TRUE(test::writeFile(damaged, bitmap.left(bitmap.size() / 2)));

    for (const QString& path : {good, damaged}) {
        SCOPED_TRACE(path.toStdString());
        const auto source = ImageSource::open(path.toStdString());
        ASSERT_TRUE(source.ok());
        bool decoded = false;
        EXPECT_EQ(mostWorkersIn([&] { decoded = source.value().thumbnail(4096).ok(); }), 1u);
        EXPECT_EQ(decoded, path == good);
    }

    const int descriptor = ::open(folder.filePath("written.jpg").toLocal8Bit().constData(), O_WRONLY | O_CREAT, 0600);
    ImageEncodingResult encoded;
    EXPECT_EQ(mostWorkersIn([&] { encoded = encodeImage(picture, {ImageEncodingFormat::jpeg, 90}, descriptor); }), 1u);
    EXPECT_TRUE(encoded.written());
    ::close(descriptor);
}

}  // namespace
}  // namespace vlt

#include "video_probe_support.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QProcess>
#include <QTimer>

namespace vlt::testing {

namespace {

// The tool's standard output; empty unless it exited with 0.
QByteArray run(const QString& program, const QStringList& arguments, bool* succeeded = nullptr) {
    QProcess process;
    process.start(program, QStringList{"-v", "error"} + arguments);
    const bool ok =
        process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (succeeded != nullptr) *succeeded = ok;
    return ok ? process.readAllStandardOutput() : QByteArray();
}

}  // namespace

QJsonObject probeVideo(const QString& path) {
    const QStringList arguments{
        "-count_frames", "-select_streams", "v", "-show_streams", "-show_format", "-of", "json", path};
    return QJsonDocument::fromJson(run("ffprobe", arguments)).object();
}

QByteArray decodeFrameRgb(const QString& path, int index) {
    return run("ffmpeg", {"-i", path, "-vf", QString("select=eq(n\\,%1)").arg(index), "-frames:v", "1", "-f",
                          "rawvideo", "-pix_fmt", "rgb24", "-"});
}

bool runFfmpeg(const QStringList& arguments) {
    bool succeeded = false;
    run("ffmpeg", QStringList{"-y"} + arguments, &succeeded);
    return succeeded;
}

bool runEventsUntil(const std::function<bool()>& done, int timeoutMilliseconds) {
    QElapsedTimer elapsed;
    elapsed.start();
    // Wakes the wait now and then, so the time limit is noticed without events.
    QTimer tick;
    tick.start(20);
    while (!done() && elapsed.elapsed() < timeoutMilliseconds) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return done();
}

}  // namespace vlt::testing

#include "video_probe_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

namespace vlt::testing {

namespace {

constexpr int kToolTimeoutMilliseconds = 60000;

QByteArray run(const QString& program, const QStringList& arguments, bool* succeeded = nullptr) {
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(kToolTimeoutMilliseconds);
    const bool ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (succeeded != nullptr) *succeeded = ok;
    return ok ? process.readAllStandardOutput() : QByteArray();
}

QJsonObject probe(const QString& path, const QString& section) {
    const QByteArray output =
        run(QStringLiteral("ffprobe"),
            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-count_frames"),
             QStringLiteral("-select_streams"), QStringLiteral("v"), QStringLiteral("-show_streams"),
             QStringLiteral("-show_format"), QStringLiteral("-of"), QStringLiteral("json"), path});
    const QJsonObject root = QJsonDocument::fromJson(output).object();
    if (section == QStringLiteral("format")) return root.value(section).toObject();
    const QJsonArray streams = root.value(QStringLiteral("streams")).toArray();
    QJsonObject first = streams.isEmpty() ? QJsonObject() : streams.first().toObject();
    if (!first.isEmpty()) first.insert(QStringLiteral("vlt_stream_count"), streams.size());
    return first;
}

}  // namespace

QJsonObject probeVideoStream(const QString& path) { return probe(path, QStringLiteral("stream")); }

QJsonObject probeVideoFormat(const QString& path) { return probe(path, QStringLiteral("format")); }

QByteArray decodeFrameRgb(const QString& path, int index) {
    return run(QStringLiteral("ffmpeg"),
               {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path, QStringLiteral("-vf"),
                QStringLiteral("select=eq(n\\,%1)").arg(index), QStringLiteral("-frames:v"), QStringLiteral("1"),
                QStringLiteral("-f"), QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"), QStringLiteral("rgb24"),
                QStringLiteral("-")});
}

bool runFfmpeg(const QStringList& arguments) {
    bool succeeded = false;
    run(QStringLiteral("ffmpeg"),
        QStringList{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")} + arguments, &succeeded);
    return succeeded;
}

}  // namespace vlt::testing

namespace vlt::testing {

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

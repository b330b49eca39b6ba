#pragma once

#include <functional>

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace vlt::testing {

// What ffprobe reports about a file's first video stream and its container; an empty
// object when ffprobe failed.
QJsonObject probeVideoStream(const QString& path);
QJsonObject probeVideoFormat(const QString& path);
// Frame `index`, decoded by ffmpeg into RGB24 rows; empty when decoding failed.
QByteArray decodeFrameRgb(const QString& path, int index);
// Runs ffmpeg with the arguments; true when it exited with 0.
bool runFfmpeg(const QStringList& arguments);
// Runs the event loop until `done` holds or the time is up; whether it holds.
bool runEventsUntil(const std::function<bool()>& done, int timeoutMilliseconds = 120000);

}  // namespace vlt::testing

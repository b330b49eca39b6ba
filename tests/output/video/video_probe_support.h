#pragma once

#include <functional>

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

namespace vlt::testing {

// ffprobe's report of the file's video streams (frames counted) and container as
// JSON: {"streams": [...], "format": {...}}; empty when ffprobe failed.
QJsonObject probeVideo(const QString& path);
// Frame `index`, decoded by ffmpeg into RGB24 rows; empty when decoding failed.
QByteArray decodeFrameRgb(const QString& path, int index);
// Runs ffmpeg with the arguments; true when it exited with 0.
bool runFfmpeg(const QStringList& arguments);
// Runs the event loop until `done` holds or the time is up; whether it holds.
bool runEventsUntil(const std::function<bool()>& done, int timeoutMilliseconds = 120000);

}  // namespace vlt::testing

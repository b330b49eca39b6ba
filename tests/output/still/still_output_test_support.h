#pragma once

#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include <QColor>
#include <QImage>
#include <QUuid>

#include "editing/session/still_image_render_snapshot.h"
#include "output/still/still_image_file_system.h"

namespace vlt::test {

// A red Original and a blue Simulation; with `marked`, a filled green rectangle over
// the Simulation's middle rows, from beyond its left edge to three quarters across.
inline StillImageRenderSnapshot colourSnapshot(int width, int height, bool marked = false) {
    StillImageRenderSnapshot snapshot{QImage(width, height, QImage::Format_RGBA8888_Premultiplied), {}, {}};
    snapshot.original.fill(Qt::red);
    snapshot.simulation = snapshot.original.copy();
    snapshot.simulation.fill(Qt::blue);
    if (marked) {
        const AnnotationShape shape{EditorTool::filledRectangle,
                                    {-float(width) / 2, float(height) / 4},
                                    {float(width) * 3 / 4, float(height) * 3 / 4},
                                    1.0f,
                                    {0, 255, 0}};
        snapshot.annotations.push_back(AnnotationObject{QUuid::createUuid(), shape, {}});
    }
    return snapshot;
}

// Colours compared within a small tolerance, alpha included.
inline bool near(const QColor& actual, const QColor& expected, int tolerance = 8) {
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance &&
           std::abs(actual.alpha() - expected.alpha()) <= tolerance;
}

// The real file system with a log of the calls that change something, and hooks
// that a test sets to fail or to interfere with one of them.
class ScriptedFileSystem final : public StillImageFileSystem {
public:
    std::optional<std::size_t> nameLimit;
    std::function<Result<FileDescriptor>(const std::filesystem::path&)> onCreate;
    std::function<VoidResult(const std::filesystem::path&)> onSync;
    std::function<void(const std::filesystem::path& to)> beforeRename;
    std::function<VoidResult(const std::filesystem::path&)> onRemove;
    // Written from the transaction's working threads.
    std::vector<std::string> calls;

    Result<bool> entryExists(const std::filesystem::path& path) override { return real().entryExists(path); }
    std::size_t nameLengthLimit(const std::filesystem::path& folder) override {
        return nameLimit ? *nameLimit : real().nameLengthLimit(folder);
    }
    Result<FileDescriptor> createNewFile(const std::filesystem::path& path) override {
        log("create " + path.filename().string());
        if (onCreate) return onCreate(path);
        return real().createNewFile(path);
    }
    VoidResult syncAndClose(FileDescriptor file, const std::filesystem::path& path) override {
        log("sync " + path.filename().string());
        if (onSync) return onSync(path);
        return real().syncAndClose(std::move(file), path);
    }
    VoidResult renameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) override {
        log("rename " + from.filename().string());
        if (beforeRename) beforeRename(to);
        return real().renameWithoutReplacing(from, to);
    }
    VoidResult syncFolder(const std::filesystem::path& folder) override {
        log("sync folder");
        return real().syncFolder(folder);
    }
    VoidResult removeFile(const std::filesystem::path& path) override {
        if (onRemove) return onRemove(path);
        return real().removeFile(path);
    }

private:
    void log(std::string call) {
        const std::lock_guard lock(mutex_);
        calls.push_back(std::move(call));
    }
    static StillImageFileSystem& real() { return systemStillImageFileSystem(); }

    std::mutex mutex_;
};

}  // namespace vlt::test

#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

#include <QImage>

namespace vlt {

// Memory for the canvases of the save about to be made, with its pages faulted in
// ahead of time on a thread of its own. A canvas of a few tens of megabytes costs
// the system about as much to map in page by page as composing it costs; done while
// the person still reads the save dialog, the save finds it ready. A canvas taken from
// the reserve gives its memory back to the system when its last image goes.
//
// Thread-safe.
class StillImageCanvasReserve {
public:
    static StillImageCanvasReserve& shared();

    StillImageCanvasReserve() = default;
    StillImageCanvasReserve(const StillImageCanvasReserve&) = delete;
    StillImageCanvasReserve& operator=(const StillImageCanvasReserve&) = delete;

    // Sets aside blocks of these sizes in bytes in place of what was set aside before,
    // faulting them in on a thread of its own; returns at once.
    void prepare(std::vector<std::size_t> blockBytes);
    // A 32-bit canvas of this size in the smallest block set aside that holds it
    // (waiting for it when it is still being faulted in), or a null image when none
    // does. Its pixels are undefined.
    QImage takeCanvas(int width, int height, QImage::Format format);
    // Gives back every block not taken, also those still being faulted in.
    void release();

private:
    struct Block;
    struct Preparation;

    std::mutex mutex_;
    std::shared_ptr<Preparation> current_;
};

}  // namespace vlt

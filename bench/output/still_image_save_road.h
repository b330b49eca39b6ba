#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <QString>

namespace vlt {

// The application's own road to a still-image save, offscreen: the model, the root
// view with the application's screens and a real canvas. A generated 6000 × 4000
// photograph is opened, taken to the editor (a 4096 × 2731 canvas), reshaped with
// Push strokes and annotated; then Save images, all three tabs, JPEG 90, full size,
// with the labels and the contact block, is pressed as the dialog presses it.
//
// The peer of one save is what no save can do without: one full-size render of the
// Simulation as the canvas makes it for an output, and libvips's own jpegsave of the
// same three composed bitmaps, one after the other, from memory images in the
// encoder's layout.
// Milliseconds of one step: on the clock, and of processor time of all the process's
// threads (beyond the clock's time when threads ran side by side).
struct RoadTiming {
    double wall = 0.0;
    double processor = 0.0;

    RoadTiming operator+(const RoadTiming& other) const { return {wall + other.wall, processor + other.processor}; }
};

class StillImageSaveRoad {
public:
    StillImageSaveRoad();
    ~StillImageSaveRoad();
    StillImageSaveRoad(const StillImageSaveRoad&) = delete;
    StillImageSaveRoad& operator=(const StillImageSaveRoad&) = delete;

    // Opens the dialog as the Output menu does and lets it stand for the given time, as
    // a person reads it, with the event loop running.
    void openDialog(double seconds);
    // From the dialog's Save to the result card on the screen; the saved files are
    // removed afterwards. None when the save failed.
    std::optional<RoadTiming> save();
    // One full-size render of the Simulation for an output, until its result is back
    // on the GUI thread.
    RoadTiming render();
    // libvips's jpegsave of the three bitmaps of a save.
    RoadTiming bareEncodes();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// The median of the values (which it sorts).
double median(std::vector<double> values);

}  // namespace vlt

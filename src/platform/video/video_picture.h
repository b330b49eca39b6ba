#pragma once

#include <memory>

struct AVFrame;

namespace vlt {

// One picture converted for the encoder (4:2:0, BT.709, limited range). Copies share
// the same read-only pixels, so a picture that recurs in a video is converted once and
// appended as often as it is needed.
class VideoPicture {
public:
    VideoPicture() = default;

    bool isNull() const { return frame_ == nullptr; }

private:
    friend class H264VideoWriter;
    friend class VideoPictureStore;
    explicit VideoPicture(std::shared_ptr<const AVFrame> frame) : frame_(std::move(frame)) {}

    std::shared_ptr<const AVFrame> frame_;
};

}  // namespace vlt

#pragma once

// GLib names a struct member "signals", which Qt defines as a keyword: include this
// header before any Qt header.
#include <vips/vips.h>

#include <utility>

namespace vlt {

// Owns one reference to a libvips image.
class VipsImageRef {
public:
    VipsImageRef() = default;
    explicit VipsImageRef(VipsImage* image) : image_(image) {}
    VipsImageRef(VipsImageRef&& other) noexcept : image_(std::exchange(other.image_, nullptr)) {}
    VipsImageRef& operator=(VipsImageRef&& other) noexcept {
        std::swap(image_, other.image_);
        return *this;
    }
    VipsImageRef(const VipsImageRef&) = delete;
    VipsImageRef& operator=(const VipsImageRef&) = delete;
    ~VipsImageRef() {
        if (image_ != nullptr) g_object_unref(image_);
    }

    VipsImage* get() const { return image_; }
    VipsImage** out() { return &image_; }
    explicit operator bool() const { return image_ != nullptr; }

private:
    VipsImage* image_ = nullptr;
};

}  // namespace vlt

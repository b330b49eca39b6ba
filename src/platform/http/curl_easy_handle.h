#pragma once

#include <curl/curl.h>

#include <utility>

namespace vlt {

// Owns one curl easy handle: one per exchange, never shared between threads.
class CurlEasyHandle {
public:
    // A fresh handle; empty when curl could not make one.
    static CurlEasyHandle create() { return CurlEasyHandle(curl_easy_init()); }

    CurlEasyHandle() = default;
    CurlEasyHandle(CurlEasyHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    CurlEasyHandle& operator=(CurlEasyHandle&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    CurlEasyHandle(const CurlEasyHandle&) = delete;
    CurlEasyHandle& operator=(const CurlEasyHandle&) = delete;
    ~CurlEasyHandle() {
        if (handle_ != nullptr) curl_easy_cleanup(handle_);
    }

    CURL* get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    explicit CurlEasyHandle(CURL* handle) : handle_(handle) {}

    CURL* handle_ = nullptr;
};

}  // namespace vlt

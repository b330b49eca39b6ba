#pragma once

#include <curl/curl.h>

#include <string>
#include <utility>

namespace vlt {

// Owns the request header lines handed to an easy handle; it must outlive the transfer.
class CurlHeaderList {
public:
    CurlHeaderList() = default;
    CurlHeaderList(CurlHeaderList&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}
    CurlHeaderList& operator=(CurlHeaderList&& other) noexcept {
        std::swap(list_, other.list_);
        return *this;
    }
    CurlHeaderList(const CurlHeaderList&) = delete;
    CurlHeaderList& operator=(const CurlHeaderList&) = delete;
    ~CurlHeaderList() {
        if (list_ != nullptr) curl_slist_free_all(list_);
    }

    // False when curl could not store the line; the list keeps its earlier lines.
    bool append(const std::string& line) {
        curl_slist* extended = curl_slist_append(list_, line.c_str());
        if (extended == nullptr) return false;
        list_ = extended;
        return true;
    }

    curl_slist* get() const { return list_; }

private:
    curl_slist* list_ = nullptr;
};

}  // namespace vlt

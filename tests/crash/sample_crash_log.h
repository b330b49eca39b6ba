#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vlt::testing {

struct SampleThread {
    std::uint32_t number = 0;
    bool crashed = false;
    std::vector<std::uint64_t> frames;
    std::vector<std::pair<std::string, std::uint64_t>> registers;
};

struct SampleImage {
    std::uint64_t base = 0;
    std::uint64_t size = 0;
    std::string name;
    std::vector<std::uint8_t> uuid;  // empty: none
};

// A crash log as this system writes it, packed by protobuf-c from these values.
struct SampleCrashLog {
    std::string version = "45";
    std::optional<std::string> marketingVersion = "1.2";
    std::string osVersion = "12";
    std::optional<std::string> osBuild = "6.1.0-18-amd64";
    std::int64_t timestamp = 1700000000;
    std::string signalName = "SIGSEGV";
    std::string signalCode = "SEGV_MAPERR";
    std::uint64_t signalAddress = 0;
    std::optional<std::pair<std::string, std::string>> exception;  // name, reason
    std::vector<std::uint8_t> customData;
    std::vector<SampleThread> threads;
    std::vector<SampleImage> images;

    // Header and message.
    std::vector<std::uint8_t> bytes() const;
};

}  // namespace vlt::testing

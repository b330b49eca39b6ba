#include "fuzz_support.h"

#include "foundation/event_log.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace vlt::fuzz {

ScratchFile::ScratchFile(std::string_view name) {
    std::string pattern = (std::filesystem::temp_directory_path() / "vlt-fuzz-XXXXXX").string();
    check(mkdtemp(pattern.data()) != nullptr, "a private scratch folder can be made");
    folder_ = pattern;
    path_ = folder_ / name;
}

ScratchFile::~ScratchFile() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void ScratchFile::write(const void* data, std::size_t size) const {
    std::ofstream file(path_, std::ios::binary | std::ios::trunc);
    file.write(static_cast<const char*>(data), std::streamsize(size));
    file.close();
    check(file.good(), "the scratch file can be written");
}

const std::filesystem::path& pictureFile(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile file = [] {
        setenv("VIPS_WARNING", "0", 1);
        return ScratchFile("picture");
    }();
    file.write(data, size);
    return file.path();
}

namespace {

class SilentSink final : public EventLogSink {
public:
    bool isEnabled(EventLogCategory, EventLogLevel) const override { return false; }
    void write(const EventLogEntry&) override {}
};

}  // namespace

void silenceEventLog() { EventLog::install(std::make_shared<SilentSink>()); }

void check(bool condition, const char* promise) {
    if (condition) return;
    std::fprintf(stderr, "Broken promise: %s\n", promise);
    std::abort();
}

}  // namespace vlt::fuzz

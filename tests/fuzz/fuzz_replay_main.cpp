// Replays a fuzz target's corpus without libFuzzer, so the normal build keeps every
// seed and every input that once failed as a regression test.
//
//   fuzz_replay_<target> [-rss_limit_mb=N] [other libFuzzer flags] FILE|FOLDER...
//
// A folder gives its files in name order. A crash fails the test as it would fail the
// fuzzer; -rss_limit_mb fails it when the process's peak memory passes the limit, naming
// the input that pushed it there. Other flags belong to libFuzzer and are ignored.
#include <sys/resource.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputsIn(const fs::path& path) {
    if (!fs::is_directory(path)) return {path};
    std::vector<fs::path> inputs;
    for (const fs::directory_entry& entry : fs::directory_iterator(path)) {
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

long peakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

}  // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize != nullptr) LLVMFuzzerInitialize(&argc, &argv);

    long rssLimitMegabytes = 0;
    std::vector<fs::path> inputs;
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        constexpr std::string_view kRssLimit = "-rss_limit_mb=";
        if (argument.starts_with(kRssLimit)) {
            rssLimitMegabytes = std::stol(std::string(argument.substr(kRssLimit.size())));
        } else if (!argument.starts_with("-")) {
            const std::vector<fs::path> found = inputsIn(argv[index]);
            inputs.insert(inputs.end(), found.begin(), found.end());
        }
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "No inputs to replay: a corpus folder is missing or empty.\n");
        return 2;
    }

    for (const fs::path& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        if (!file.good() && !file.eof()) {
            std::fprintf(stderr, "Cannot read %s\n", input.c_str());
            return 2;
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        if (rssLimitMegabytes > 0 && peakResidentMegabytes() > rssLimitMegabytes) {
            std::fprintf(stderr, "%s raised the peak memory to %ld MB, above the limit of %ld MB\n", input.c_str(),
                         peakResidentMegabytes(), rssLimitMegabytes);
            return 1;
        }
    }
    std::printf("Replayed %zu inputs\n", inputs.size());
    return 0;
}

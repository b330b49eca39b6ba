#include "support/bench_process.h"

#include <cstdio>
#include <cstring>

namespace vlt::bench {

long processKilobytes(const char* field) {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) return -1;
    char line[256];
    long kilobytes = -1;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, field, length) == 0 && std::sscanf(line + length, "%ld", &kilobytes) == 1) break;
    }
    std::fclose(status);
    return kilobytes;
}

std::optional<std::string> takeFlag(int& argc, char** argv, const std::string& name) {
    std::optional<std::string> value;
    int kept = 1;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--" + name) {
            value = "";
        } else if (argument.rfind("--" + name + "=", 0) == 0) {
            value = argument.substr(name.size() + 3);
        } else {
            argv[kept++] = argv[index];
        }
    }
    argc = kept;
    return value;
}

}  // namespace vlt::bench

// Prints the text report of the crash log file named on the command line.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "crash_capture/vt_crash_report_text_formatter.h"
#include "crash_capture/vt_crash_reporter_error.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CRASH_LOG\n", argv[0]);
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "%s: cannot be read\n", argv[1]);
        return 1;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const auto report = vlt::VTCrashReport::fromData(bytes);
    if (!report) {
        const auto* error = dynamic_cast<const vlt::VTCrashReporterError*>(report.error().get());
        std::fprintf(stderr, "%s\n", error ? error->description().c_str() : "The crash log cannot be read.");
        return 1;
    }
    const vlt::VTCrashReportTextFormatter formatter(vlt::VTCrashReportTextFormat::standard,
                                                    vlt::VTCrashReportTextEncoding::utf8);
    const std::string text = formatter.formatReport(report.value());
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

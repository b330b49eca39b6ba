#pragma once

namespace vlt {

// The crash reports area of the application model: whether the question about a
// previous crash, or one of its notices, is up over the window. Nothing new starts
// beneath it; quitting, About and the help pages stay.
struct CrashReportState {
    bool isAlertPresented = false;

    bool operator==(const CrashReportState&) const = default;
};

}  // namespace vlt

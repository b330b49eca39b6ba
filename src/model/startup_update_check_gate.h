#pragma once

namespace vlt {

// Whether the start-up update check has been started. It moves to started on the
// first attempt, before the updater is asked, so a failed start is never retried.
struct StartupUpdateCheckGate {
    bool hasStarted = false;
};

}  // namespace vlt

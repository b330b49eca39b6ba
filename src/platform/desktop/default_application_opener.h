#pragma once

#include <functional>

#include <QString>

namespace vlt {

// Opens a folder, a file or a web address with the desktop's default application
// through `xdg-open`, and tells whether that worked: QDesktopServices only says that
// xdg-open started, so a desktop with nothing to open the target would count as
// success. The opener's own output goes nowhere, not into our log. The completion runs
// once on the main thread, never inside the call. An opener still running after
// `patienceMs` has found an application (some stay in the foreground until their
// window closes), so the answer is then true and the process is left to end on its own.
void openWithDefaultApplication(const QString& target, std::function<void(bool opened)> completion,
                                const QString& program = QStringLiteral("xdg-open"), int patienceMs = 3000);

}  // namespace vlt

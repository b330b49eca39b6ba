#pragma once

#include <functional>

#include <QStringList>

namespace vlt {

// The desktop's file manager, as far as outputs need it: showing saved files.
class FileManager {
public:
    virtual ~FileManager() = default;

    // Opens the folder of the files in a file manager window with the files selected.
    // The completion runs once, on the main thread, never inside this call: true when
    // a file manager (or, failing that, the folder's default application) took the
    // request, false when nothing could show the folder.
    virtual void showItems(const QStringList& paths, std::function<void(bool shown)> completion) = 0;
};

}  // namespace vlt

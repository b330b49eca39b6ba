// A folder bookmark comes back from the settings file, which the user may edit: any bytes
// resolve or fail cleanly, a resolution names an absolute path that is a folder now, and a
// bookmark made anew for it resolves to the same path, current.
#include <QFileInfo>

#include "fuzz_support.h"
#include "output/still/folder_bookmark.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto resolved =
        vlt::FolderBookmark::resolve(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!resolved) return 0;
    const QString& path = resolved.value().path;
    vlt::fuzz::check(path.startsWith(QLatin1Char('/')) && QFileInfo(path).isDir(), "a bookmark resolves to a folder");
    const auto renewed = vlt::FolderBookmark::create(path);
    const auto again = renewed ? vlt::FolderBookmark::resolve(renewed.value()) : renewed.error();
    vlt::fuzz::check(again && again.value().path == path && !again.value().isStale,
                     "a bookmark made anew resolves to the same folder, current");
    return 0;
}

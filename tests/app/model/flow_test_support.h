#pragma once

#include <functional>
#include <vector>

#include <QImage>
#include <QString>
#include <QUrl>

#include "app/model/background_runner.h"
#include "import/imported_image.h"

namespace vlt::testing {

// Holds background work until the test releases it, then lets the results that the
// work posted reach the model. Nothing runs on another thread.
class ManualBackgroundRunner {
public:
    BackgroundRunner runner();

    std::size_t pendingCount() const { return jobs_.size(); }
    // Runs the oldest job (or the one at index) and delivers what it posted.
    void runNext(std::size_t index = 0);
    void runAll();

private:
    std::vector<std::function<void()>> jobs_;
};

// Lets results posted to the GUI thread arrive.
void deliverPostedResults();

// An imported picture of the given size, as the loader would give it for url.
ImportedImage makeImportedImage(const QUrl& url, int width = 400, int height = 300);

// Writes a JPEG of four coloured quadrants and returns its URL.
QUrl writeJpeg(const QString& path, int width, int height);

}  // namespace vlt::testing

#include "app/model/flow_test_support.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>

namespace vlt::testing {

BackgroundRunner ManualBackgroundRunner::runner() {
    return [this](std::function<void()> work) { jobs_.push_back(std::move(work)); };
}

void ManualBackgroundRunner::runNext(std::size_t index) {
    std::function<void()> job = std::move(jobs_.at(index));
    jobs_.erase(jobs_.begin() + static_cast<std::ptrdiff_t>(index));
    job();
    deliverPostedResults();
}

void ManualBackgroundRunner::runAll() {
    while (!jobs_.empty()) runNext();
}

void deliverPostedResults() { QCoreApplication::sendPostedEvents(); }

ImportedImage makeImportedImage(const QUrl& url, int width, int height) {
    ImportedImage image;
    image.fileName = QFileInfo(url.toLocalFile()).fileName();
    image.encodedSize = {width, height};
    image.exifOrientedSize = {width, height};
    image.previewSize = {width, height};
    image.previewImage = QImage(width, height, QImage::Format_RGBA8888_Premultiplied);
    image.previewImage.fill(Qt::gray);
    return image;
}

QUrl writeJpeg(const QString& path, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, Qt::red);
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, Qt::green);
    painter.fillRect(0, height / 2, width / 2, height - height / 2, Qt::blue);
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, Qt::yellow);
    painter.end();
    image.save(path, "JPEG", 90);
    return QUrl::fromLocalFile(path);
}

}  // namespace vlt::testing

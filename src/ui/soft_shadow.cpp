#include "ui/soft_shadow.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace vlt {
namespace {

// Three box blurs in a row approximate a Gaussian closely enough for a shadow.
constexpr int kBoxPasses = 3;

void boxBlurAlpha(std::vector<float>& alpha, int width, int height, int radius, bool horizontal) {
    if (radius <= 0) return;
    const int lineCount = horizontal ? height : width;
    const int lineLength = horizontal ? width : height;
    const int step = horizontal ? 1 : width;
    std::vector<float> line(static_cast<std::size_t>(lineLength));
    const float window = static_cast<float>(2 * radius + 1);
    for (int lineIndex = 0; lineIndex < lineCount; ++lineIndex) {
        const int start = horizontal ? lineIndex * width : lineIndex;
        for (int i = 0; i < lineLength; ++i)
            line[static_cast<std::size_t>(i)] = alpha[static_cast<std::size_t>(start + i * step)];
        float sum = 0.0f;
        for (int i = -radius; i <= radius; ++i) {
            if (i >= 0 && i < lineLength) sum += line[static_cast<std::size_t>(i)];
        }
        for (int i = 0; i < lineLength; ++i) {
            alpha[static_cast<std::size_t>(start + i * step)] = sum / window;
            const int leaving = i - radius;
            const int entering = i + radius + 1;
            if (leaving >= 0) sum -= line[static_cast<std::size_t>(leaving)];
            if (entering < lineLength) sum += line[static_cast<std::size_t>(entering)];
        }
    }
}

}  // namespace

SoftShadow::SoftShadow(QColor colour, double blurRadius, QPointF offset, double cornerRadius)
    : colour_(colour), blurRadius_(blurRadius), offset_(offset), cornerRadius_(cornerRadius) {}

void SoftShadow::rebuild(QSize shapeSize, double devicePixelRatio) {
    const int margin = static_cast<int>(std::ceil(blurRadius_ * devicePixelRatio));
    const int width = static_cast<int>(std::ceil(shapeSize.width() * devicePixelRatio)) + 2 * margin;
    const int height = static_cast<int>(std::ceil(shapeSize.height() * devicePixelRatio)) + 2 * margin;

    QImage mask(width, height, QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        const double radius = cornerRadius_ * devicePixelRatio;
        painter.drawRoundedRect(QRectF(margin, margin, width - 2 * margin, height - 2 * margin), radius, radius);
    }

    std::vector<float> alpha(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const uchar* row = mask.constScanLine(y);
        for (int x = 0; x < width; ++x) alpha[static_cast<std::size_t>(y * width + x)] = row[x];
    }
    // A blur "radius" in the design tools spreads the edge over about twice sigma.
    const int boxRadius =
        std::max(1, static_cast<int>(std::lround(blurRadius_ * devicePixelRatio / 2.0 / kBoxPasses * 1.7)));
    for (int pass = 0; pass < kBoxPasses; ++pass) {
        boxBlurAlpha(alpha, width, height, boxRadius, true);
        boxBlurAlpha(alpha, width, height, boxRadius, false);
    }

    image_ = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const float coverage = alpha[static_cast<std::size_t>(y * width + x)] / 255.0f;
            const int a = std::clamp(static_cast<int>(std::lround(coverage * colour_.alphaF() * 255.0f)), 0, 255);
            row[x] = qPremultiply(qRgba(colour_.red(), colour_.green(), colour_.blue(), a));
        }
    }
    image_.setDevicePixelRatio(devicePixelRatio);
    imageShapeSize_ = shapeSize;
    imageRatio_ = devicePixelRatio;
}

void SoftShadow::paint(QPainter& painter, const QRectF& shape, double opacity) {
    if (shape.isEmpty() || opacity <= 0.0) return;
    const QSize shapeSize = shape.size().toSize();
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (image_.isNull() || shapeSize != imageShapeSize_ || ratio != imageRatio_) rebuild(shapeSize, ratio);
    const double margin = std::ceil(blurRadius_ * ratio) / ratio;
    painter.save();
    painter.setOpacity(painter.opacity() * opacity);
    painter.drawImage(shape.topLeft() + offset_ - QPointF(margin, margin), image_);
    painter.restore();
}

}  // namespace vlt

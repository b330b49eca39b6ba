#pragma once

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

namespace vlt::test {

// Quadrants: red top left, green top right, blue bottom right, yellow bottom left.
// Every turn or mirror of it looks different, so its corners tell its orientation.
// The colours lie inside the CMYK gamut, so that every pixel layout keeps them.
QImage fourColourImage(int width, int height);
inline const QColor kTopLeftColour{200, 64, 64};
inline const QColor kTopRightColour{64, 160, 64};
inline const QColor kBottomRightColour{64, 64, 176};
inline const QColor kBottomLeftColour{200, 192, 64};

// The four colours under a fine grain, so that every resampling step shows in the bytes.
QImage grainedImage(int width, int height);

// The stored picture that a viewer honouring the EXIF orientation shows as `upright`.
QImage storedForExifOrientation(const QImage& upright, int exifOrientation);
// `picture` as shown after a mirror (first) and clockwise quarter turns.
QImage turned(const QImage& picture, int clockwiseQuarterTurns, bool mirrored);

QByteArray jpegBytes(const QImage& image, int quality = 95);
// A copy with an EXIF block that holds only the orientation tag (any 16-bit value).
QByteArray withExifOrientation(const QByteArray& jpeg, std::uint16_t orientation);
QByteArray pngBytes(const QImage& image);
// A copy whose header announces another size (pixel data unchanged).
QByteArray withAnnouncedPngSize(const QByteArray& png, std::uint32_t width, std::uint32_t height);
QByteArray bmpBytes(const QImage& image);
// A bitmap around hand-laid data: a header of `headerBytes` (12, 40 or 108, whose masks
// are `headerMasks`), then `table` (palette entries or masks), then `pixels`. A negative
// height stores the rows top down.
QByteArray bmpBytes(int width, int height, int bitsPerPixel, int compression, const QByteArray& table,
                    const QByteArray& pixels, int headerBytes = 40, QList<std::uint32_t> headerMasks = {});

// Layouts libvips writes that QImage cannot.
struct VipsFixtureOptions {
    std::optional<int> orientation = std::nullopt;
    bool keepAlpha = false;
    bool grey = false;
    bool sixteenBit = false;
    bool cmyk = false;
    bool palette = false;
    bool interlaced = false;
    bool tiled = false;
    // TIFF only: LZW with the horizontal predictor instead of no compression.
    bool compressed = false;
};
// The format follows the suffix (.jpg, .png, .tif, .heic). False when it cannot be written.
bool writeWithVips(const QImage& image, const QString& path, const VipsFixtureOptions& options = {});
// A TIFF laid out by hand, for layouts no encoder at hand writes. Its samples come from
// `picture`: red, green and blue, or green alone for grey, then an alpha of its own
// pattern; 16-bit samples add a pattern of their own in the low byte.
struct HandWrittenTiffOptions {
    // 1 or 2 is grey, 3 or 4 RGB; the last of 2 or 4 is alpha.
    int samples = 3;
    int bitsPerSample = 8;
    bool bigEndian = false;
    // The alpha's kind (ExtraSamples): 0 unspecified, 1 premultiplied, 2 straight.
    int alphaKind = 2;
    // Otherwise MinIsBlack for grey and RGB for colour.
    std::optional<int> photometric = std::nullopt;
    // 0: every row in one strip.
    int rowsPerStrip = 0;
    // The strips lie in the file from the last to the first.
    bool stripsReversed = false;
    // Square tiles of this side instead of strips.
    int tileSide = 0;
    // The tag alone: the data is always stored as it is.
    int compression = 1;
    // Taken from the last strip's byte count.
    int lastStripShortBy = 0;
    // The directory before the pixels, so that a file cut short keeps it.
    bool directoryFirst = false;
};
QByteArray handWrittenTiffBytes(const QImage& picture, const HandWrittenTiffOptions& options = {});

// A black PNG that decodes to width × height grey pixels, written streaming.
bool writeLargeGreyPng(const QString& path, int width, int height);

bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// The colour at a point given as fractions of the size.
QColor colourAt(const QImage& image, double fractionX, double fractionY);
bool coloursNear(const QColor& a, const QColor& b, int tolerance = 48);

}  // namespace vlt::test

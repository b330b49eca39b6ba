#pragma once

// GLib names a struct member "signals", which Qt defines as a keyword: include this
// header before any Qt header.
#include <vips/vips.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "base/file_descriptor.h"
#include "platform/image_io/vips_image_ref.h"

namespace vlt {

// The pixels of one decode, kept as the decoder gave them (size, bands, sample format,
// colour profile), so that a later render of another part of the same source needs no
// second decode. Small stores stay in memory; larger ones live in an unlinked file in
// the user's private temporary folder, which the system frees when the store is
// dropped or the process ends, however it ends, so nothing is ever left on disk.
//
// Filled once, while the first decode streams through it, then only read; reading is
// safe from any number of threads.
class DecodedPixelStore {
public:
    // Up to this many bytes are kept in memory.
    static constexpr std::uint64_t kMaximumMemoryBytes = std::uint64_t(32) << 20;

    // Room for every pixel of `decoded`; none when neither memory nor the temporary
    // folder can take them without crowding the disk.
    static std::shared_ptr<DecodedPixelStore> reserveFor(VipsImage* decoded);

    DecodedPixelStore(const DecodedPixelStore&) = delete;
    DecodedPixelStore& operator=(const DecodedPixelStore&) = delete;
    ~DecodedPixelStore();

    // `decoded` unchanged, except that its rows are copied into the store as the
    // pipeline pulls them through. The store must outlive the returned image.
    VipsImageRef tee(VipsImageRef decoded);
    // Nothing more will be stored: waits for the rows still on their way to the file;
    // then readers still waiting for rows give up.
    void finishFilling();
    // Every row arrived and was stored; asked after filling finished.
    bool isComplete() const;
    // A new image that reads the stored pixels, with the header and metadata of the
    // decoded one; the store must outlive the image. Any row can be read at any time,
    // from any thread. While the store is being filled, a read waits for its rows to
    // arrive, and fails when filling finishes without them.
    VipsImageRef image() const;

    bool isInMemory() const { return memory_ != nullptr; }

private:
    // Rows on their way to the file.
    struct Chunk {
        int first = 0;
        int end = 0;
        std::vector<unsigned char> bytes;
    };

    DecodedPixelStore(VipsImage* decoded, std::uint64_t bytes, std::unique_ptr<unsigned char[]> memory,
                      FileDescriptor file);

    static int generateTee(VipsRegion* out, void* sequence, void* input, void* store, gboolean* stop);
    static int generateStored(VipsRegion* out, void* sequence, void* store, void* unused, gboolean* stop);

    // Keeps the rows of `area` that nobody kept before; a part of a row is not kept.
    void storeRows(VipsRegion* input, const VipsRect& area);
    void storeRun(VipsRegion* input, int first, int end);
    // Hands the rows to the writer thread, which a decoder need not wait for.
    void queueRun(VipsRegion* input, int first, int end);
    void writeQueuedRuns();
    void markStored(int first, int end);
    bool loadRows(VipsRegion* out) const;
    // Until the rows from `top` to `bottom` are stored; false when they never will be.
    bool waitForRows(int top, int bottom) const;
    bool write(std::uint64_t offset, const void* bytes, std::uint64_t count);
    bool read(std::uint64_t offset, unsigned char* bytes, std::uint64_t count) const;

    enum RowState : std::uint8_t { kRowMissing, kRowWriting, kRowStored };

    int width_ = 0;
    int height_ = 0;
    std::uint64_t pixelBytes_ = 0;
    std::uint64_t rowBytes_ = 0;
    std::unique_ptr<unsigned char[]> memory_;
    FileDescriptor file_;
    // The header of the decoded image, without its pixels.
    VipsImageRef header_;
    std::unique_ptr<std::atomic<std::uint8_t>[]> rows_;
    std::atomic<bool> failed_{false};
    // Rows stored so far from the top without a gap, and whether filling has finished.
    mutable std::mutex progressMutex_;
    mutable std::condition_variable progress_;
    int storedFromTop_ = 0;
    bool filling_ = true;
    // Writes to the file go through a thread of their own where there is a processor to spare.
    bool writesAside_ = false;
    std::mutex queueMutex_;
    std::condition_variable queueChanged_;
    std::deque<Chunk> queue_;
    std::vector<std::vector<unsigned char>> spareBuffers_;
    std::uint64_t queuedBytes_ = 0;
    bool queueClosed_ = false;
    std::thread writer_;
};

}  // namespace vlt

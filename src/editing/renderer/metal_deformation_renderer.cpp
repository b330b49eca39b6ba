#include "editing/renderer/metal_deformation_renderer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string>

#include <QColorSpace>

#include "editing/engine/deformation_tool.h"
#include "editing/renderer/metal_background_colors.h"
#include "editing/renderer/scissor_pieces.h"
#include "editing/renderer/transfer_row_pitch.h"
#include "base/precondition.h"
#include "base/main_thread.h"
#include "shaders/background_fragment.h"
#include "shaders/background_uniforms.h"
#include "shaders/background_vertex.h"
#include "shaders/clear_displacement.h"
#include "shaders/compose_displacement.h"
#include "shaders/composition_tool_code.h"
#include "shaders/composition_uniforms.h"
#include "shaders/displacement_occupancy.h"
#include "shaders/image_fragment.h"
#include "shaders/image_uniforms.h"
#include "shaders/image_vertex.h"
#include "shaders/shader_library.h"

namespace vlt {

static_assert(static_cast<std::uint32_t>(CompositionToolCode::grow) == rawValue(DeformationTool::grow));
static_assert(static_cast<std::uint32_t>(CompositionToolCode::shrink) == rawValue(DeformationTool::shrink));
static_assert(static_cast<std::uint32_t>(CompositionToolCode::push) == rawValue(DeformationTool::push));
static_assert(static_cast<std::uint32_t>(CompositionToolCode::reconstruct) == rawValue(DeformationTool::reconstruct));
static_assert(kDeformationTexelBytes == bytesPerPixel(GpuPixelFormat::rg32Float));

namespace {

using RenderFailure = MetalDeformationFailure;

constexpr std::string_view kDefaultLibraryName = "default library";
constexpr std::string_view kFunctionPairSeparator = "/";
constexpr float kGridSpacingPoints = 32.0f;
constexpr float kGridLineWidthPoints = 1.0f;
constexpr std::uint32_t kWholeDrawable = 0;
constexpr std::uint32_t kPaneBackground = 1;
constexpr double kMinimumBoundsExtent = 1.0;
constexpr double kMinimumScissorExtent = 1.0;

RenderFailure failure(RenderFailure::Case failureCase) { return RenderFailure(failureCase); }

GpuSize threadsPerThreadgroup(const GpuComputePipeline& pipeline) {
    const std::int64_t width = pipeline.threadExecutionWidth();
    const std::int64_t height = std::max<std::int64_t>(pipeline.maxTotalThreadsPerThreadgroup() / width, 1);
    return {width, height};
}

Result<std::shared_ptr<GpuComputePipeline>, RenderFailure> makeComputePipeline(GpuDevice& device,
                                                                               const GpuFunctionLibrary& library,
                                                                               std::string_view name) {
    const std::optional<GpuFunction> function = library.makeFunction(name);
    if (!function) return RenderFailure::shaderFunction(std::string(name));
    std::shared_ptr<GpuComputePipeline> pipeline = device.makeComputePipeline(*function);
    if (!pipeline) return failure(RenderFailure::Case::pipelineCreation);
    return pipeline;
}

Result<std::shared_ptr<GpuRenderPipeline>, RenderFailure> makeRenderPipeline(GpuDevice& device,
                                                                             const GpuFunctionLibrary& library,
                                                                             std::string_view vertexName,
                                                                             std::string_view fragmentName,
                                                                             GpuPixelFormat format) {
    const std::optional<GpuFunction> vertex = library.makeFunction(vertexName);
    const std::optional<GpuFunction> fragment = library.makeFunction(fragmentName);
    if (!vertex || !fragment) {
        return RenderFailure::shaderFunction(std::string(vertexName) + std::string(kFunctionPairSeparator) +
                                             std::string(fragmentName));
    }
    std::shared_ptr<GpuRenderPipeline> pipeline = device.makeRenderPipeline({vertex, fragment, format});
    if (!pipeline) return failure(RenderFailure::Case::pipelineCreation);
    return pipeline;
}

// Whether every pixel of RGBA rows, straight or premultiplied, is opaque. A row's pixels
// are ANDed together two at a time in four independent words, and the alpha byte of
// the result is read once: a few milliseconds for a 4096-pixel-square canvas where a
// byte at a time took twenty.
bool isOpaque(const QImage& pixels) {
    constexpr std::size_t kWords = 4;
    const std::size_t rowBytes = std::size_t(pixels.width()) * 4;
    for (int y = 0; y < pixels.height(); ++y) {
        const uchar* row = pixels.constScanLine(y);
        std::array<std::uint64_t, kWords> words;
        words.fill(~std::uint64_t{0});
        std::size_t offset = 0;
        for (; offset + sizeof words <= rowBytes; offset += sizeof words) {
            for (std::size_t word = 0; word < kWords; ++word) {
                std::uint64_t twoPixels = 0;
                std::memcpy(&twoPixels, row + offset + word * sizeof twoPixels, sizeof twoPixels);
                words[word] &= twoPixels;
            }
        }
        const std::uint64_t all = words[0] & words[1] & words[2] & words[3];
        std::uint32_t pixel = std::uint32_t(all) & std::uint32_t(all >> 32);
        for (; offset < rowBytes; offset += sizeof pixel) {
            std::uint32_t next = 0;
            std::memcpy(&next, row + offset, sizeof next);
            pixel &= next;
        }
        // In memory order, whatever the processor's byte order: the fourth byte is alpha.
        std::array<uchar, 4> bytes{};
        std::memcpy(bytes.data(), &pixel, sizeof pixel);
        if (bytes[3] != 0xFFu) return false;
    }
    return true;
}

// The canvas image as straight-alpha 8-bit sRGB RGBA, the layout of the source texture,
// and whether every pixel is opaque.
struct CanvasPixels {
    QImage image;
    bool opaque = false;
};

CanvasPixels canvasPixels(const QImage& image) {
    QImage pixels = image;
    const QColorSpace space = pixels.colorSpace();
    if (space.isValid() && space != QColorSpace(QColorSpace::SRgb)) {
        pixels = pixels.convertedToColorSpace(QColorSpace::SRgb);
    }
    // Alpha reads the same straight or premultiplied, and opaque premultiplied rows are
    // their straight rows already: the canvas the editor opens with goes to its texture
    // without being converted first, on the GUI thread.
    const bool rgbaRows =
        pixels.format() == QImage::Format_RGBA8888 || pixels.format() == QImage::Format_RGBA8888_Premultiplied;
    if (!rgbaRows) pixels = pixels.convertToFormat(QImage::Format_RGBA8888);
    const bool opaque = isOpaque(pixels);
    if (!opaque) pixels = pixels.convertToFormat(QImage::Format_RGBA8888);
    return {std::move(pixels), opaque};
}

BackgroundUniforms backgroundUniforms(PackedFloat2 origin, double backingScale, std::uint32_t drawsPane) {
    const MetalBackgroundColors& colors = MetalBackgroundColors::shared();
    BackgroundUniforms uniforms;
    uniforms.origin = origin;
    uniforms.backingScale = static_cast<float>(backingScale);
    uniforms.drawsPane = drawsPane;
    uniforms.baseColor = colors.base;
    uniforms.accentColor = colors.accent;
    uniforms.constants = {kGridSpacingPoints, kGridLineWidthPoints};
    return uniforms;
}

// A drawable and the scale from view points to its pixels.
struct DrawableFrame {
    struct Scale {
        double x;
        double y;
    };
    Scale scale;
    std::int64_t width;
    std::int64_t height;

    // The clip rectangle in whole drawable pixels, none when it covers less than one.
    std::optional<GpuScissorRect> scissorRect(const QRectF& clip) const {
        const QRectF scaled(clip.x() * scale.x, clip.y() * scale.y, clip.width() * scale.x, clip.height() * scale.y);
        const QRectF visible =
            scaled.intersected(QRectF(0.0, 0.0, static_cast<double>(width), static_cast<double>(height)));
        if (!(visible.width() >= kMinimumScissorExtent) || !(visible.height() >= kMinimumScissorExtent)) {
            return std::nullopt;
        }
        const auto x = std::max<std::int64_t>(static_cast<std::int64_t>(std::floor(visible.left())), 0);
        const auto y = std::max<std::int64_t>(static_cast<std::int64_t>(std::floor(visible.top())), 0);
        const auto x2 = std::min<std::int64_t>(static_cast<std::int64_t>(std::ceil(visible.right())), width);
        const auto y2 = std::min<std::int64_t>(static_cast<std::int64_t>(std::ceil(visible.bottom())), height);
        return GpuScissorRect{x, y, std::max<std::int64_t>(x2 - x, 1), std::max<std::int64_t>(y2 - y, 1)};
    }

    QRectF imageRect(const QRectF& points) const {
        return {points.x() * scale.x, points.y() * scale.y, points.width() * scale.x, points.height() * scale.y};
    }
};

// The drawable of the given size for a view of the given bounds; bounds of at most one
// point count as one.
DrawableFrame drawableFrame(std::int64_t width, std::int64_t height, double boundsWidth, double boundsHeight) {
    const double usableWidth = boundsWidth > kMinimumBoundsExtent ? boundsWidth : kMinimumBoundsExtent;
    const double usableHeight = boundsHeight > kMinimumBoundsExtent ? boundsHeight : kMinimumBoundsExtent;
    return {{static_cast<double>(width) / usableWidth, static_cast<double>(height) / usableHeight}, width, height};
}

// Pixels whose centres lie inside the image quad with two pixels to spare on every
// side, so that no rounding on the way through clip space can leave one uncovered;
// empty when the image is too small or its rectangle unusable.
GpuScissorRect surelyCoveredPixels(const QRectF& imageRect) {
    constexpr double kSpare = 2.0;
    constexpr double kLimit = 1.0e12;
    const double left = std::floor(imageRect.left()) + kSpare;
    const double right = std::floor(imageRect.right()) - kSpare;
    const double top = std::floor(imageRect.top()) + kSpare;
    const double bottom = std::floor(imageRect.bottom()) - kSpare;
    if (!(right > left) || !(bottom > top) || !(left > -kLimit) || !(right < kLimit) || !(top > -kLimit) ||
        !(bottom < kLimit)) {
        return {};
    }
    const auto x = static_cast<std::int64_t>(left);
    const auto y = static_cast<std::int64_t>(top);
    return {x, y, static_cast<std::int64_t>(right) - x, static_cast<std::int64_t>(bottom) - y};
}

ImageUniforms imageUniforms(const QRectF& imageRect, std::int64_t targetWidth, std::int64_t targetHeight,
                            std::int64_t canvasWidth, std::int64_t canvasHeight, float displacementScale) {
    ImageUniforms uniforms;
    uniforms.imageRect = {static_cast<float>(imageRect.x()), static_cast<float>(imageRect.y()),
                          static_cast<float>(imageRect.width()), static_cast<float>(imageRect.height())};
    uniforms.viewportSize = {static_cast<float>(targetWidth), static_cast<float>(targetHeight)};
    uniforms.canvasSize = {static_cast<float>(canvasWidth), static_cast<float>(canvasHeight)};
    uniforms.displacementScale = displacementScale;
    return uniforms;
}

// Scales outside [0, 1] (and NaN) are brought to the nearest meaningful one.
float clampedScale(float scale) {
    if (!(scale > 0.0f)) return 0.0f;
    return scale > 1.0f ? 1.0f : scale;
}

GpuScissorRect united(const GpuScissorRect& a, const GpuScissorRect& b) {
    if (a.isEmpty()) return b;
    if (b.isEmpty()) return a;
    const std::int64_t left = std::min(a.x, b.x);
    const std::int64_t top = std::min(a.y, b.y);
    const std::int64_t right = std::max(a.x + a.width, b.x + b.width);
    const std::int64_t bottom = std::max(a.y + a.height, b.y + b.height);
    return {left, top, right - left, bottom - top};
}

// The drawable pixels that can show something else once the field changed in
// changedField: those of every displaced pane whose field sample reaches a changed
// texel. A pane at scale 0 never reads the field.
GpuScissorRect imageDamage(const PixelRegion& changedField, const std::vector<MetalRenderPane>& panes,
                           const DrawableFrame& frame, std::int64_t canvasWidth, std::int64_t canvasHeight) {
    GpuScissorRect damage{};
    for (const MetalRenderPane& pane : panes) {
        const bool displaces = pane.displacementScale > 0.0f || pane.displacementScale < 0.0f;
        const std::optional<GpuScissorRect> scissor = frame.scissorRect(pane.clipRect);
        if (!displaces || !scissor) continue;
        const GpuScissorRect sampling =
            pixelsSamplingField(changedField, frame.imageRect(pane.imageRect), canvasWidth, canvasHeight);
        damage = united(damage, sampling.intersected(*scissor));
    }
    return damage;
}

// The workspace and each pane's grid. Every pixel ends as the last draw that covers
// it, so a background is drawn only where nothing drawn later covers it for certain:
// the workspace outside the panes, a pane's grid outside its image.
void encodeBackgrounds(GpuRenderEncoder& encoder, const std::vector<MetalRenderPane>& panes, const DrawableFrame& frame,
                       double backingScale) {
    const BackgroundUniforms whole = backgroundUniforms({0.0f, 0.0f}, backingScale, kWholeDrawable);
    encoder.setFragmentBytes(&whole, sizeof whole, kBackgroundUniformsBufferIndex);
    ScissorPieces workspace({0, 0, frame.width, frame.height});
    for (const MetalRenderPane& pane : panes) {
        if (const std::optional<GpuScissorRect> scissor = frame.scissorRect(pane.clipRect)) workspace.cut(*scissor);
    }
    for (std::size_t index = 0; index < workspace.size(); ++index) {
        encoder.setScissorRect(workspace[index]);
        encoder.drawTriangles(0, kBackgroundVertexCount);
    }

    for (const MetalRenderPane& pane : panes) {
        const std::optional<GpuScissorRect> scissor = frame.scissorRect(pane.clipRect);
        if (!scissor) continue;
        const PackedFloat2 origin{static_cast<float>(pane.clipRect.x() * frame.scale.x),
                                  static_cast<float>(pane.clipRect.y() * frame.scale.y)};
        const BackgroundUniforms uniforms = backgroundUniforms(origin, backingScale, kPaneBackground);
        encoder.setFragmentBytes(&uniforms, sizeof uniforms, kBackgroundUniformsBufferIndex);
        ScissorPieces grid(*scissor);
        grid.cut(surelyCoveredPixels(frame.imageRect(pane.imageRect)));
        for (std::size_t index = 0; index < grid.size(); ++index) {
            encoder.setScissorRect(grid[index]);
            encoder.drawTriangles(0, kBackgroundVertexCount);
        }
    }
}

bool regionInside(const PixelRegion& region, std::int64_t width, std::int64_t height) {
    return region.hasPixels() && region.x >= 0 && region.y >= 0 && region.x + region.width <= width &&
           region.y + region.height <= height;
}

GpuRegion gpuRegion(const PixelRegion& region) { return {{region.x, region.y}, {region.width, region.height}}; }

void releaseOutputTexture(void* texture) { delete static_cast<std::shared_ptr<GpuTexture>*>(texture); }

// The output image over the rendered texture's own rows (compact, B, G, R, A): no
// copy, the image keeps the texture, which nothing else draws into again.
QImage outputImageOfTexture(const std::shared_ptr<GpuTexture>& texture) {
    auto* holder = new std::shared_ptr<GpuTexture>(texture);
    QImage image(texture->data(), static_cast<int>(texture->width()), static_cast<int>(texture->height()),
                 static_cast<qsizetype>(texture->rowBytes()), QImage::Format_ARGB32_Premultiplied,
                 &releaseOutputTexture, holder);
    if (image.isNull()) delete holder;
    return image;
}

// A read-back in flight: the rows arrive in buffer at the padded pitch.
struct TileReadback {
    PixelRegion region;
    std::shared_ptr<GpuBuffer> buffer;
    std::int64_t compactRowBytes = 0;
    std::int64_t paddedRowBytes = 0;
};

}  // namespace

Result<std::unique_ptr<MetalDeformationRenderer>, MetalDeformationFailure> MetalDeformationRenderer::create(
    std::shared_ptr<GpuDevice> device, const QImage& canvasImage, GpuPixelFormat colorPixelFormat) {
    std::unique_ptr<MetalDeformationRenderer> renderer(new MetalDeformationRenderer());
    if (!device) return failure(RenderFailure::Case::noDevice);
    renderer->device_ = device;
    renderer->width_ = canvasImage.width();
    renderer->height_ = canvasImage.height();

    renderer->commandQueue_ = device->makeCommandQueue();
    if (!renderer->commandQueue_) return failure(RenderFailure::Case::noDevice);

    const auto [pixels, opaque] = canvasPixels(canvasImage);
    if (pixels.isNull()) return failure(RenderFailure::Case::textureCreation);
    renderer->sourceTexture_ = device->makeTexture(
        {GpuPixelFormat::rgba8UnormSrgb, renderer->width_, renderer->height_, GpuTextureUsage::shaderRead});
    if (!renderer->sourceTexture_) return failure(RenderFailure::Case::textureCreation);
    renderer->sourceTexture_->replaceRegion({{0, 0}, {renderer->width_, renderer->height_}}, pixels.constBits(),
                                            pixels.bytesPerLine());
    renderer->drawsOpaqueFrames_ = opaque;

    renderer->displacementTexture_ =
        device->makeTexture({GpuPixelFormat::rg32Float, renderer->width_, renderer->height_,
                             GpuTextureUsage::shaderRead | GpuTextureUsage::shaderWrite});
    if (!renderer->displacementTexture_) return failure(RenderFailure::Case::textureCreation);
    renderer->occupancyBuffer_ = device->makeBuffer(
        static_cast<std::size_t>(occupancyColumns(renderer->width_) * occupancyRows(renderer->height_)));
    if (!renderer->occupancyBuffer_) return failure(RenderFailure::Case::textureCreation);

    const std::optional<GpuFunctionLibrary> library = device->makeDefaultLibrary();
    if (!library) return RenderFailure::shaderFunction(std::string(kDefaultLibraryName));

    auto clear = makeComputePipeline(*device, *library, kClearDisplacementFunctionName);
    if (!clear) return clear.error();
    renderer->clearPipeline_ = clear.value();
    auto compose = makeComputePipeline(*device, *library, kComposeDisplacementFunctionName);
    if (!compose) return compose.error();
    renderer->compositionPipeline_ = compose.value();

    auto image =
        makeRenderPipeline(*device, *library, kImageVertexFunctionName, kImageFragmentFunctionName, colorPixelFormat);
    if (!image) return image.error();
    renderer->imagePipeline_ = image.value();
    auto background = makeRenderPipeline(*device, *library, kBackgroundVertexFunctionName,
                                         kBackgroundFragmentFunctionName, colorPixelFormat);
    if (!background) return background.error();
    renderer->backgroundPipeline_ = background.value();
    renderer->outputImagePipeline_ = renderer->imagePipeline_;
    if (colorPixelFormat != GpuPixelFormat::bgra8UnormSrgb) {
        auto output = makeRenderPipeline(*device, *library, kImageVertexFunctionName, kImageFragmentFunctionName,
                                         GpuPixelFormat::bgra8UnormSrgb);
        if (!output) return output.error();
        renderer->outputImagePipeline_ = output.value();
    }

    auto cleared = renderer->clearDisplacement();
    if (!cleared) return cleared.error();
    return renderer;
}

Result<void, MetalDeformationFailure> MetalDeformationRenderer::ensureScratchTexture(std::int64_t width,
                                                                                     std::int64_t height) {
    if (scratchTexture_ && scratchTexture_->width() >= width && scratchTexture_->height() >= height) return {};
    const std::int64_t newWidth = scratchTexture_ ? std::max(scratchTexture_->width(), width) : width;
    const std::int64_t newHeight = scratchTexture_ ? std::max(scratchTexture_->height(), height) : height;
    std::shared_ptr<GpuTexture> texture = device_->makeTexture(
        {GpuPixelFormat::rg32Float, newWidth, newHeight, GpuTextureUsage::shaderRead | GpuTextureUsage::shaderWrite});
    if (!texture) return failure(RenderFailure::Case::textureCreation);
    scratchTexture_ = std::move(texture);
    return {};
}

std::optional<GpuSize> MetalDeformationRenderer::scratchTextureSize() const {
    if (!scratchTexture_) return std::nullopt;
    return GpuSize{scratchTexture_->width(), scratchTexture_->height()};
}

void MetalDeformationRenderer::markOccupancy(GpuBlitEncoder& blit, const PixelRegion& region,
                                             std::uint8_t value) const {
    const std::int64_t columns = occupancyColumns(width_);
    const std::int64_t firstColumn = region.x / kOccupancyTileSize;
    const std::int64_t lastColumn = (region.x + region.width - 1) / kOccupancyTileSize;
    for (std::int64_t row = region.y / kOccupancyTileSize; row <= (region.y + region.height - 1) / kOccupancyTileSize;
         ++row) {
        blit.fill(occupancyBuffer_, static_cast<std::size_t>(row * columns + firstColumn),
                  static_cast<std::size_t>(lastColumn - firstColumn + 1), value);
    }
}

void MetalDeformationRenderer::markUploadOccupancy(GpuBlitEncoder& blit, const DeformationTileUpload& tile) const {
    const PixelRegion& region = tile.region;
    const std::int64_t rowBytes = region.width * kDeformationTexelBytes;
    for (std::int64_t row = region.y / kOccupancyTileSize; row <= (region.y + region.height - 1) / kOccupancyTileSize;
         ++row) {
        for (std::int64_t column = region.x / kOccupancyTileSize;
             column <= (region.x + region.width - 1) / kOccupancyTileSize; ++column) {
            const PixelRegion occupancyTile{column * kOccupancyTileSize, row * kOccupancyTileSize,
                                            std::min(kOccupancyTileSize, width_ - column * kOccupancyTileSize),
                                            std::min(kOccupancyTileSize, height_ - row * kOccupancyTileSize)};
            // Only a tile the upload covers completely can be known to end up zero.
            const bool covered = region.x <= occupancyTile.x && region.y <= occupancyTile.y &&
                                 region.x + region.width >= occupancyTile.x + occupancyTile.width &&
                                 region.y + region.height >= occupancyTile.y + occupancyTile.height;
            bool zero = covered;
            if (zero && tile.bytes) {
                const std::int64_t offsetX = (occupancyTile.x - region.x) * kDeformationTexelBytes;
                const std::int64_t spanBytes = occupancyTile.width * kDeformationTexelBytes;
                for (std::int64_t y = occupancyTile.y; zero && y < occupancyTile.y + occupancyTile.height; ++y) {
                    const std::uint8_t* bytes = tile.bytes->data() + (y - region.y) * rowBytes + offsetX;
                    zero = std::all_of(bytes, bytes + spanBytes, [](std::uint8_t b) { return b == 0; });
                }
            }
            blit.fill(occupancyBuffer_, static_cast<std::size_t>(row * occupancyColumns(width_) + column), 1,
                      zero ? kOccupancyZero : kOccupancyMaybeNonZero);
        }
    }
}

Result<void, MetalDeformationFailure> MetalDeformationRenderer::apply(const std::vector<BrushStamp>& stamps) {
    if (stamps.empty()) return {};
    measureFinishedWork();
    std::shared_ptr<GpuCommandBuffer> commands = commandQueue_->makeCommandBuffer();
    if (!commands) return failure(RenderFailure::Case::commandEncoding);
    const PackedFloat2 canvasSize{static_cast<float>(width_), static_cast<float>(height_)};
    const GpuSize groupShape = threadsPerThreadgroup(*compositionPipeline_);

    std::int64_t work = 0;
    for (const BrushStamp& stamp : stamps) {
        const PixelRegion region = stamp.affectedRegion(width_, height_);
        if (!region.hasPixels()) continue;
        work += FrameCostEstimate::stampWork(region);
        auto scratch = ensureScratchTexture(region.width, region.height);
        if (!scratch) return scratch.error();
        if (!scratchTexture_) return failure(RenderFailure::Case::commandEncoding);

        CompositionUniforms uniforms;
        uniforms.center = {stamp.center.x, stamp.center.y};
        uniforms.movement = {stamp.movement.x, stamp.movement.y};
        uniforms.canvasSize = canvasSize;
        uniforms.regionOrigin = {static_cast<std::uint32_t>(region.x), static_cast<std::uint32_t>(region.y)};
        uniforms.radius = stamp.radius;
        uniforms.intensity = stamp.intensity;
        uniforms.tool = rawValue(stamp.tool);

        std::optional<GpuComputeEncoder> compute = commands->makeComputeEncoder();
        if (!compute) return failure(RenderFailure::Case::commandEncoding);
        compute->setComputePipeline(compositionPipeline_);
        compute->setTexture(displacementTexture_, kComposeFieldTextureIndex);
        compute->setTexture(scratchTexture_, kComposeScratchTextureIndex);
        compute->setBytes(&uniforms, sizeof uniforms, kComposeUniformsBufferIndex);
        compute->dispatchThreads({region.width, region.height}, groupShape);
        compute->endEncoding();

        std::optional<GpuBlitEncoder> blit = commands->makeBlitEncoder();
        if (!blit) return failure(RenderFailure::Case::commandEncoding);
        blit->copy(scratchTexture_, {{0, 0}, {region.width, region.height}}, displacementTexture_,
                   {region.x, region.y});
        // Reconstruct never turns a zero tile non-zero.
        if (stamp.tool != DeformationTool::reconstruct) markOccupancy(*blit, region, kOccupancyMaybeNonZero);
        blit->endEncoding();
    }
    commands->commit();
    rememberCommittedWork(std::move(commands), work);
    for (const BrushStamp& stamp : stamps) drawnFrames_.fieldChanged(stamp.affectedRegion(width_, height_));
    return {};
}

void MetalDeformationRenderer::rememberCommittedWork(std::shared_ptr<GpuCommandBuffer> commands,
                                                     std::int64_t stampWork) {
    // Work that never finishes (a queue gone) is forgotten rather than kept forever.
    if (committedWork_.size() >= 2 * FrameCostEstimate::kRememberedFrames) committedWork_.erase(committedWork_.begin());
    committedWork_.push_back({std::move(commands), stampWork});
}

void MetalDeformationRenderer::measureFinishedWork() {
    std::erase_if(committedWork_, [this](const CommittedWork& work) {
        const GpuCommandBufferStatus status = work.commands->status();
        if (status == GpuCommandBufferStatus::committed) return false;
        if (status == GpuCommandBufferStatus::completed) {
            if (work.stampWork > 0) {
                frameCost_.recordComposition(work.stampWork, work.commands->executionSeconds());
            } else {
                frameCost_.recordDraw(work.commands->executionSeconds());
            }
        }
        return true;
    });
}

std::optional<std::int64_t> MetalDeformationRenderer::compositionWorkWithin(double frameSeconds) {
    measureFinishedWork();
    return frameCost_.compositionWorkWithin(frameSeconds);
}

Result<void, MetalDeformationFailure> MetalDeformationRenderer::clearDisplacement() {
    std::shared_ptr<GpuCommandBuffer> commands = commandQueue_->makeCommandBuffer();
    if (!commands) return failure(RenderFailure::Case::commandEncoding);
    std::optional<GpuComputeEncoder> compute = commands->makeComputeEncoder();
    if (!compute) return failure(RenderFailure::Case::commandEncoding);
    compute->setComputePipeline(clearPipeline_);
    compute->setTexture(displacementTexture_, kClearFieldTextureIndex);
    compute->dispatchThreads({width_, height_}, threadsPerThreadgroup(*clearPipeline_));
    compute->endEncoding();
    std::optional<GpuBlitEncoder> blit = commands->makeBlitEncoder();
    if (!blit) return failure(RenderFailure::Case::commandEncoding);
    blit->fill(occupancyBuffer_, 0, occupancyBuffer_->length(), kOccupancyZero);
    blit->endEncoding();
    commands->commit();
    drawnFrames_.fieldChangedEverywhere();
    return {};
}

void MetalDeformationRenderer::draw(GpuView& view, const std::vector<MetalRenderPane>& panes, double backingScale) {
    std::shared_ptr<GpuDrawable> drawable = view.nextDrawable();
    // Pipelines draw only into the format they were made for.
    if (!drawable || drawable->texture()->pixelFormat() != imagePipeline_->colorPixelFormat()) return;
    std::shared_ptr<GpuCommandBuffer> commands = commandQueue_->makeCommandBuffer();
    if (!commands) return;

    const std::int64_t drawableWidth = drawable->texture()->width();
    const std::int64_t drawableHeight = drawable->texture()->height();
    const DrawableFrame frame = drawableFrame(drawableWidth, drawableHeight, view.boundsWidth(), view.boundsHeight());

    GpuRenderPassDescriptor pass = view.renderPassDescriptor(*drawable);
    frameLayout_.drawableWidth = drawableWidth;
    frameLayout_.drawableHeight = drawableHeight;
    frameLayout_.boundsWidth = view.boundsWidth();
    frameLayout_.boundsHeight = view.boundsHeight();
    frameLayout_.backingScale = backingScale;
    frameLayout_.loadAction = pass.loadAction;
    frameLayout_.clearColor = pass.clearColor;
    frameLayout_.panes = panes;
    const DrawnFrameHistory::Start start = drawnFrames_.startFrame(*drawable->texture(), frameLayout_);
    pass.contentsTag = start.contentsTag;
    if (start.reuse) {
        pass.partialRedraw = GpuPartialRedraw{start.reuse->expectedContents,
                                              imageDamage(start.reuse->changedField, panes, frame, width_, height_)};
    }
    std::optional<GpuRenderEncoder> encoder = commands->makeRenderEncoder(pass);
    if (!encoder) return;

    encoder->setRenderPipeline(backgroundPipeline_);
    encodeBackgrounds(*encoder, panes, frame, backingScale);

    encoder->setRenderPipeline(imagePipeline_);
    encoder->setFragmentTexture(sourceTexture_, kImageSourceTextureIndex);
    encoder->setFragmentTexture(displacementTexture_, kImageDisplacementTextureIndex);
    encoder->setFragmentBuffer(occupancyBuffer_, kImageOccupancyBufferIndex);
    for (const MetalRenderPane& pane : panes) {
        const std::optional<GpuScissorRect> scissor = frame.scissorRect(pane.clipRect);
        if (!scissor) continue;
        encoder->setScissorRect(*scissor);
        const ImageUniforms uniforms = imageUniforms(frame.imageRect(pane.imageRect), drawableWidth, drawableHeight,
                                                     width_, height_, pane.displacementScale);
        encoder->setVertexBytes(&uniforms, sizeof uniforms, kImageVertexUniformsBufferIndex);
        encoder->setFragmentBytes(&uniforms, sizeof uniforms, kImageUniformsBufferIndex);
        encoder->drawTriangles(0, kImageVertexCount);
    }
    encoder->endEncoding();
    commands->present(std::move(drawable));
    commands->commit();
    measureFinishedWork();
    rememberCommittedWork(commands, 0);
    lastFrameCommands_ = std::move(commands);
}

std::optional<QRect> MetalDeformationRenderer::changedPixels(std::uint64_t older, std::uint64_t newer) const {
    const std::optional<PixelRegion> changedField = drawnFrames_.fieldChangedBetween(older, newer);
    const DrawnFrameLayout* layout = drawnFrames_.layoutOf(newer);
    if (!changedField || layout == nullptr) return std::nullopt;
    const DrawableFrame frame =
        drawableFrame(layout->drawableWidth, layout->drawableHeight, layout->boundsWidth, layout->boundsHeight);
    const GpuScissorRect damage = imageDamage(*changedField, layout->panes, frame, width_, height_)
                                      .intersected({0, 0, frame.width, frame.height});
    if (damage.isEmpty()) return QRect();
    return QRect(static_cast<int>(damage.x), static_cast<int>(damage.y), static_cast<int>(damage.width),
                 static_cast<int>(damage.height));
}

bool MetalDeformationRenderer::isDrawingFrame() const {
    return lastFrameCommands_ && lastFrameCommands_->status() == GpuCommandBufferStatus::committed;
}

void MetalDeformationRenderer::makeOutputImage(float displacementScale, std::int64_t outputWidth,
                                               std::int64_t outputHeight, OutputImageCompletion completion) {
    VLT_PRECONDITION(isMainThread(), "output images are requested on the GUI thread");
    auto reportLater = [&completion](RenderFailure failure) {
        postToMainThread([completion = std::move(completion), failure] { completion(failure); });
    };
    const float scale = clampedScale(displacementScale);
    if (outputWidth < 1 || outputHeight < 1) return reportLater(failure(RenderFailure::Case::textureCreation));

    std::shared_ptr<GpuTexture> target = device_->makeTexture(
        {GpuPixelFormat::bgra8UnormSrgb, outputWidth, outputHeight, GpuTextureUsage::renderTarget});
    if (!target) return reportLater(failure(RenderFailure::Case::textureCreation));
    std::shared_ptr<GpuCommandBuffer> commands = commandQueue_->makeCommandBuffer();
    if (!commands) return reportLater(failure(RenderFailure::Case::textureCreation));

    // A new texture starts zero-filled, which is the clear colour, and the image covers
    // all of it: nothing to clear first.
    std::optional<GpuRenderEncoder> encoder =
        commands->makeRenderEncoder({target, GpuLoadAction::load, GpuClearColor{}});
    if (!encoder) return reportLater(failure(RenderFailure::Case::commandEncoding));
    const ImageUniforms uniforms =
        imageUniforms(QRectF(0.0, 0.0, static_cast<double>(outputWidth), static_cast<double>(outputHeight)),
                      outputWidth, outputHeight, width_, height_, scale);
    encoder->setRenderPipeline(outputImagePipeline_);
    encoder->setFragmentTexture(sourceTexture_, kImageSourceTextureIndex);
    encoder->setFragmentTexture(displacementTexture_, kImageDisplacementTextureIndex);
    encoder->setFragmentBuffer(occupancyBuffer_, kImageOccupancyBufferIndex);
    encoder->setVertexBytes(&uniforms, sizeof uniforms, kImageVertexUniformsBufferIndex);
    encoder->setFragmentBytes(&uniforms, sizeof uniforms, kImageUniformsBufferIndex);
    encoder->drawTriangles(0, kImageVertexCount);
    encoder->endEncoding();

    commands->addCompletedHandler([target, completion = std::move(completion)](const GpuCommandBuffer& finished) {
        VLT_PRECONDITION(isMainThread(), "GPU results arrive on the GUI thread");
        if (finished.status() != GpuCommandBufferStatus::completed) {
            completion(failure(RenderFailure::Case::commandExecution));
            return;
        }
        QImage image = outputImageOfTexture(target);
        if (image.isNull()) {
            completion(failure(RenderFailure::Case::commandExecution));
            return;
        }
        image.setColorSpace(QColorSpace(QColorSpace::SRgb));
        completion(std::move(image));
    });
    commands->commit();
}

Result<void, MetalDeformationFailure> MetalDeformationRenderer::readTiles(std::vector<PixelRegion> regions,
                                                                          TileReadbackCompletion completion) {
    VLT_PRECONDITION(isMainThread(), "tiles are read on the GUI thread");
    if (regions.empty()) {
        completion(std::vector<DeformationTileSnapshot>{});
        return {};
    }
    std::shared_ptr<GpuCommandBuffer> commands = commandQueue_->makeCommandBuffer();
    if (!commands) return failure(RenderFailure::Case::commandEncoding);
    std::optional<GpuBlitEncoder> blit = commands->makeBlitEncoder();
    if (!blit) return failure(RenderFailure::Case::commandEncoding);

    std::vector<TileReadback> readbacks;
    readbacks.reserve(regions.size());
    for (const PixelRegion& region : regions) {
        VLT_PRECONDITION(regionInside(region, width_, height_), "read-back regions lie inside the canvas");
        TileReadback readback;
        readback.region = region;
        readback.compactRowBytes = region.width * kDeformationTexelBytes;
        readback.paddedRowBytes = transferRowPitch(readback.compactRowBytes);
        readback.buffer = device_->makeBuffer(static_cast<std::size_t>(readback.paddedRowBytes * region.height));
        if (!readback.buffer) return failure(RenderFailure::Case::textureCreation);
        blit->copy(displacementTexture_, gpuRegion(region), readback.buffer, 0,
                   static_cast<std::size_t>(readback.paddedRowBytes));
        readbacks.push_back(std::move(readback));
    }
    blit->endEncoding();

    commands->addCompletedHandler(
        [readbacks = std::move(readbacks), completion = std::move(completion)](const GpuCommandBuffer& finished) {
            VLT_PRECONDITION(isMainThread(), "GPU results arrive on the GUI thread");
            // Buffers of copies that never ran hold zeros, which would pass for an
            // unedited field and be committed as such.
            if (finished.status() != GpuCommandBufferStatus::completed) {
                completion(failure(RenderFailure::Case::commandExecution));
                return;
            }
            std::vector<DeformationTileSnapshot> snapshots;
            snapshots.reserve(readbacks.size());
            for (const TileReadback& readback : readbacks) {
                DeformationTileSnapshot snapshot;
                snapshot.region = readback.region;
                const std::uint8_t* rows = readback.buffer->contents();
                if (readback.paddedRowBytes == readback.compactRowBytes) {
                    snapshot.bytes.assign(rows, rows + readback.compactRowBytes * readback.region.height);
                } else {
                    snapshot.bytes.reserve(static_cast<std::size_t>(readback.compactRowBytes * readback.region.height));
                    for (std::int64_t row = 0; row < readback.region.height; ++row) {
                        const std::uint8_t* start = rows + row * readback.paddedRowBytes;
                        snapshot.bytes.insert(snapshot.bytes.end(), start, start + readback.compactRowBytes);
                    }
                }
                snapshots.push_back(std::move(snapshot));
            }
            completion(std::move(snapshots));
        });
    commands->commit();
    return {};
}

Result<void, MetalDeformationFailure> MetalDeformationRenderer::upload(std::vector<DeformationTileUpload> tiles,
                                                                       TileUploadCompletion completion) {
    VLT_PRECONDITION(isMainThread(), "tiles are uploaded on the GUI thread");
    if (tiles.empty()) {
        completion(Result<void, MetalDeformationFailure>());
        return {};
    }
    std::shared_ptr<GpuCommandBuffer> commands = commandQueue_->makeCommandBuffer();
    if (!commands) return failure(RenderFailure::Case::commandEncoding);
    std::optional<GpuBlitEncoder> blit = commands->makeBlitEncoder();
    if (!blit) return failure(RenderFailure::Case::commandEncoding);

    for (const DeformationTileUpload& tile : tiles) {
        const PixelRegion& region = tile.region;
        VLT_PRECONDITION(regionInside(region, width_, height_), "uploaded regions lie inside the canvas");
        const std::int64_t compactRowBytes = region.width * kDeformationTexelBytes;
        VLT_PRECONDITION(
            !tile.bytes || static_cast<std::int64_t>(tile.bytes->size()) == compactRowBytes * region.height,
            "uploaded bytes hold exactly the region");
        const std::int64_t paddedRowBytes = transferRowPitch(compactRowBytes);
        std::shared_ptr<GpuBuffer> buffer =
            device_->makeBuffer(static_cast<std::size_t>(paddedRowBytes * region.height));
        if (!buffer) return failure(RenderFailure::Case::textureCreation);
        if (tile.bytes) {
            for (std::int64_t row = 0; row < region.height; ++row) {
                std::memcpy(buffer->contents() + row * paddedRowBytes, tile.bytes->data() + row * compactRowBytes,
                            static_cast<std::size_t>(compactRowBytes));
            }
        }
        blit->copy(buffer, 0, static_cast<std::size_t>(paddedRowBytes), displacementTexture_, gpuRegion(region));
        markUploadOccupancy(*blit, tile);
    }
    blit->endEncoding();

    commands->addCompletedHandler([completion = std::move(completion)](const GpuCommandBuffer& finished) {
        VLT_PRECONDITION(isMainThread(), "GPU results arrive on the GUI thread");
        if (finished.status() != GpuCommandBufferStatus::completed) {
            completion(failure(RenderFailure::Case::commandExecution));
            return;
        }
        completion(Result<void, MetalDeformationFailure>());
    });
    commands->commit();
    for (const DeformationTileUpload& tile : tiles) drawnFrames_.fieldChanged(tile.region);
    return {};
}

void MetalDeformationRenderer::waitUntilScheduledWorkCompleted() { commandQueue_->waitUntilIdle(); }

}  // namespace vlt

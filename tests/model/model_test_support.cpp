#include "model/model_test_support.h"
#include "model/app_model_test_access.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QUuid>

#include <QDir>
#include <QWidget>

#include "editing/preparation/editing_canvas.h"
#include "base/cancellation_error.h"
#include "editing/renderer/default_gpu_device.h"
#include "editing/renderer/metal_deformation_renderer.h"
#include "output/video/animation_video_frame_writer.h"
#include "base/system_error.h"
#include "import/crop_document.h"
#include "output/still/folder_bookmark.h"

namespace vlt::testing {

Result<ApplicationSettings> FakeSettingsStore::load() {
    if (loadFailure) return loadFailure;
    return stored.value_or(ApplicationSettings::defaults());
}

VoidResult FakeSettingsStore::save(const ApplicationSettings& settings) {
    if (saveFailure) return saveFailure;
    writes.push_back(settings);
    stored = settings;
    return {};
}

void FakeLanguageStore::save(AppLanguage language) {
    stored = QStringList{QString::fromLatin1(appLanguageRawValue(language))};
}

Result<QString> FakeIdentityStore::loadOrCreate() {
    if (failure) return failure;
    return identity;
}

void ModelFixture::rebuild(AppLanguage activeLanguage, PrepareEditingCanvas prepare) {
    model.reset();
    model = std::make_unique<AppModel>(settingsStore, languageStore, activeLanguage, fakeFeedbackClient, identityStore,
                                       std::move(prepare), scheduler);
    model->uptimeClock = &clock;
}

std::shared_ptr<EditorSession> ModelFixture::openEditor(std::shared_ptr<CropDocument> document, ImageSize size) {
    EditingCanvasDescriptor descriptor;
    descriptor.canvasSize = size;
    auto session = std::make_shared<EditorSession>(std::move(document), makeCanvas(descriptor),
                                                   QStringLiteral("Original"), QStringLiteral("Simulation"), scheduler);
    AppModelTestAccess::setEditorSession(*model, session);
    return session;
}

void ModelFixture::makeUnsavedChange() {
    const auto& session = model->editorState().editorSession;
    session->setCanReset(true);
    session->setHistoryStateRevision(session->historyStateRevision() + 1);
}

void ModelFixture::changeSettings(const std::function<void(ApplicationSettings&)>& edit) {
    ApplicationSettings settings = model->settingsState().settings;
    edit(settings);
    model->updateSettings(settings.normalized());
}

BackgroundRunner ManualBackgroundRunner::runner() {
    return [this](std::function<void()> work) { jobs_.push_back(std::move(work)); };
}

void ManualBackgroundRunner::runNext() {
    std::function<void()> job = std::move(jobs_.front());
    jobs_.erase(jobs_.begin());
    job();
    QCoreApplication::sendPostedEvents();
}

void ManualBackgroundRunner::runAll() {
    while (!jobs_.empty()) runNext();
}

std::unique_ptr<AppModel> makeEventLoopModel() {
    return std::make_unique<AppModel>(std::make_shared<FakeSettingsStore>(), std::make_shared<FakeLanguageStore>(),
                                      AppLanguage::english, nullptr, nullptr, PrepareEditingCanvas(),
                                      QtScheduler::shared());
}

SharedEditingCanvas makeCanvas(const EditingCanvasDescriptor& descriptor) {
    QImage image(static_cast<int>(descriptor.canvasSize.width), static_cast<int>(descriptor.canvasSize.height),
                 QImage::Format_RGBA8888_Premultiplied);
    image.fill(Qt::gray);
    return std::make_shared<const EditingCanvas>(QUuid::createUuid(), descriptor, image);
}

ImportedImage makeImportedImage(const QUrl& url, int width, int height, const QImage& preview) {
    ImportedImage image;
    image.fileName = QFileInfo(url.toLocalFile()).fileName();
    image.encodedSize = {width, height};
    image.exifOrientedSize = {width, height};
    image.previewImage = preview;
    if (preview.isNull()) {
        image.previewImage = QImage(width, height, QImage::Format_RGBA8888_Premultiplied);
        image.previewImage.fill(Qt::gray);
    }
    image.previewSize = {image.previewImage.width(), image.previewImage.height()};
    return image;
}

std::shared_ptr<CropDocument> makeCropDocument() {
    return std::make_shared<CropDocument>(
        makeImportedImage(QUrl::fromLocalFile(QStringLiteral("/photos/portrait.jpg"))));
}

QImage makeQuadrantImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGBA8888_Premultiplied);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, Qt::red);
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, Qt::green);
    painter.fillRect(0, height / 2, width / 2, height - height / 2, Qt::blue);
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, Qt::yellow);
    return image;
}

QUrl writeJpeg(const QString& path, int width, int height) {
    makeQuadrantImage(width, height).save(path, "JPEG", 90);
    return QUrl::fromLocalFile(path);
}

void rememberStillImageFolder(AppModel& model, const QString& path) {
    QDir().mkpath(path);
    const StillImageSaveLocation location{path, FolderBookmark::create(path).value(), QString()};
    AppModelTestAccess::changeSettingsState(model, [&](SettingsState& changed) {
        changed.settings = changed.settings.recordingStillImageSaveLocation(location);
    });
}

HeldVideoSave::HeldVideoSave(AppModel& model, EditorSession& session, QString destination)
    : model(model), destination(std::move(destination)) {
    model.runInBackground = [](std::function<void()> work) { work(); };
    model.onAnimationVideoSavePanelRequested = [this](const QString& name, auto finishPanel) {
        proposedNames << name;
        finishPanel(this->destination);
    };
    session.prepareCommittedEditorState = [](EditorStatePreparationIntent, std::function<void(bool)> completion) {
        completion(true);
    };
    session.writeAnimationVideo = [this](const QString&, std::stop_token token, EditorSession::VideoProgress report,
                                         EditorSession::AnimationVideoCompletion completion) {
        stop = std::move(token);
        progress = std::move(report);
        pendingFrames = std::move(completion);
    };
}

void HeldVideoSave::start() {
    model.requestAnimationVideoSave();
    processEventsUntil([this] { return pendingFrames != nullptr; });
}

void HeldVideoSave::finish(Result<AnimationVideoDescriptor> result) {
    if (auto frames = std::exchange(pendingFrames, {})) frames(std::move(result));
    processEventsUntil([this] { return !model.animationVideoSaveState().isSaving; });
}

void HeldVideoSave::finish() { finish(makeCancellationError()); }

void installMorphVideoCommand(EditorSession& session) {
    constexpr int kWidth = 48;
    constexpr int kHeight = 32;
    QImage image(kWidth, kHeight, QImage::Format_RGBA8888_Premultiplied);
    for (int pixel = 0; pixel < kWidth * kHeight; ++pixel) {
        image.setPixelColor(pixel % kWidth, pixel / kWidth, QColor(5 * (pixel % kWidth), 7 * (pixel / kWidth), 120));
    }
    std::shared_ptr<MetalDeformationRenderer> renderer =
        MetalDeformationRenderer::create(defaultGpuDevice(), image, GpuPixelFormat::bgra8UnormSrgb).value();
    static_cast<void>(renderer->apply({BrushStamp{DeformationTool::push, {24, 16}, {8, 0}, 12, 1.0f}}));
    session.prepareCommittedEditorState = [](EditorStatePreparationIntent, std::function<void(bool)> completion) {
        completion(true);
    };
    session.writeAnimationVideo = [renderer](const QString& path, std::stop_token stop,
                                             EditorSession::VideoProgress progress,
                                             EditorSession::AnimationVideoCompletion completion) {
        writeAnimationVideoFrames(path, renderer, kWidth, kHeight, {}, std::move(stop), std::move(progress),
                                  std::move(completion));
    };
}

void RecordingFileManager::showItems(const QStringList& paths, std::function<void(bool)> completion) {
    requests.push_back(paths);
    QTimer::singleShot(0, [completion = std::move(completion), shown = answer] { completion(shown); });
}

bool processEventsUntil(const std::function<bool()>& done) {
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer tick;
    tick.start(10);
    while (!done() && elapsed.elapsed() < 60000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

::testing::AssertionResult colorNear(const QColor& actual, const QColor& expected, int tolerance) {
    const QColor a = actual.toRgb();
    const QColor e = expected.toRgb();
    const bool near = std::abs(a.red() - e.red()) <= tolerance && std::abs(a.green() - e.green()) <= tolerance &&
                      std::abs(a.blue() - e.blue()) <= tolerance && std::abs(a.alpha() - e.alpha()) <= tolerance;
    if (near) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << a.name(QColor::HexArgb).toStdString() << " is not near "
                                         << e.name(QColor::HexArgb).toStdString();
}

QImage render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

ErrorPtr makeTestError(int code) { return makeSystemError(code, "write", "/tmp/settings.json"); }

}  // namespace vlt::testing

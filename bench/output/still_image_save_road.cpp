#include <vips/vips.h>

#include "still_image_save_road.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>

#include <sys/resource.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "app/app_content_view.h"
#include "canvas/annotation_text_editor_sheet.h"
#include "canvas/editor_canvas_view.h"
#include "editing/session/editor_session.h"
#include "foundation/json_application_settings_store.h"
#include "foundation/settings_file_app_language_preference_store.h"
#include "model/app_model.h"
#include "model/still_image_save_view_model.h"
#include "output/still/still_image_composer.h"
#include "output/still/still_image_save_job.h"
#include "screens/editor/editor_mode_button.h"
#include "screens/editor/editor_tool_button.h"
#include "screens/editor/editor_tool_rail.h"
#include "screens/editor/editor_view.h"
#include "ui/motion_preference.h"

namespace vlt {

namespace {

constexpr int kPhotographWidth = 6000;
constexpr int kPhotographHeight = 4000;
constexpr int kPatienceMilliseconds = 60000;
using SteadyClock = std::chrono::steady_clock;

// This process's processor time so far, all threads, in milliseconds.
double processorMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto milliseconds = [](const timeval& time) {
        return double(time.tv_sec) * 1e3 + double(time.tv_usec) / 1e3;
    };
    return milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
}

// Times from its making to timing().
class RoadStopwatch {
public:
    RoadTiming timing() const {
        return {std::chrono::duration<double, std::milli>(SteadyClock::now() - start_).count(),
                processorMilliseconds() - processorStart_};
    }

private:
    SteadyClock::time_point start_ = SteadyClock::now();
    double processorStart_ = processorMilliseconds();
};

// Runs the event loop until the condition holds; aborts the run when it never does.
void waitFor(const std::function<bool()>& condition, const char* step) {
    if (!QTest::qWaitFor(condition, kPatienceMilliseconds)) {
        std::fprintf(stderr, "the road did not reach its next step (%s)\n", step);
        std::fflush(stderr);
        std::abort();
    }
}

// A smooth gradient with grain: compresses like a photograph, not like flat colour.
// Made once and kept between runs, so that every process opens the same file.
QString photographPath() {
    const QString path = QDir::temp().filePath(
        QStringLiteral("veltrano-still-road-%1x%2.jpg").arg(kPhotographWidth).arg(kPhotographHeight));
    if (QFileInfo::exists(path)) return path;
    QImage image(kPhotographWidth, kPhotographHeight, QImage::Format_RGB888);
    std::mt19937 random(7);
    std::normal_distribution<float> grain(0.0f, 6.0f);
    for (int y = 0; y < kPhotographHeight; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < kPhotographWidth; ++x) {
            const float base[3] = {255.0f * float(x) / kPhotographWidth, 255.0f * float(y) / kPhotographHeight,
                                   200.0f - 127.0f * float(x) / kPhotographWidth};
            for (int channel = 0; channel < 3; ++channel) {
                row[3 * x + channel] = uchar(std::clamp(base[channel] + grain(random), 0.0f, 255.0f));
            }
        }
    }
    const QString partial = path + QStringLiteral(".partial");
    if (!image.save(partial, "JPEG", 92) || !QFile::rename(partial, path)) std::abort();
    return path;
}

// The choices the dialog starts with, as a person who saves all three tabs as JPEG 90
// with labels and contact details left them last time.
ApplicationSettings withSaveChoices(ApplicationSettings settings) {
    settings.preferredStillImageFileFormat = StillImageFileFormat::jpeg;
    settings.preferredStillImageJpegQuality = 90;
    settings.preferredStillImageSaveSelection = StillImageSaveSelection::allThreeTabs;
    settings.automaticallySizeStillImages = true;
    settings.includeLabelsInStillImages = true;
    settings.includeContactInformationInStillImages = true;
    settings.contactName = QStringLiteral("Dr. Ana Example");
    settings.contactEmail = QStringLiteral("ana@example.org");
    settings.contactAddress = QStringLiteral("Main Street 1\n1000 Town");
    return settings;
}

// What the dialog's Save passes on.
StillImageExportOptions dialogOptions(AppModel& model) {
    return StillImageSaveViewModel(model, QDateTime::currentDateTime()).makeExportOptions();
}

void removeFilesIn(const std::filesystem::path& folder) {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
        std::filesystem::remove(entry.path(), ignored);
    }
}

}  // namespace

struct StillImageSaveRoad::Parts {
    QTemporaryDir folder;
    std::unique_ptr<AppModel> model;
    QWidget window;
    AppContentView* root = nullptr;
    std::filesystem::path savedFolder;
    std::filesystem::path bareFolder;
    std::optional<StillImageRenderSnapshot> snapshot;
    std::vector<std::vector<uchar>> bareBytes;
    std::vector<VipsImage*> bareImages;

    EditorView* editor() const { return qobject_cast<EditorView*>(root->baseScreenWidget()); }
    EditorCanvasView* canvas() const {
        return editor() ? qobject_cast<EditorCanvasView*>(editor()->canvas()) : nullptr;
    }
    EditorSession& session() const { return *model->editorState().editorSession; }

    // A mouse event at a pixel of the editing canvas, on the single pane shown.
    void send(QEvent::Type type, QPointF pixel, Qt::MouseButton button, Qt::MouseButtons held) {
        const EditorViewportGeometry geometry = canvas()->viewportGeometry();
        const QRectF image =
            geometry.imageRect(geometry.panelRects().front(), geometry.clampedCenter(canvas()->sessionState().center));
        const ImageSize size = session().canvasSize();
        const QPointF point(image.x() + pixel.x() / double(size.width - 1) * image.width(),
                            image.y() + pixel.y() / double(size.height - 1) * image.height());
        QMouseEvent event(type, point, canvas()->mapToGlobal(point), button, held, Qt::NoModifier);
        QApplication::sendEvent(canvas(), &event);
    }

    void selectTool(EditorTool tool) {
        EditorToolRail* rail = editor()->toolRail();
        rail->modeButton(editorMode(tool))->click();
        rail->toolButton(tool)->click();
        waitFor([&] { return session().activeTool() == tool; }, "the tool chosen");
        QTest::qWait(30);
    }

    // A text annotation typed into the sheet, until the history has recorded it.
    void type(QPointF at, const QString& text) {
        selectTool(EditorTool::text);
        send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        waitFor([&] { return editor()->textEntrySheet() != nullptr; }, "the text sheet");
        auto* sheet = qobject_cast<AnnotationTextEditorSheet*>(editor()->textEntrySheet());
        const std::int64_t before = session().historyStateRevision();
        QTest::keyClicks(sheet->textEditor(), text);
        sheet->saveButton()->click();
        waitFor([&] { return session().historyStateRevision() != before && !session().textEntryRequest(); },
                "the text recorded");
    }

    // A drag with the tool as a hand makes it, until the history has recorded it.
    void drag(EditorTool tool, QPointF from, QPointF to) {
        selectTool(tool);
        const std::int64_t before = session().historyStateRevision();
        constexpr int kSteps = 12;
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        QTest::qWait(16);
        for (int step = 1; step <= kSteps; ++step) {
            send(QEvent::MouseMove, from + (to - from) * (double(step) / kSteps), Qt::NoButton, Qt::LeftButton);
            QTest::qWait(16);
        }
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        waitFor([&] { return session().historyStateRevision() != before; }, "the stroke recorded");
    }
};

StillImageSaveRoad::StillImageSaveRoad() : parts_(std::make_unique<Parts>()) {
    Parts& parts = *parts_;
    if (!parts.folder.isValid()) std::abort();
    MotionPreference::shared().setReduceMotion(true);
    const QString pictures = parts.folder.filePath(QStringLiteral("Pictures"));
    QDir().mkpath(pictures);
    parts.bareFolder = parts.folder.filePath(QStringLiteral("bare")).toStdString();
    std::filesystem::create_directories(parts.bareFolder);

    // 1. The model with settings and language in files of its own, as the application makes it.
    PrepareEditingCanvas prepare = &EditingCanvas::prepare;
    parts.model =
        std::make_unique<AppModel>(std::make_shared<JSONApplicationSettingsStore>(
                                       parts.folder.filePath(QStringLiteral("settings.json")).toStdString()),
                                   std::make_shared<SettingsFileAppLanguagePreferenceStore>(
                                       parts.folder.filePath(QStringLiteral("Veltrano.conf"))),
                                   AppLanguage::english, nullptr, nullptr, std::move(prepare), QtScheduler::shared());
    parts.model->stillImageFolders.picturesFolder = [pictures] { return pictures; };
    parts.model->updateSettings(withSaveChoices(parts.model->settingsState().settings));
    parts.window.resize(1180, 820);
    parts.root = new AppContentView(*parts.model, QtScheduler::shared(), MotionPreference::shared(), &parts.window,
                                    AppContentView::RootTasks::leftToTheShell);
    parts.root->useApplicationScreens();
    parts.root->resize(parts.window.size());
    parts.window.show();

    // 2. The photograph opened and taken to the editor.
    parts.model->importImage(QUrl::fromLocalFile(photographPath()), ImageImportOrigin::openPanel);
    waitFor([&] { return parts.model->importState().document && !parts.model->importState().isImporting; },
            "the photograph opened");
    parts.model->goToEditor();
    waitFor([&] { return parts.canvas() != nullptr && parts.canvas()->renderer() != nullptr; }, "the editor");

    // 3. A reshaped face and a few annotations.
    parts.session().setSelectedTab(EditorTab::simulation);
    QCoreApplication::processEvents();
    const ImageSize size = parts.session().canvasSize();
    const double w = double(size.width);
    const double h = double(size.height);
    parts.drag(EditorTool::push, {0.40 * w, 0.45 * h}, {0.46 * w, 0.47 * h});
    parts.drag(EditorTool::push, {0.60 * w, 0.45 * h}, {0.54 * w, 0.47 * h});
    parts.drag(EditorTool::push, {0.50 * w, 0.30 * h}, {0.52 * w, 0.32 * h});
    parts.drag(EditorTool::push, {0.50 * w, 0.70 * h}, {0.48 * w, 0.72 * h});
    parts.drag(EditorTool::draw, {0.30 * w, 0.60 * h}, {0.45 * w, 0.80 * h});
    parts.drag(EditorTool::circle, {0.55 * w, 0.20 * h}, {0.70 * w, 0.40 * h});
    parts.drag(EditorTool::rectangle, {0.20 * w, 0.20 * h}, {0.30 * w, 0.35 * h});
    parts.type({0.62 * w, 0.75 * h}, QStringLiteral("Softer jaw line"));
}

StillImageSaveRoad::~StillImageSaveRoad() {
    for (VipsImage* image : parts_->bareImages) g_object_unref(image);
}

void StillImageSaveRoad::openDialog(double seconds) {
    Parts& parts = *parts_;
    parts.model->requestSaveImages();
    waitFor([&] { return parts.model->stillImageSaveState().isSaveImagesPresented; }, "the dialog");
    parts.model->useDefaultStillImageSaveLocation();
    if (!parts.model->stillImageSaveState().hasDestination) std::abort();
    QTest::qWait(int(seconds * 1000.0));
}

std::optional<RoadTiming> StillImageSaveRoad::save() {
    Parts& parts = *parts_;
    AppModel& model = *parts.model;
    const StillImageExportOptions options = dialogOptions(model);
    const RoadStopwatch stopwatch;
    model.saveStillImages(QStringLiteral("Bench"), QString(), options);
    while (model.stillImageSaveState().isSaving) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // The card's first paint.
    QCoreApplication::processEvents();
    const RoadTiming elapsed = stopwatch.timing();

    const std::optional<StillImageSaveResult> saved = model.stillImageSaveState().savedImages;
    if (saved) {
        parts.savedFolder = saved->folder;
        model.closeSavedStillImages();
    } else {
        model.closeStillImageSaveError();
    }
    QCoreApplication::processEvents();
    if (!parts.savedFolder.empty()) removeFilesIn(parts.savedFolder);
    if (!saved || saved->fileNames.size() != 3) return std::nullopt;
    return elapsed;
}

RoadTiming StillImageSaveRoad::render() {
    Parts& parts = *parts_;
    std::optional<Result<StillImageRenderSnapshot>> made;
    const RoadStopwatch stopwatch;
    parts.session().makeStillImageSnapshot([&](Result<StillImageRenderSnapshot> snapshot) { made = snapshot; });
    while (!made) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const RoadTiming elapsed = stopwatch.timing();
    if (!made->ok()) std::abort();
    if (!parts.snapshot) parts.snapshot = made->value();
    return elapsed;
}

RoadTiming StillImageSaveRoad::bareEncodes() {
    Parts& parts = *parts_;
    if (parts.bareImages.empty()) {
        if (!parts.snapshot) render();
        const StillImageExportOptions options = dialogOptions(*parts.model);
        for (StillImageKind kind : kAllStillImageKinds) {
            const QImage converted = StillImageComposer::render(kind, *parts.snapshot, options)
                                         .value()
                                         .convertToFormat(QImage::Format_RGB888);
            const std::size_t rowBytes = std::size_t(converted.width()) * 3;
            std::vector<uchar>& bytes = parts.bareBytes.emplace_back(rowBytes * std::size_t(converted.height()));
            for (int y = 0; y < converted.height(); ++y) {
                std::memcpy(bytes.data() + rowBytes * std::size_t(y), converted.constScanLine(y), rowBytes);
            }
            VipsImage* image = vips_image_new_from_memory(bytes.data(), bytes.size(), converted.width(),
                                                          converted.height(), 3, VIPS_FORMAT_UCHAR);
            image->Type = VIPS_INTERPRETATION_sRGB;
            parts.bareImages.push_back(image);
        }
    }
    const RoadStopwatch stopwatch;
    int index = 0;
    for (VipsImage* image : parts.bareImages) {
        const std::string path = (parts.bareFolder / ("bare-" + std::to_string(index++) + ".jpg")).string();
        if (vips_jpegsave(image, path.c_str(), "Q", 90, "strip", TRUE, nullptr) != 0) std::abort();
    }
    const RoadTiming elapsed = stopwatch.timing();
    removeFilesIn(parts.bareFolder);
    return elapsed;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : 0.5 * (values[middle - 1] + values[middle]);
}

}  // namespace vlt

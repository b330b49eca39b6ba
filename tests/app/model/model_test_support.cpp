#include "app/model/model_test_support.h"

#include <QImage>
#include <QUuid>

#include "editing/preparation/editing_canvas.h"
#include "foundation/system_error.h"
#include "import/crop_document.h"

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
    ++loadCount;
    if (failure) return failure;
    return identity;
}

ModelFixture::ModelFixture(AppLanguage activeLanguage) : activeLanguage_(activeLanguage) {
    model = std::make_unique<AppModel>(settingsStore, languageStore, activeLanguage_, nullptr, identityStore,
                                       PrepareEditingCanvas(), scheduler);
}

std::shared_ptr<EditorSession> makeEditorSession(Scheduler& scheduler) {
    EditingCanvasDescriptor descriptor;
    descriptor.canvasSize = ImageSize{64, 48};
    QImage image(64, 48, QImage::Format_RGBA8888_Premultiplied);
    image.fill(Qt::gray);
    auto canvas = std::make_shared<const EditingCanvas>(QUuid::createUuid(), descriptor, image);
    return std::make_shared<EditorSession>(nullptr, canvas, QStringLiteral("Original"),
                                           QStringLiteral("Simulation"), scheduler);
}

std::shared_ptr<CropDocument> makeCropDocument() {
    ImportedImage imported;
    imported.fileName = QStringLiteral("portrait.jpg");
    imported.encodedSize = ImageSize{400, 300};
    imported.exifOrientedSize = ImageSize{400, 300};
    imported.previewSize = ImageSize{400, 300};
    imported.previewImage = QImage(400, 300, QImage::Format_RGBA8888_Premultiplied);
    imported.previewImage.fill(Qt::gray);
    return std::make_shared<CropDocument>(imported);
}

std::shared_ptr<EditorSession> ModelFixture::openEditor() {
    auto session = makeEditorSession(scheduler);
    model->setEditorSession(session);
    return session;
}

void ModelFixture::makeUnsavedChange() {
    const auto& session = model->editorSession();
    session->setCanReset(true);
    session->setHistoryStateRevision(session->historyStateRevision() + 1);
}

ErrorPtr makeTestError(int code) { return makeSystemError(code, "write", "/tmp/settings.json"); }

}  // namespace vlt::testing

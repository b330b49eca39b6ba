#include "translations/translated_road_support.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include "app/app_content_view.h"
#include "editing/preparation/editing_canvas.h"
#include "editing/session/editor_session.h"
#include "foundation/json_application_settings_store.h"
#include "foundation/settings_file_app_language_preference_store.h"
#include "model/app_model.h"
#include "screens/crop/crop_go_to_editor_button.h"
#include "screens/crop/crop_toolbar.h"
#include "screens/crop/crop_view.h"
#include "screens/editor/editor_view.h"
#include "ui/motion_preference.h"

namespace vlt::testing {

AppLanguage languageUnderTest() {
    const QByteArray code = qgetenv("VLT_TEST_INTERFACE_LANGUAGE");
    return appLanguageFromRawValue(code.isEmpty() ? "fr" : code.toStdString()).value_or(AppLanguage::french);
}

QString languageCode() { return QString::fromLatin1(appLanguageRawValue(languageUnderTest()).data()); }

TranslatedRoad::TranslatedRoad(const QByteArray& settingsText, QSize windowSize) {
    MotionPreference::shared().setReduceMotion(true);
    const QString settingsPath = folder_.filePath(QStringLiteral("settings.json"));
    if (!settingsText.isEmpty()) {
        QFile file(settingsPath);
        if (file.open(QIODevice::WriteOnly)) file.write(settingsText);
    }
    model = std::make_unique<AppModel>(
        std::make_shared<JSONApplicationSettingsStore>(settingsPath.toStdString()),
        std::make_shared<SettingsFileAppLanguagePreferenceStore>(folder_.filePath(QStringLiteral("Veltrano.conf"))),
        languageUnderTest(), nullptr, nullptr, &EditingCanvas::prepare, QtScheduler::shared());
    window.resize(windowSize);
    root = new AppContentView(*model, QtScheduler::shared(), MotionPreference::shared(), &window,
                              AppContentView::RootTasks::leftToTheShell);
    root->setCropScreenFactory([](AppModel& owner, const std::shared_ptr<CropDocument>& document,
                                  QWidget* parent) -> QWidget* { return new CropView(owner, document, parent); });
    root->setEditorScreenFactory(
        [](AppModel& owner, const std::shared_ptr<EditorSession>& session, QWidget* parent) -> QWidget* {
            return new EditorView(owner, session, EditorViewServices::standard(), parent);
        });
    root->resize(window.size());
    window.show();
}

TranslatedRoad::~TranslatedRoad() { MotionPreference::shared().setReduceMotion(false); }

EditorSession& TranslatedRoad::session() { return *model->editorState().editorSession; }

bool TranslatedRoad::open(const QString& name, QSize size) {
    QImage photo(size, QImage::Format_RGB32);
    photo.fill(QColor(150, 110, 90));
    QPainter(&photo).fillRect(size.width() / 3, size.height() / 4, size.width() / 3, size.height() / 2,
                              QColor(220, 190, 170));
    const QString path = folder_.filePath(name);
    photo.save(path, "PNG");
    model->importImage(QUrl::fromLocalFile(path), ImageImportOrigin::openPanel);
    return QTest::qWaitFor([&] { return qobject_cast<CropView*>(root->baseScreenWidget()) != nullptr; }, kPatience);
}

bool TranslatedRoad::goToEditorAndPush() {
    qobject_cast<CropView*>(root->baseScreenWidget())->toolbar()->goToEditorButton()->click();
    if (!QTest::qWaitFor([&] { return qobject_cast<EditorView*>(root->baseScreenWidget()) != nullptr; }, kPatience)) {
        return false;
    }
    QWidget* canvas = qobject_cast<EditorView*>(root->baseScreenWidget())->canvas();
    session().setSelectedTab(EditorTab::simulation);
    QTest::qWait(50);
    const std::int64_t revision = session().historyStateRevision();
    const QPointF from = QRectF(canvas->rect()).center();
    for (int step = 0; step <= 8; ++step) {
        const QEvent::Type type =
            step == 0 ? QEvent::MouseButtonPress : (step == 8 ? QEvent::MouseButtonRelease : QEvent::MouseMove);
        const QPointF at = from + QPointF(8.0 * step, 0);
        QMouseEvent event(type, at, canvas->mapToGlobal(at), Qt::LeftButton, step == 8 ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(canvas, &event);
        QTest::qWait(20);
    }
    return QTest::qWaitFor([&] { return session().historyStateRevision() != revision; }, kPatience);
}

}  // namespace vlt::testing

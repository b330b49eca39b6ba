#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "app/app_content_view.h"
#include "editing/preparation/editing_canvas.h"
#include "editing/session/editor_session.h"
#include "foundation/interface_translations.h"
#include "foundation/json_application_settings_store.h"
#include "foundation/settings_file_app_language_preference_store.h"
#include "model/app_model.h"
#include "screens/crop/crop_go_to_editor_button.h"
#include "screens/crop/crop_toolbar.h"
#include "screens/crop/crop_view.h"
#include "screens/editor/editor_view.h"
#include "screens/editor/editor_text_button.h"
#include "screens/editor/editor_viewport_header.h"
#include "screens/print/print_accessory_view_controller.h"
#include "screens/save_images/still_image_save_modal.h"
#include "screens/save_images/still_image_save_navigation.h"
#include "screens/settings/settings_modal.h"
#include "screens/settings/settings_navigation_rail.h"
#include "ui/interface_font.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

constexpr int kPatience = 20000;

// The language under test comes from the environment (one process per language: texts
// are kept once looked up); French runs longest, Japanese needs its own fonts.
AppLanguage languageUnderTest() {
    const QByteArray code = qgetenv("VLT_TEST_INTERFACE_LANGUAGE");
    return appLanguageFromRawValue(code.isEmpty() ? "fr" : code.toStdString()).value_or(AppLanguage::french);
}

class TranslationEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        translations = std::make_unique<InterfaceTranslations>(languageUnderTest());
        ASSERT_TRUE(translations->isComplete());
        applyInterfaceFont(languageUnderTest());
    }
    void TearDown() override { translations.reset(); }
    std::unique_ptr<InterfaceTranslations> translations;
};
[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new TranslationEnvironment);

QString describe(const QWidget& widget, const QString& text) {
    return QStringLiteral("%1 %2 (%3x%4): \"%5\"")
        .arg(QString::fromLatin1(widget.metaObject()->className()), widget.objectName())
        .arg(widget.width())
        .arg(widget.height())
        .arg(text);
}

// Whether a one-line label clips its text's ink (capital accents and stacked marks rise
// over the font's ascent), the text centred as QLabel draws it.
bool clipsInk(const QLabel& label) {
    if (label.text().contains(u'\n') || Qt::mightBeRichText(label.text())) return false;
    const QFontMetricsF metrics(label.font());
    const QRectF ink = metrics.tightBoundingRect(label.text());
    const double baseline = QRectF(label.contentsRect()).center().y() - metrics.height() / 2 + metrics.ascent();
    return baseline + ink.top() < -0.25 || baseline + ink.bottom() > label.height() + 0.25;
}

// Every visible text that its widget cuts: a label narrower or lower than its text
// needs (at the width it has, when it wraps) or clipping its ink, a button or pop-up
// narrower than the least it needs to show its title, and any of them sticking out of
// the parent that clips it or past the window's sides. One pixel of rounding is allowed.
QStringList cutTexts(const QWidget& root) {
    QStringList cut;
    for (const QWidget* widget : root.findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->size().isEmpty()) continue;
        QString text;
        bool fits = true;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            text = label->text();
            fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height() + 1
                                     : label->sizeHint().width() <= label->width() + 1 &&
                                           label->sizeHint().height() <= label->height() + 1 && !clipsInk(*label);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            text = button->text();
            fits = button->minimumSizeHint().width() <= button->width() + 1;
        } else if (const auto* popup = qobject_cast<const QComboBox*>(widget)) {
            text = popup->currentText();
            fits = popup->minimumSizeHint().width() <= popup->width() + 1;
        } else if (!widget->layout() && widget->hasHeightForWidth()) {
            text = widget->accessibleName();  // a paragraph drawn by its own widget
            fits = widget->heightForWidth(widget->width()) <= widget->height() + 1;
        }
        // A parent clips what sticks out of it; nothing reaches past the window's sides.
        const int left = widget->mapTo(&root, QPoint()).x();
        const bool inside = widget->parentWidget()->rect().contains(widget->geometry()) && left >= 0 &&
                            left + widget->width() <= root.width();
        if (!text.isEmpty() && (!fits || !inside)) cut << describe(*widget, text);
    }
    return cut;
}

// Checks the window as it stands and keeps a picture of it beside the test binary.
void expectNothingCut(QWidget& window, const char* screen) {
    QApplication::processEvents();
    const QString code = QString::fromLatin1(appLanguageRawValue(languageUnderTest()).data());
    window.grab().save(QStringLiteral(VLT_TEST_SCREENSHOT_DIR "/%1_%2.png").arg(QLatin1String(screen), code));
    EXPECT_EQ(cutTexts(window).join(u'\n').toStdString(), "") << screen;
}

QString writePhotograph(const QString& path) {
    QImage photo(900, 600, QImage::Format_RGB32);
    photo.fill(QColor(150, 110, 90));
    QPainter(&photo).fillRect(300, 150, 300, 300, QColor(220, 190, 170));
    photo.save(path, "PNG");
    return path;
}

// The whole road in the language under test, at the window's default size: the start
// page, the crop screen, the editor in both modes, and every dialog with each of its
// sections.
TEST(TranslatedScreensTest, NoScreenCutsItsTexts) {
    QTemporaryDir folder;
    MotionPreference::shared().setReduceMotion(true);
    AppModel model(
        std::make_shared<JSONApplicationSettingsStore>(folder.filePath("settings.json").toStdString()),
        std::make_shared<SettingsFileAppLanguagePreferenceStore>(folder.filePath("Veltrano.conf")), languageUnderTest(),
        nullptr, nullptr, [](const EditingCanvasDescriptor& descriptor) { return EditingCanvas::prepare(descriptor); },
        QtScheduler::shared());
    QWidget window;
    window.resize(1180, 820);
    auto* root = new AppContentView(model, QtScheduler::shared(), MotionPreference::shared(), &window,
                                    AppContentView::RootTasks::leftToTheShell);
    root->setCropScreenFactory([](AppModel& owner, const std::shared_ptr<CropDocument>& document,
                                  QWidget* parent) -> QWidget* { return new CropView(owner, document, parent); });
    root->setEditorScreenFactory(
        [](AppModel& owner, const std::shared_ptr<EditorSession>& session, QWidget* parent) -> QWidget* {
            return new EditorView(owner, session, EditorViewServices::standard(), parent);
        });
    root->resize(window.size());
    window.show();
    expectNothingCut(window, "start");

    model.importImage(QUrl::fromLocalFile(writePhotograph(folder.filePath("Portrait.png"))),
                      ImageImportOrigin::openPanel);
    ASSERT_TRUE(QTest::qWaitFor([&] { return qobject_cast<CropView*>(root->baseScreenWidget()); }, kPatience));
    expectNothingCut(window, "crop");

    qobject_cast<CropView*>(root->baseScreenWidget())->toolbar()->goToEditorButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return qobject_cast<EditorView*>(root->baseScreenWidget()); }, kPatience));
    EditorSession& session = *model.editorState().editorSession;
    // One push across the middle, so that there is something to save.
    QWidget* canvas = qobject_cast<EditorView*>(root->baseScreenWidget())->canvas();
    session.setSelectedTab(EditorTab::simulation);
    QTest::qWait(50);
    const std::int64_t revision = session.historyStateRevision();
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return session.historyStateRevision() != revision; }, kPatience));
    // The header may scroll what lies beyond the zoom readout, never the readout itself,
    // whichever of the longest titles is selected.
    const auto* header = window.findChild<EditorViewportHeader*>();
    for (const EditorTab tab : {EditorTab::comparison, EditorTab::simulation}) {
        session.setSelectedTab(tab);
        QApplication::processEvents();
        EXPECT_LE(header->zoomReadout()->mapTo(header, header->zoomReadout()->rect().topRight()).x(), header->width());
    }
    session.setToolSuggestionsExpanded(true);
    for (const EditorTool tool : {EditorTool::push, EditorTool::grow, EditorTool::shrink}) {
        session.selectTool(tool);
        expectNothingCut(window, "editor");
    }
    session.setMode(EditorMode::annotate);
    for (const EditorTool tool : {EditorTool::text, EditorTool::eraser}) {
        session.selectTool(tool);
        expectNothingCut(window, "editor_annotate");
    }
    session.setMode(EditorMode::reshape);
    session.selectTool(EditorTool::push);

    model.requestSaveImages();
    ASSERT_TRUE(QTest::qWaitFor([&] { return root->overlay(AppOverlayLayer::stillImageSave); }, kPatience));
    auto* saveDialog = qobject_cast<StillImageSaveModal*>(root->overlay(AppOverlayLayer::stillImageSave));
    for (const StillImageSaveSection section : kAllStillImageSaveSections) {
        saveDialog->navigation()->row(section)->click();
        expectNothingCut(window, "save_images");
    }
    model.dismissSaveImages();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !root->overlay(AppOverlayLayer::stillImageSave); }, kPatience));

    model.requestShareImage();
    ASSERT_TRUE(QTest::qWaitFor([&] { return root->overlay(AppOverlayLayer::shareImage); }, kPatience));
    expectNothingCut(window, "share");
    model.dismissShareDialog();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !root->overlay(AppOverlayLayer::shareImage); }, kPatience));

    model.presentSettings(SettingsSection::contactInformation);
    ASSERT_TRUE(QTest::qWaitFor([&] { return root->overlay(AppOverlayLayer::settings); }, kPatience));
    auto* settings = qobject_cast<SettingsModal*>(root->overlay(AppOverlayLayer::settings));
    for (const SettingsSection section : kAllSettingsSections) {
        settings->rail()->entry(section)->click();
        expectNothingCut(window, "settings");
    }
    model.closeSettings();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !root->overlay(AppOverlayLayer::settings); }, kPatience));

    model.presentFeedback();
    ASSERT_TRUE(QTest::qWaitFor([&] { return root->overlay(AppOverlayLayer::feedback); }, kPatience));
    expectNothingCut(window, "feedback");
    model.dismissFeedback();

    PrintAccessoryViewController accessory(StillImageKind::simulation, true, false);
    accessory.show();
    expectNothingCut(accessory, "print_accessory");
    MotionPreference::shared().setReduceMotion(false);
}

}  // namespace
}  // namespace vlt

#include <gtest/gtest.h>

#include <QApplication>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "app/app_content_view.h"
#include "canvas/annotation_text_editor_sheet.h"
#include "model/app_model_test_access.h"
#include "model/model_test_support.h"
#include "shell_test_support.h"
#include "support/clearly_changed_pixels.h"
#include "model/still_image_save_view_model.h"
#include "screens/print/print_accessory_view_controller.h"
#include "screens/print/print_preview_window.h"
#include "screens/editor/editor_inspector.h"
#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_tool_rail.h"
#include "screens/editor/editor_toolbar.h"
#include "screens/editor/editor_view.h"
#include "screens/editor/editor_viewport_header.h"
#include "screens/save_images/still_image_save_modal.h"
#include "screens/settings/settings_modal.h"
#include "screens/shortcuts/shortcuts_modal.h"
#include "ui/modal_close_button.h"
#include "ui/modal_header.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

using testing::clearlyChangedPixels;

// Where a widget is read in `dialog`: at each level its rank among the visible
// siblings, taken line by line from the top (siblings sharing some height share a
// line), each line from the left.
std::vector<int> readingPlace(const QWidget* widget, const QWidget* dialog) {
    std::vector<int> place;
    for (; widget != dialog; widget = widget->parentWidget()) {
        std::vector<const QWidget*> siblings;
        for (const QWidget* sibling : widget->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!sibling->isWindow() && sibling->isVisibleTo(widget->parentWidget())) siblings.push_back(sibling);
        }
        const auto lineOf = [&siblings](const QWidget* w) {
            return std::count_if(siblings.begin(), siblings.end(),
                                 [w](const QWidget* other) { return other->geometry().bottom() < w->y(); });
        };
        const auto rank = std::count_if(siblings.begin(), siblings.end(), [&](const QWidget* other) {
            return std::pair(lineOf(other), other->x()) < std::pair(lineOf(widget), widget->x());
        });
        place.insert(place.begin(), int(rank));
    }
    return place;
}

std::string describe(const std::vector<QWidget*>& widgets) {
    std::string names;
    for (const QWidget* widget : widgets) {
        names += " → " +
                 (widget->accessibleName().isEmpty() ? widget->objectName() : widget->accessibleName()).toStdString();
    }
    return names;
}

class KeyboardWalkTest : public ::testing::Test {
protected:
    void SetUp() override {
        session = models.openEditor();
        session->prepareCommittedEditorState = [](auto, std::function<void(bool)> done) { done(true); };
        models.changeSettings([](ApplicationSettings& settings) {
            settings.originalComparisonLabel = QStringLiteral("Before");
            settings.contactName = QStringLiteral("Dr. Ana Ruiz");
        });
        view.resize(1180, 820);
        view.show();
        QApplication::setActiveWindow(&view);
        // As after the first Tab: focus rings show from the start.
        view.setAttribute(Qt::WA_KeyboardFocusChange);
    }
    AppModel& model() { return *models.model; }

    // Presses Tab from the focus until a control comes round again or the focus leaves
    // `area`; `atEach` looks at each control while it has the focus.
    std::vector<QWidget*> tabThrough(QWidget* area, const std::function<void(QWidget*)>& atEach = {}) {
        std::vector<QWidget*> met;
        for (QWidget* focused = QApplication::focusWidget(); focused != nullptr && area->isAncestorOf(focused) &&
                                                             std::find(met.begin(), met.end(), focused) == met.end();
             focused = QApplication::focusWidget()) {
            met.push_back(focused);
            if (atEach) atEach(focused);
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        return met;
    }

    // Every control of the dialog that takes Tab is met once, in the order the dialog
    // shows them.
    void expectTabFollowsTheLayout(QWidget* dialog, const char* situation) {
        SCOPED_TRACE(situation);
        ASSERT_NE(dialog, nullptr);
        QApplication::processEvents();  // a section just chosen is laid out
        const std::vector<QWidget*> met =
            tabThrough(dialog, [this](QWidget* focused) { expectShowsItsFocus(focused); });
        ASSERT_FALSE(met.empty());
        std::vector<QWidget*> shown;
        for (QWidget* widget : dialog->findChildren<QWidget*>()) {
            if (widget->isVisibleTo(dialog) && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus)) {
                shown.push_back(widget);
            }
        }
        std::sort(shown.begin(), shown.end(), [dialog](const QWidget* a, const QWidget* b) {
            return readingPlace(a, dialog) < readingPlace(b, dialog);
        });
        std::rotate(shown.begin(), std::find(shown.begin(), shown.end(), met.front()), shown.end());
        EXPECT_EQ(describe(met), describe(shown));
    }

    // A control looks clearly different while it has the focus, as the window shows it
    // (a ring drawn by a frame around a field counts).
    void expectShowsItsFocus(QWidget* focused) {
        const auto [withFocus, without] = withAndWithoutFocus(focused);
        EXPECT_GE(clearlyChangedPixels(withFocus, without), 40) << describe({focused});
    }

    // The focused control and what lies around it, as the window shows it with the focus
    // and without; the focus is given back.
    static std::pair<QImage, QImage> withAndWithoutFocus(QWidget* focused) {
        QWidget* window = focused->window();
        const QRect around = QRect(focused->mapTo(window, QPoint()), focused->size()).adjusted(-4, -4, 4, 4);
        QImage withFocus = window->grab(around).toImage();
        focused->clearFocus();
        QImage without = window->grab(around).toImage();
        focused->setFocus(Qt::TabFocusReason);
        return {std::move(withFocus), std::move(without)};
    }

    // Pixels of the focused control that take a colour of the focus ring, the editor's ink
    // or white within it, only while it has the focus.
    static int ringPixels(QWidget* focused) {
        const auto [withFocus, without] = withAndWithoutFocus(focused);
        const auto isRing = [](QRgb pixel, const QColor& ring) {
            return std::abs(qRed(pixel) - ring.red()) <= 3 && std::abs(qGreen(pixel) - ring.green()) <= 3 &&
                   std::abs(qBlue(pixel) - ring.blue()) <= 3;
        };
        int count = 0;
        for (int y = 0; y < withFocus.height(); ++y) {
            for (int x = 0; x < withFocus.width(); ++x) {
                for (const QColor& ring : {EditorPalette::ink(), QColor(Qt::white)})
                    count += isRing(withFocus.pixel(x, y), ring) && !isRing(without.pixel(x, y), ring);
            }
        }
        return count;
    }

    testing::ReducedMotion reducedMotion;
    testing::ModelFixture models;
    std::shared_ptr<EditorSession> session;
    AppContentView view{model(), models.scheduler, MotionPreference::shared(), nullptr,
                        AppContentView::RootTasks::leftToTheShell};
};

TEST_F(KeyboardWalkTest, EveryControlOfEveryScreenShowsWhenItHasTheFocus) {
    AppModelTestAccess::setEditorSession(model(), nullptr);
    view.useApplicationScreens();
    for (const auto& arrive : std::vector<std::function<void()>>{
             [] {}, [this] { AppModelTestAccess::setDocument(model(), testing::makeCropDocument()); },
             [this] { AppModelTestAccess::setEditorSession(model(), session); }}) {
        arrive();
        view.baseScreenWidget()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(view.baseScreenWidget(), Qt::Key_Tab);
        EXPECT_GT(
            tabThrough(view.baseScreenWidget(), [this](QWidget* focused) { expectShowsItsFocus(focused); }).size(), 2u);
    }
}

// Every dialog's controls are also checked for their focus on the way.
TEST_F(KeyboardWalkTest, TabVisitsEveryDialogsControlsInTheOrderTheyAreShown) {
    model().presentSettings(SettingsSection::performance);
    auto* settings = qobject_cast<SettingsModal*>(view.overlay(AppOverlayLayer::settings));
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), "Performance settings")
        << "the rail entry takes the focus";
    for (const SettingsSection section : kAllSettingsSections) {
        model().selectSettingsSection(section);
        settings->header()->closeButton()->setFocus(Qt::TabFocusReason);
        expectTabFollowsTheLayout(settings, settingsSectionTitle(section).toUtf8());
    }
    model().closeSettings();

    model().requestSaveImages();
    auto* saveImages = qobject_cast<StillImageSaveModal*>(view.overlay(AppOverlayLayer::stillImageSave));
    saveImages->viewModel().toggleWatermarkEditor();
    for (const StillImageSaveSection section : {StillImageSaveSection::whereWhat, StillImageSaveSection::fileFormat,
                                                StillImageSaveSection::imageSize, StillImageSaveSection::watermarks}) {
        saveImages->viewModel().selectSection(section);
        saveImages->header()->closeButton()->setFocus(Qt::TabFocusReason);
        expectTabFollowsTheLayout(saveImages, stillImageSaveSectionTitle(section).toUtf8());
    }
    model().dismissSaveImages();

    model().presentFeedback();
    expectTabFollowsTheLayout(view.overlay(AppOverlayLayer::feedback), "feedback");
    model().dismissFeedback();
    model().requestShareImage();
    expectTabFollowsTheLayout(view.overlay(AppOverlayLayer::shareImage), "share");
    model().dismissShareDialog();

    model().presentShortcuts();
    auto* shortcuts = qobject_cast<ShortcutsModal*>(view.overlay(AppOverlayLayer::shortcuts));
    expectTabFollowsTheLayout(shortcuts, "shortcuts");
    // The list is no stop, yet the keys scroll it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    EXPECT_GT(shortcuts->groupList()->verticalScrollBar()->value(), 0);
    model().closeShortcuts();

    // The print preview, a window of its own over the main one.
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    PrintPreviewWindow preview(printer, new PrintAccessoryViewController(StillImageKind::comparison, true, true),
                               QStringLiteral("Print"), &view);
    preview.show();
    QApplication::setActiveWindow(&preview);
    preview.setAttribute(Qt::WA_KeyboardFocusChange);
    preview.cancelButton()->setFocus(Qt::TabFocusReason);
    expectTabFollowsTheLayout(&preview, "print preview");
    preview.close();
    QApplication::setActiveWindow(&view);

    auto* sheet = new AnnotationTextEditorSheet(
        AnnotationTextRequest{QUuid::createUuid(), AnnotationTextRequest::Add{}, QStringLiteral("Note")}, [] {},
        [](const QString&) {}, &view, models.scheduler, MotionPreference::shared());
    sheet->setGeometry(view.rect());
    sheet->show();
    sheet->present();
    expectTabFollowsTheLayout(sheet, "text sheet");
}

// From the canvas, Tab goes round the whole editor screen and back to the canvas, and
// every stop shows its focus as a ring in the editor's ink, as the dialogs' controls do
// in their accent (a darker outline alone goes unseen). The inspector is walked with
// the Push tool's suggestions open and with the Text tool's colour and font.
TEST_F(KeyboardWalkTest, TabGoesRoundTheWholeEditorAndEveryStopShowsItsRing) {
    AppModelTestAccess::setEditorSession(model(), nullptr);
    view.useApplicationScreens();
    AppModelTestAccess::setEditorSession(model(), session);
    auto* editor = qobject_cast<EditorView*>(view.baseScreenWidget());
    ASSERT_NE(editor, nullptr);
    session->setToolSuggestionsExpanded(true);
    for (const EditorTool tool : {EditorTool::push, EditorTool::text}) {
        SCOPED_TRACE(tool == EditorTool::push ? "Push" : "Text");
        session->selectTool(tool);
        QApplication::processEvents();
        editor->canvas()->setFocus(Qt::TabFocusReason);
        const std::vector<QWidget*> met = tabThrough(editor, [this](QWidget* focused) {
            expectShowsItsFocus(focused);
            EXPECT_GE(ringPixels(focused), 40) << describe({focused});
        });
        EXPECT_EQ(QApplication::focusWidget(), editor->canvas()) << "Tab did not come round to the canvas";
        for (QWidget* part : std::vector<QWidget*>{editor->toolbar(), editor->toolRail(), editor->viewportHeader(),
                                                   editor->inspector()}) {
            EXPECT_TRUE(std::any_of(met.begin(), met.end(), [part](QWidget* stop) { return part->isAncestorOf(stop); }))
                << part->metaObject()->className() << " was never reached";
        }
    }
}

}  // namespace
}  // namespace vlt

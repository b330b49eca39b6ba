#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "app/app_content_view.h"
#include "canvas/annotation_text_editor_sheet.h"
#include "model/app_model_test_access.h"
#include "model/model_test_support.h"
#include "model/still_image_save_view_model.h"
#include "screens/save_images/still_image_save_modal.h"
#include "screens/crop/crop_view.h"
#include "screens/editor/editor_view.h"
#include "screens/editor/editor_view_services.h"
#include "screens/settings/settings_modal.h"
#include "screens/shortcuts/shortcuts_modal.h"
#include "ui/modal_close_button.h"
#include "ui/modal_header.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

// Where a widget stands among its visible siblings as they are read: lines from top to
// bottom (siblings that share some height share a line), each line from left to right.
int readingRank(const QWidget* widget) {
    std::vector<const QWidget*> siblings;
    for (const QObject* child : widget->parentWidget()->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (sibling != nullptr && !sibling->isWindow() && sibling->isVisibleTo(widget->parentWidget())) {
            siblings.push_back(sibling);
        }
    }
    std::stable_sort(siblings.begin(), siblings.end(),
                     [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    for (auto line = siblings.begin(); line != siblings.end();) {
        const QRect first = (*line)->geometry();
        const auto end = std::find_if(line, siblings.end(), [&](const QWidget* w) { return w->y() > first.bottom(); });
        std::stable_sort(line, end, [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        line = end;
    }
    return int(std::find(siblings.begin(), siblings.end(), widget) - siblings.begin());
}

// The widget's place in the dialog: its ranks from the dialog down to itself.
std::vector<int> readingPlace(const QWidget* widget, const QWidget* dialog) {
    std::vector<int> place;
    for (; widget != dialog; widget = widget->parentWidget()) place.insert(place.begin(), readingRank(widget));
    return place;
}

QString describe(const QWidget* widget) {
    if (!widget->accessibleName().isEmpty()) return widget->accessibleName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget); button && !button->text().isEmpty()) {
        return button->text();
    }
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

std::string describe(const std::vector<QWidget*>& widgets) {
    QStringList names;
    for (const QWidget* widget : widgets) names << describe(widget);
    return names.join(QStringLiteral(" → ")).toStdString();
}

// Pixels whose colour differs between the two pictures by more than a shade.
int clearlyChangedPixels(const QImage& first, const QImage& second) {
    int changed = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const QRgb a = first.pixel(x, y);
            const QRgb b = second.pixel(x, y);
            const int difference =
                std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
            changed += difference > 48 ? 1 : 0;
        }
    }
    return changed;
}

class KeyboardWalkTest : public ::testing::Test {
protected:
    void SetUp() override {
        MotionPreference::shared().setReduceMotion(true);
        session = models.openEditor();
        session->prepareCommittedEditorState = [](EditorStatePreparationIntent, std::function<void(bool)> done) {
            done(true);
        };
        ApplicationSettings settings = model().settingsState().settings;
        settings.originalComparisonLabel = QStringLiteral("Before");
        settings.contactName = QStringLiteral("Dr. Ana Ruiz");
        model().updateSettings(settings);
        view.resize(1180, 820);
        view.show();
        QApplication::setActiveWindow(&view);
    }
    void TearDown() override { MotionPreference::shared().setReduceMotion(false); }
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

    // Every control of the dialog that takes Tab is met once, in the order in which the
    // dialog shows them.
    void expectTabFollowsTheLayout(QWidget* dialog, const char* situation) {
        SCOPED_TRACE(situation);
        ASSERT_NE(dialog, nullptr);
        const std::vector<QWidget*> met = tabThrough(dialog);
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

    // Each control of `area` that Tab reaches looks clearly different while it has the
    // focus, as the window shows it (a ring drawn by a frame around a field counts).
    void expectEveryStopShowsItsFocus(QWidget* area, const char* situation) {
        SCOPED_TRACE(situation);
        area->setFocus(Qt::TabFocusReason);
        QTest::keyClick(area, Qt::Key_Tab);
        const std::vector<QWidget*> met = tabThrough(area, [this](QWidget* focused) {
            const QRect around = QRect(focused->mapTo(&view, QPoint()), focused->size()).adjusted(-4, -4, 4, 4);
            const QImage withFocus = view.grab(around).toImage();
            focused->clearFocus();
            EXPECT_GE(clearlyChangedPixels(withFocus, view.grab(around).toImage()), 40)
                << describe(focused).toStdString();
            focused->setFocus(Qt::TabFocusReason);
        });
        EXPECT_GT(met.size(), 1u);
    }

    testing::ModelFixture models;
    std::shared_ptr<EditorSession> session;
    AppContentView view{model(), models.scheduler, MotionPreference::shared(), nullptr,
                        AppContentView::RootTasks::leftToTheShell};
};

TEST_F(KeyboardWalkTest, EveryControlOfEveryScreenShowsWhenItHasTheFocus) {
    AppModelTestAccess::setEditorSession(model(), nullptr);
    view.setCropScreenFactory([](AppModel& owner, const std::shared_ptr<CropDocument>& document,
                                 QWidget* parent) -> QWidget* { return new CropView(owner, document, parent); });
    view.setEditorScreenFactory(
        [](AppModel& owner, const std::shared_ptr<EditorSession>& editor, QWidget* parent) -> QWidget* {
            return new EditorView(owner, editor, EditorViewServices::standard(), parent);
        });
    expectEveryStopShowsItsFocus(view.baseScreenWidget(), "start page");
    AppModelTestAccess::setDocument(model(), testing::makeCropDocument());
    expectEveryStopShowsItsFocus(view.baseScreenWidget(), "crop screen");
    AppModelTestAccess::setEditorSession(model(), session);
    expectEveryStopShowsItsFocus(view.baseScreenWidget(), "editor");

    model().presentSettings(SettingsSection::contactInformation);
    expectEveryStopShowsItsFocus(view.overlay(AppOverlayLayer::settings), "settings");
    model().closeSettings();
    model().presentFeedback();
    expectEveryStopShowsItsFocus(view.overlay(AppOverlayLayer::feedback), "feedback");
    model().dismissFeedback();
    model().requestShareImage();
    expectEveryStopShowsItsFocus(view.overlay(AppOverlayLayer::shareImage), "share");
}

TEST_F(KeyboardWalkTest, TabVisitsEveryDialogsControlsInTheOrderTheyAreShown) {
    model().presentSettings(SettingsSection::contactInformation);
    auto* settings = qobject_cast<SettingsModal*>(view.overlay(AppOverlayLayer::settings));
    ASSERT_NE(settings, nullptr);
    for (const SettingsSection section : {SettingsSection::contactInformation, SettingsSection::comparisonLabels,
                                          SettingsSection::language, SettingsSection::performance}) {
        model().selectSettingsSection(section);
        settings->header()->closeButton()->setFocus(Qt::TabFocusReason);
        expectTabFollowsTheLayout(settings, settingsSectionTitle(section).toUtf8());
    }
    model().closeSettings();

    model().requestSaveImages();
    auto* saveImages = qobject_cast<StillImageSaveModal*>(view.overlay(AppOverlayLayer::stillImageSave));
    ASSERT_NE(saveImages, nullptr);
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
    // The list is no stop, yet scrolls from the keys.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    EXPECT_GT(shortcuts->groupList()->verticalScrollBar()->value(), 0);
    model().closeShortcuts();

    auto* sheet = new AnnotationTextEditorSheet(
        AnnotationTextRequest{QUuid::createUuid(), AnnotationTextRequest::Add{}, QStringLiteral("Note")}, [] {},
        [](const QString&) {}, &view, models.scheduler, MotionPreference::shared());
    sheet->setGeometry(view.rect());
    sheet->show();
    sheet->present();
    expectTabFollowsTheLayout(sheet, "text sheet");
}

}  // namespace
}  // namespace vlt

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <future>

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include "app/about_panel.h"
#include "app/app_content_view.h"
#include "app/application_commands.h"
#include "app/unsaved_changes_alert.h"
#include "canvas/annotation_font_panel_controller.h"
#include "canvas/annotation_text_editor_sheet.h"
#include "canvas/editor_canvas_view.h"
#include "crash_capture/vt_crash_reporter.h"
#include "crash_reports/crash_report_alert_presenter.h"
#include "crash_reports/mac_crash_report_coordinator.h"
#include "crash_reports/mac_crash_report_failure.h"
#include "model/app_model_test_access.h"
#include "platform/single_instance/single_instance.h"
#include "screens/crop/crop_go_to_editor_button.h"
#include "screens/crop/crop_toolbar.h"
#include "screens/crop/crop_view.h"
#include "screens/editor/editor_color_well.h"
#include "screens/editor/editor_inspector.h"
#include "screens/editor/editor_label_button.h"
#include "screens/editor/editor_tool_button.h"
#include "screens/editor/editor_tool_rail.h"
#include "screens/editor/editor_view.h"
#include "screens/feedback/feedback_modal.h"
#include "screens/print/print_preview_window.h"
#include "screens/save_images/still_image_save_modal.h"
#include "screens/settings/settings_modal.h"
#include "screens/share/share_image_modal.h"
#include "screens/shortcuts/shortcuts_modal.h"
#include "pending_crash_support.h"
#include "shell_test_support.h"
#include "ui/modal_close_button.h"
#include "ui/modal_header.h"
#include "ui/output_result_overlay.h"

namespace vlt {
namespace {

// How long a step the event loop takes may last.
constexpr int kPatience = 8000;
// How long a person takes to aim at what just appeared.
constexpr int kAimMilliseconds = 40;
// How long a key is held down.
const QString kKeyHoldSeconds = QStringLiteral("0.08");
// The X server's screen: larger than the window, so the pointer can rest beside it.
constexpr int kScreenWidth = 1600;
constexpr int kScreenHeight = 1200;
// The walks that run again under the X server.
constexpr char kWalkTests[] =
    "KeyboardAfterOverlaysTest.EveryToolLetterAndCtrlQWorkAfterEveryOverlayClosesEachWay:"
    "KeyboardAfterOverlaysTest.TheCrashReportQuestionAndItsNoticeHaveTheKeyboard";

bool onXServer() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, kPatience); }

// How a person's keys and clicks reach the application. On the offscreen platform they
// enter the window that has the keyboard, as the platform knows it; under an X server
// they go through the server (typed and clicked with xdotool), which alone decides
// where a key lands. The pointer rests beside the windows between clicks: a key the
// server cannot give to a window of ours is then lost, as it is for a person who
// moved the mouse away.
class Person {
public:
    void press(const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        if (onXServer()) {
            // The keys that close things are held as a hand holds them: the window goes
            // while the key is still down, and its release arrives only afterwards.
            const QString keyName = QString::fromLatin1(name);
            if (key == Qt::Key_Escape || key == Qt::Key_Return) {
                xdotool({QStringLiteral("keydown"), keyName, QStringLiteral("sleep"), kKeyHoldSeconds,
                         QStringLiteral("keyup"), keyName});
            } else {
                xdotool({QStringLiteral("key"), keyName});
            }
        } else if (QWindow* focus = QGuiApplication::focusWindow()) {
            QTest::keyClick(focus, key, modifiers);
        }
    }

    void type(const QString& text) {
        if (onXServer()) {
            xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("5"), text});
            return;
        }
        for (const QChar character : text) {
            if (QWindow* focus = QGuiApplication::focusWindow()) QTest::keyClick(focus, character.toLatin1());
        }
    }

    // A click of the left button at a point of the widget (its middle by default).
    void click(QWidget* widget, std::optional<QPoint> at = std::nullopt) {
        ASSERT_NE(widget, nullptr);
        // A person aims once what just appeared has settled.
        QTest::qWait(kAimMilliseconds);
        const QPoint point = at.value_or(widget->rect().center());
        if (onXServer()) {
            const QPoint global = widget->mapToGlobal(point);
            xdotool({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y()),
                     QStringLiteral("click"), QStringLiteral("1")});
            rest();
            return;
        }
        QWidget* window = widget->window();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, widget->mapTo(window, point));
    }

    // Alt held while the wheel turns once over the widget (the brush size), then let go.
    void altWheel(QWidget* widget) {
        ASSERT_NE(widget, nullptr);
        const QPoint global = widget->mapToGlobal(widget->rect().center());
        if (onXServer()) {
            xdotool({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y()),
                     QStringLiteral("keydown"), QStringLiteral("alt"), QStringLiteral("click"), QStringLiteral("4"),
                     QStringLiteral("keyup"), QStringLiteral("alt")});
            rest();
            return;
        }
        QWindow* window = widget->window()->windowHandle();
        QTest::keyPress(window, Qt::Key_Alt, Qt::AltModifier);
        QWheelEvent wheel(widget->rect().center(), global, QPoint(), QPoint(0, 120), Qt::NoButton, Qt::AltModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &wheel);
        QTest::keyRelease(window, Qt::Key_Alt, Qt::AltModifier);
    }

    void rest() {
        if (onXServer()) {
            xdotool(
                {QStringLiteral("mousemove"), QString::number(kScreenWidth - 1), QString::number(kScreenHeight - 1)});
        }
    }

private:
    static void xdotool(const QStringList& arguments) {
        ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0)
            << "xdotool " << arguments.join(u' ').toStdString();
    }
};

// The application's shell as it runs, on the fakes of the model tests: the window with
// its root view and menus, the delegate with its questions, a model on the real event
// loop that opens and prepares real pictures.
class KeyboardAfterOverlaysTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        first = testing::writeJpeg(folder.filePath(QStringLiteral("first.jpg")), 480, 360);
        second = testing::writeJpeg(folder.filePath(QStringLiteral("second.jpg")), 400, 300);
        testing::rememberStillImageFolder(*model, folder.filePath(QStringLiteral("saved")));

        AppDelegate::Environment environment;
        environment.scheduler = &QtScheduler::shared();
        environment.updater = std::make_shared<FakeUpdater>();
        environment.relaunchApplication = [](const QStringList&) { return VoidResult(); };
        environment.exitEventLoop = [this] { ++exits; };
        delegate = std::make_unique<AppDelegate>(std::move(environment));
        window = std::make_unique<MainWindow>(*delegate);
        root = new AppContentView(*model, QtScheduler::shared(), MotionPreference::shared(), window.get(),
                                  AppContentView::RootTasks::leftToTheShell);
        root->useApplicationScreens();
        root->setQuitApplication([this] { delegate->requestTermination(); });
        window->setRootView(root);
        ApplicationCommands::Actions actions;
        actions.quit = [this] { delegate->requestTermination(); };
        actions.showAbout = [this] { AboutPanel::present(window.get()); };
        commands = std::make_unique<ApplicationCommands>(*model, *window->menuBar(), std::move(actions));
        window->show();
        delegate->attach(window.get());
        delegate->attach(model.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        person.rest();
        // A new window has the keyboard from the start, before any click.
        ASSERT_TRUE(waitFor([this] { return hasKeyboard(window.get()); })) << "the window started without the keyboard";
    }

    void TearDown() override {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        commands.reset();
        window.reset();
        delegate.reset();
    }

    EditorView* editor() const { return qobject_cast<EditorView*>(root->baseScreenWidget()); }
    EditorSession& session() const { return *model->editorState().editorSession; }
    auto* canvas() const { return qobject_cast<EditorCanvasView*>(editor()->canvas()); }
    QMessageBox* question() const {
        QMessageBox* alert = delegate->unsavedChangesAlert();
        return alert != nullptr && alert->isVisible() ? alert : nullptr;
    }
    template <typename Window>
    Window* modalWindow() const {
        return qobject_cast<Window*>(QApplication::activeModalWidget());
    }
    template <typename Dialog>
    Dialog* overlay(AppOverlayLayer layer) const {
        return qobject_cast<Dialog*>(root->overlay(layer));
    }
    // A person types into a window that just opened once it has the keyboard.
    static bool hasKeyboard(const QWidget* window) {
        return window != nullptr && QGuiApplication::focusWindow() == window->windowHandle();
    }
    void trigger(MenuCommand command) {
        QAction* action = commands->action(command);
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
    }

    // Opens the picture and takes it to the editor, on its Simulation tab.
    void openInEditor(const QUrl& picture) {
        model->importImage(picture, ImageImportOrigin::openPanel);
        ASSERT_TRUE(waitFor([this] { return qobject_cast<CropView*>(root->baseScreenWidget()) != nullptr; }));
        goToEditor();
    }
    void goToEditor() {
        auto* crop = qobject_cast<CropView*>(root->baseScreenWidget());
        ASSERT_NE(crop, nullptr);
        // The screen has risen into place before the person aims at its button.
        ASSERT_TRUE(waitFor([crop] { return crop->graphicsEffect() == nullptr; }));
        person.click(crop->toolbar()->goToEditorButton());
        ASSERT_TRUE(waitFor([this] { return editor() != nullptr && canvas()->renderer() != nullptr; }));
        session().setSelectedTab(EditorTab::simulation);
        ASSERT_TRUE(waitFor([this] { return canvas()->sessionState().tab == EditorTab::simulation; }));
    }

    // A point of the picture on the canvas, in fractions of its width and height.
    QPoint pointOfPicture(double x, double y) const {
        const EditorViewportGeometry geometry = canvas()->viewportGeometry();
        const QRectF image =
            geometry.imageRect(geometry.panelRects().front(), geometry.clampedCenter(canvas()->sessionState().center));
        return QPointF(image.x() + x * image.width(), image.y() + y * image.height()).toPoint();
    }

    // A Push stroke that the last image save does not cover, drawn straight into the
    // canvas (how the mouse gets there is not this test's business).
    void makeUnsavedChange() {
        if (session().canReset() &&
            session().historyStateRevision() != session().lastSuccessfulStillImageSaveRevision())
            return;
        const EditorTool tool = session().activeTool();
        editor()->toolRail()->toolButton(EditorTool::push)->click();
        const std::int64_t before = session().historyStateRevision();
        const auto send = [this](QEvent::Type type, QPoint point, Qt::MouseButton button, Qt::MouseButtons held) {
            QMouseEvent event(type, point, canvas()->mapToGlobal(point), button, held, Qt::NoModifier);
            QApplication::sendEvent(canvas(), &event);
        };
        send(QEvent::MouseButtonPress, pointOfPicture(0.4, 0.5), Qt::LeftButton, Qt::LeftButton);
        for (int step = 1; step <= 6; ++step) {
            QTest::qWait(20);
            send(QEvent::MouseMove, pointOfPicture(0.4 + step * 0.03, 0.5), Qt::NoButton, Qt::LeftButton);
        }
        send(QEvent::MouseButtonRelease, pointOfPicture(0.58, 0.5), Qt::LeftButton, Qt::NoButton);
        ASSERT_TRUE(waitFor([&] { return session().historyStateRevision() != before; }));
        editor()->toolRail()->toolButton(tool)->click();
    }

    // The next tool letter changes the tool.
    void expectTheToolLetterWorks(const std::string& after) {
        const bool isPush = session().activeTool() == EditorTool::push;
        const EditorTool next = isPush ? EditorTool::grow : EditorTool::push;
        person.press(isPush ? "g" : "p", isPush ? Qt::Key_G : Qt::Key_P);
        ASSERT_TRUE(waitFor([&] { return session().activeTool() == next; }))
            << "the tool letter did nothing after " << after;
    }

    // What a person does next: a tool letter, then Ctrl+Q, which asks, then Escape, and
    // a tool letter again.
    void expectTheKeyboardReachesTheEditor(const std::string& after) {
        SCOPED_TRACE(after);
        expectTheToolLetterWorks(after);
        if (HasFatalFailure()) return;
        makeUnsavedChange();
        person.press("ctrl+q", Qt::Key_Q, Qt::ControlModifier);
        ASSERT_TRUE(waitFor([this] { return hasKeyboard(question()); })) << "Ctrl+Q did not ask after " << after;
        person.press("Escape", Qt::Key_Escape);
        ASSERT_TRUE(waitFor([this] { return question() == nullptr; })) << "Escape did not reach the question";
        ASSERT_TRUE(waitFor([this] { return hasKeyboard(window.get()); })) << "the window never got the keyboard back";
        expectTheToolLetterWorks(after + ", then the question closed with Escape");
    }

    struct Way {
        std::string name;
        std::function<void()> close;
    };
    struct Overlay {
        std::string name;
        std::function<void()> open;
        std::function<bool()> isUp;
        std::vector<Way> ways;
    };

    void walk(const Overlay& overlay) {
        if (HasFatalFailure()) return;
        for (const Way& way : overlay.ways) {
            const std::string situation = overlay.name + " closed with " + way.name;
            SCOPED_TRACE(situation);
            overlay.open();
            ASSERT_TRUE(waitFor(overlay.isUp)) << overlay.name << " did not open";
            // As a person does, the next key waits until the keyboard is there.
            ASSERT_TRUE(waitFor([this] {
                const QWidget* focused = QApplication::focusWidget();
                const QWidget* sheet = editor()->textEntrySheet();
                const bool inSheet = sheet != nullptr && sheet->isAncestorOf(focused);
                return focused != nullptr && (inSheet || !editor()->isAncestorOf(focused));
            })) << overlay.name
                << " did not take the keyboard";
            way.close();
            ASSERT_TRUE(waitFor([&] { return !overlay.isUp(); })) << overlay.name << " did not close";
            ASSERT_TRUE(waitFor([this] { return hasKeyboard(window.get()); }))
                << "the window never got the keyboard back";
            expectTheKeyboardReachesTheEditor(situation);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }

    Way escape() {
        return {"Escape", [this] { person.press("Escape", Qt::Key_Escape); }};
    }
    Way returnKey() {
        return {"Return", [this] { person.press("Return", Qt::Key_Return); }};
    }
    Way button(const std::string& name, std::function<QWidget*()> find) {
        return {name, [this, find] { person.click(find()); }};
    }
    // The keyboard brought to the button (as Tab brings it), then Return.
    Way returnOn(const std::string& name, std::function<QWidget*()> find) {
        return {"Return on " + name, [this, find] {
                    find()->setFocus(Qt::TabFocusReason);
                    person.press("Return", Qt::Key_Return);
                }};
    }
    // A click on the veil does nothing, yet takes the focus: Escape closes afterwards.
    Way veilThenEscape(std::function<QWidget*()> veil) {
        return {"a click on the veil, then Escape", [this, veil] {
                    person.click(veil(), QPoint(6, 6));
                    person.press("Escape", Qt::Key_Escape);
                }};
    }
    Overlay layerOverlay(std::string name, AppOverlayLayer layer, std::function<void()> open, std::vector<Way> ways) {
        return {std::move(name), std::move(open), [this, layer] { return root->overlay(layer) != nullptr; },
                std::move(ways)};
    }

    // A second launch hands its files over through the running instance's socket.
    void launchAgain(SingleInstance& running, const QList<QUrl>& files) {
        const QString socketPath = running.socketPath();
        auto launch = std::async(std::launch::async, [socketPath, files] {
            SingleInstance launching(socketPath);
            return launching.claimOrForward(files, 5000);
        });
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return launch.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready; }, 10000));
        ASSERT_EQ(launch.get(), SingleInstance::Role::forwarded);
        QTest::qWait(50);
    }

    QTemporaryDir folder;
    QUrl first;
    QUrl second;
    std::unique_ptr<AppModel> model = testing::makeEventLoopModel();
    std::unique_ptr<AppDelegate> delegate;
    std::unique_ptr<MainWindow> window;
    AppContentView* root = nullptr;
    std::unique_ptr<ApplicationCommands> commands;
    Person person;
    int exits = 0;
};

// After every dialog, card, sheet, question and panel the editor opens, closed each way
// a person closes it, the next tool letter changes the tool and Ctrl+Q asks to quit. A
// second launch during the question brings the question forward, never the window
// beneath it. The walk ends with a picture chosen in the open panel, after which
// Ctrl+Q quits at once.
TEST_F(KeyboardAfterOverlaysTest, EveryToolLetterAndCtrlQWorkAfterEveryOverlayClosesEachWay) {
    openInEditor(first);
    if (HasFatalFailure()) return;
    makeUnsavedChange();

    int textPlace = 0;
    const auto textSheet = [this] { return qobject_cast<AnnotationTextEditorSheet*>(editor()->textEntrySheet()); };
    walk({"the text sheet",
          [this, &textPlace] {
              // The keys reach the canvas while a sheet fades out; its veil still takes clicks.
              ASSERT_TRUE(waitFor([this] { return editor()->findChildren<AnnotationTextEditorSheet*>().isEmpty(); }));
              person.press("t", Qt::Key_T);
              ASSERT_TRUE(waitFor([this] { return canvas()->sessionState().tool == EditorTool::text; }));
              person.click(canvas(), pointOfPicture(0.15 + 0.15 * textPlace++, 0.25));
          },
          [textSheet] { return textSheet() != nullptr; },
          {escape(),
           button("Cancel", [textSheet] { return textSheet()->cancelButton(); }),
           veilThenEscape(textSheet),
           {"Ctrl+Return after typing",
            [this] {
                person.type(QStringLiteral("x"));
                person.press("ctrl+Return", Qt::Key_Return, Qt::ControlModifier);
            }},
           // Save goes grey as it answers: the keyboard must not slip past it to the screen beneath.
           {"Save after typing",
            [this, textSheet] {
                person.type(QStringLiteral("x"));
                person.click(textSheet()->saveButton());
            }},
           // Tab goes round the sheet's controls; Escape, wherever it landed, still closes.
           {"Tab past the last control, then Escape", [this] {
                for (int stop = 0; stop < 4; ++stop) person.press("Tab", Qt::Key_Tab);
                person.press("Escape", Qt::Key_Escape);
            }}}});

    const auto settings = [this] { return overlay<SettingsModal>(AppOverlayLayer::settings); };
    walk(layerOverlay("Settings", AppOverlayLayer::settings,
                      [this] { person.press("ctrl+comma", Qt::Key_Comma, Qt::ControlModifier); },
                      {escape(), button("Done", [settings] { return settings()->doneButton(); }),
                       returnOn("Done", [settings] { return settings()->doneButton(); }),
                       button("the close button", [settings] { return settings()->header()->closeButton(); }),
                       veilThenEscape(settings)}));

    const auto shortcuts = [this] { return overlay<ShortcutsModal>(AppOverlayLayer::shortcuts); };
    walk(layerOverlay("Shortcuts", AppOverlayLayer::shortcuts, [this] { trigger(MenuCommand::shortcuts); },
                      {escape(), button("Close", [shortcuts] { return shortcuts()->footerCloseButton(); }),
                       returnOn("the close button", [shortcuts] { return shortcuts()->headerCloseButton(); }),
                       button("the close button", [shortcuts] { return shortcuts()->headerCloseButton(); }),
                       veilThenEscape(shortcuts)}));

    const auto feedback = [this] { return overlay<FeedbackModal>(AppOverlayLayer::feedback); };
    walk(layerOverlay("Feedback", AppOverlayLayer::feedback, [this] { trigger(MenuCommand::sendFeedback); },
                      {escape(), button("Cancel", [feedback] { return feedback()->cancelButton(); }),
                       button("the close button", [feedback] { return feedback()->headerCloseButton(); })}));

    const auto share = [this] { return overlay<ShareImageModal>(AppOverlayLayer::shareImage); };
    walk(layerOverlay("Share", AppOverlayLayer::shareImage, [this] { trigger(MenuCommand::share); },
                      {escape(), button("Cancel", [share] { return share()->cancelButton(); }),
                       button("the close button", [share] { return share()->headerCloseButton(); })}));

    const auto saveImages = [this] { return overlay<StillImageSaveModal>(AppOverlayLayer::stillImageSave); };
    walk(layerOverlay("Save images", AppOverlayLayer::stillImageSave,
                      [this] { person.press("ctrl+s", Qt::Key_S, Qt::ControlModifier); },
                      {escape(), button("Cancel", [saveImages] { return saveImages()->cancelButton(); }),
                       button("the close button", [saveImages] { return saveImages()->header()->closeButton(); }),
                       veilThenEscape(saveImages)}));

    // Return in Save images saves into the folder used last; the result card follows.
    const auto saved = [this] { return overlay<OutputResultOverlay>(AppOverlayLayer::stillImageSaved); };
    walk(layerOverlay("the \"Image saved\" card", AppOverlayLayer::stillImageSaved,
                      [this] {
                          makeUnsavedChange();
                          person.press("ctrl+s", Qt::Key_S, Qt::ControlModifier);
                          ASSERT_TRUE(waitFor([this] { return root->overlay(AppOverlayLayer::stillImageSave); }));
                          person.press("Return", Qt::Key_Return);
                      },
                      {escape(), returnKey(), button("Close", [saved] { return saved()->primaryButton(); })}));

    walk({"the print preview",
          [this] { person.press("ctrl+p", Qt::Key_P, Qt::ControlModifier); },
          [this] { return modalWindow<PrintPreviewWindow>() != nullptr; },
          {escape(),
           button("Cancel", [this] { return modalWindow<PrintPreviewWindow>()->cancelButton(); }),
           returnOn("Cancel", [this] { return modalWindow<PrintPreviewWindow>()->cancelButton(); }),
           // Return anywhere else is Print…: the print dialog opens over the preview.
           {"Return, then Escape in the print dialog", [this] {
                person.press("Return", Qt::Key_Return);
                ASSERT_TRUE(waitFor([this] { return hasKeyboard(modalWindow<QPrintDialog>()); }))
                    << "the print dialog did not take the keyboard";
                person.press("Escape", Qt::Key_Escape);
            }}}});

    walk({"the video save panel",
          [this] { trigger(MenuCommand::saveVideo); },
          [this] { return modalWindow<QFileDialog>() != nullptr; },
          {escape()}});

    const auto fontPanel = [] { return AnnotationFontPanelController::shared().dialog(); };
    walk({"the font panel",
          [this] {
              person.press("t", Qt::Key_T);
              ASSERT_TRUE(waitFor([this] { return editor()->inspector()->fontButton()->isVisible(); }));
              person.click(editor()->inspector()->fontButton());
          },
          [fontPanel] { return fontPanel() != nullptr && fontPanel()->isVisible(); },
          {escape()}});

    const auto colourPanel = [this] { return window->findChild<QColorDialog*>(); };
    walk({"the colour panel",
          [this] {
              person.press("d", Qt::Key_D);
              ASSERT_TRUE(waitFor([this] { return editor()->inspector()->colorWell()->isVisible(); }));
              person.click(editor()->inspector()->colorWell());
          },
          [colourPanel] { return colourPanel() != nullptr && colourPanel()->isVisible(); },
          {escape()}});

    const auto about = [this] { return window->findChild<QMessageBox*>(QStringLiteral("aboutPanel")); };
    walk({"About",
          [this] { trigger(MenuCommand::aboutVeltrano); },
          [about] { return about() != nullptr && about()->isVisible(); },
          {escape(), returnKey()}});

    // The menu bar holds the keyboard only while a menu is open: after a menu opened by a
    // click or by F10 closes with Escape, after a tap of Alt and after Alt held for a
    // turn of the wheel, the editor's keys work at once.
    const auto expectTheKeyboardReachesTheEditorAfterAMenu = [this](const std::string& how,
                                                                    const std::function<void()>& open) {
        SCOPED_TRACE(how);
        open();
        ASSERT_TRUE(waitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; }))
            << how << " opened no menu";
        person.press("Escape", Qt::Key_Escape);
        ASSERT_TRUE(waitFor([] { return QApplication::activePopupWidget() == nullptr; }));
        expectTheKeyboardReachesTheEditor(how + ", then Escape");
    };
    expectTheKeyboardReachesTheEditorAfterAMenu("a click on the Edit menu", [this] {
        QMenuBar* bar = window->menuBar();
        person.click(bar, bar->actionGeometry(commands->menu(1)->menuAction()).center());
    });
    if (HasFatalFailure()) return;
    expectTheKeyboardReachesTheEditorAfterAMenu("F10", [this] {
        person.press("F10", Qt::Key_F10);
        // The File menu, its first item marked for Return.
        ASSERT_TRUE(waitFor([this] {
            return commands->menu(0)->activeAction() == commands->action(MenuCommand::openImage);
        })) << "F10 did not open the File menu at its first item";
    });
    if (HasFatalFailure()) return;
    person.press("alt", Qt::Key_Alt, Qt::AltModifier);
    expectTheKeyboardReachesTheEditor("a tap of Alt");
    if (HasFatalFailure()) return;
    editor()->toolRail()->toolButton(EditorTool::push)->click();
    const double brushSize = session().toolDiameter();
    person.altWheel(canvas());
    ASSERT_TRUE(waitFor([&] { return session().toolDiameter() != brushSize; })) << "Alt and the wheel did nothing";
    expectTheKeyboardReachesTheEditor("Alt held for a turn of the wheel");
    if (HasFatalFailure()) return;

    // The question itself, answered by its buttons and by Return, which saves first.
    walk({"the unsaved-changes question",
          [this] {
              makeUnsavedChange();
              person.press("ctrl+q", Qt::Key_Q, Qt::ControlModifier);
          },
          [this] { return question() != nullptr; },
          {// A click on the window beneath gives it the keyboard where no window manager
           // keeps it with the question: the question must take it back.
           {"a click on the window, then Escape",
            [this] {
                const QPoint corner(12, 12);
                ASSERT_FALSE(question()->frameGeometry().contains(canvas()->mapToGlobal(corner)));
                const int exitsBefore = exits;
                QSignalSpy focusMoves(qGuiApp, &QGuiApplication::focusWindowChanged);
                person.click(canvas(), corner);
                // A person's next key comes after the click has reached the window.
                if (onXServer()) {
                    ASSERT_TRUE(focusMoves.wait(kPatience)) << "the click did not reach the window";
                    ASSERT_TRUE(waitFor([this] {
                        return QGuiApplication::focusWindow() == question()->windowHandle();
                    })) << "the question did not take the keyboard back";
                }
                person.press("Escape", Qt::Key_Escape);
                ASSERT_TRUE(waitFor([this] { return question() == nullptr; })) << "Escape did not reach the question";
                EXPECT_EQ(exits, exitsBefore) << "Escape did not answer Cancel";
                EXPECT_EQ(root->overlay(AppOverlayLayer::stillImageSave), nullptr) << "Escape did not answer Cancel";
            }},
           button("Cancel", [this] { return UnsavedChangesAlert::cancelButton(*question()); }),
           {"Return, then Escape in Save images", [this] {
                person.press("Return", Qt::Key_Return);
                ASSERT_TRUE(waitFor([this] {
                    const QWidget* dialog = root->overlay(AppOverlayLayer::stillImageSave);
                    return dialog != nullptr && hasKeyboard(window.get()) &&
                           dialog->isAncestorOf(QApplication::focusWidget());
                }));
                person.press("Escape", Qt::Key_Escape);
                ASSERT_TRUE(waitFor([this] { return root->overlay(AppOverlayLayer::stillImageSave) == nullptr; }));
            }}}});

    // A second launch while the question is up, with a file or without.
    SingleInstance running(folder.filePath(QStringLiteral("instance")));
    ASSERT_EQ(running.claimOrForward({}), SingleInstance::Role::primary);
    QObject::connect(&running, &SingleInstance::filesReceived, window.get(), &MainWindow::receiveSecondLaunch);
    for (const bool withFile : {false, true}) {
        SCOPED_TRACE(withFile ? "a second launch with a file" : "a second launch");
        makeUnsavedChange();
        person.press("ctrl+q", Qt::Key_Q, Qt::ControlModifier);
        ASSERT_TRUE(waitFor([this] { return hasKeyboard(question()); }));
        launchAgain(running, withFile ? QList<QUrl>{second} : QList<QUrl>{});
        if (HasFatalFailure()) return;
        ASSERT_NE(question(), nullptr);
        EXPECT_TRUE(waitFor([this] { return hasKeyboard(question()); }));
        // Under an X server the question must also stay above the window to take a click.
        if (onXServer()) {
            person.click(UnsavedChangesAlert::cancelButton(*question()));
        } else {
            person.press("Escape", Qt::Key_Escape);
        }
        ASSERT_TRUE(waitFor([this] { return question() == nullptr || question()->informativeText().contains("open"); }))
            << "the question took neither the click nor Escape";
        if (withFile) {
            // The file waited for the answer; now it asks about the changes still there.
            ASSERT_TRUE(waitFor([this] {
                return hasKeyboard(question()) &&
                       UnsavedChangesAlert::discardButton(*question())->text() == QStringLiteral("Open Anyway");
            }));
            person.press("Escape", Qt::Key_Escape);
            ASSERT_TRUE(waitFor([this] { return question() == nullptr; }));
        }
        ASSERT_TRUE(waitFor([this] { return hasKeyboard(window.get()); })) << "the window never got the keyboard back";
        expectTheKeyboardReachesTheEditor(withFile ? "a second launch with a file" : "a second launch");
    }

    // The open panel, after "Open Anyway": cancelled, then a picture typed and chosen.
    const auto openPanel = [this] {
        makeUnsavedChange();
        person.press("ctrl+o", Qt::Key_O, Qt::ControlModifier);
        ASSERT_TRUE(waitFor([this] { return hasKeyboard(question()); }));
        person.click(UnsavedChangesAlert::discardButton(*question()));
        ASSERT_TRUE(waitFor([this] { return hasKeyboard(modalWindow<QFileDialog>()); }));
    };
    walk({"the open panel", openPanel, [this] { return modalWindow<QFileDialog>() != nullptr; }, {escape()}});

    openPanel();
    if (HasFatalFailure()) return;
    person.type(second.toLocalFile());
    // The name field may offer its completion: Return chooses with the list still up.
    (void)QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 1000);
    person.press("Return", Qt::Key_Return);
    if (!QTest::qWaitFor([this] { return modalWindow<QFileDialog>() == nullptr; }, 1000)) {
        // The name field's completion list took the first Return.
        person.press("Return", Qt::Key_Return);
    }
    ASSERT_TRUE(waitFor([this] { return modalWindow<QFileDialog>() == nullptr; }));
    ASSERT_TRUE(waitFor([this] { return qobject_cast<CropView*>(root->baseScreenWidget()) != nullptr; }));
    ASSERT_TRUE(waitFor([this] { return hasKeyboard(window.get()); })) << "the window never got the keyboard back";
    // Return on the button the keyboard is on, as Tab brings it there.
    auto* crop = qobject_cast<CropView*>(root->baseScreenWidget());
    ASSERT_TRUE(waitFor([crop] { return crop->graphicsEffect() == nullptr; }));
    crop->toolbar()->goToEditorButton()->setFocus(Qt::TabFocusReason);
    person.press("Return", Qt::Key_Return);
    ASSERT_TRUE(waitFor([this] { return editor() != nullptr; })) << "Return on \"Go to editor\" did nothing";
    person.press("ctrl+q", Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(waitFor([this] { return exits == 1; })) << "Ctrl+Q did not quit after the open panel";
}

// The window's default and least sizes are its content's: the menu bar comes on top, so
// the screens beneath it are never shorter than their least height.
TEST_F(KeyboardAfterOverlaysTest, TheWindowsSizesAreThoseOfItsContent) {
    EXPECT_EQ(root->size(), QSize(MainWindow::kDefaultWidth, MainWindow::kDefaultHeight));
    window->resize(1, 1);
    ASSERT_TRUE(waitFor([this] { return root->width() == MainWindow::kMinimumWidth; }));
    EXPECT_EQ(root->size(), QSize(MainWindow::kMinimumWidth, MainWindow::kMinimumHeight));
    EXPECT_EQ(window->minimumSize().height(), MainWindow::kMinimumHeight + window->menuBar()->height());
}

// At a launch after a crash the question has the keyboard, and so has the notice that
// follows a failed send: Return and Escape answer them at once, also where no window
// manager gives a new window the keyboard.
TEST_F(KeyboardAfterOverlaysTest, TheCrashReportQuestionAndItsNoticeHaveTheKeyboard) {
    auto crash = std::make_shared<testing::UnsendablePendingCrash>();
    MacCrashReportCoordinator coordinator(
        {crash, [] { return Result<std::string>(std::string(32, 'a')); },
         [crash] { return std::unique_ptr<CrashCapturing>(new testing::ForwardingCrashCapture(*crash)); },
         [] { return true; }, std::make_shared<CrashReportAlertPresenter>()});
    coordinator.start();
    coordinator.offerPendingReportIfNeeded(window.get());
    const auto sheet = [this](const char* message) {
        for (QMessageBox* box : window->findChildren<QMessageBox*>()) {
            if (box->isVisible() && box->text() == QLatin1String(message)) return box;
        }
        return static_cast<QMessageBox*>(nullptr);
    };

    ASSERT_TRUE(waitFor([&] { return hasKeyboard(sheet("Veltrano encountered an unexpected error")); }))
        << "the question did not get the keyboard";
    person.press("Return", Qt::Key_Return);
    ASSERT_TRUE(waitFor([&] { return hasKeyboard(sheet("Crash report not sent")); }))
        << "the notice after a failed send did not get the keyboard";
    person.press("Escape", Qt::Key_Escape);
    ASSERT_TRUE(waitFor([&] { return crash->purges == 1; })) << "Escape did not answer the notice";
    ASSERT_TRUE(waitFor([this] { return hasKeyboard(window.get()); })) << "the window never got the keyboard back";
    person.press("ctrl+q", Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(waitFor([this] { return exits == 1; })) << "Ctrl+Q did not quit after the notice";
}

// The X server: a pipe tells which display it took.
class XServer {
public:
    bool start() {
        int displayPipe[2] = {-1, -1};
        if (::pipe2(displayPipe, O_CLOEXEC) != 0) return false;
        process_.setChildProcessModifier([fd = displayPipe[1]] { ::fcntl(fd, F_SETFD, 0); });
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QString::number(displayPipe[1]), QStringLiteral("-screen"),
                        QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(kScreenWidth).arg(kScreenHeight),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        ::close(displayPipe[1]);
        if (!process_.waitForStarted(5000)) {
            ::close(displayPipe[0]);
            return false;
        }
        QByteArray number;
        pollfd readable{displayPipe[0], POLLIN, 0};
        while (!number.endsWith('\n') && ::poll(&readable, 1, 5000) > 0) {
            char byte = 0;
            if (::read(displayPipe[0], &byte, 1) != 1) break;
            number.append(byte);
        }
        ::close(displayPipe[0]);
        display_ = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
        return number.endsWith('\n') && process_.state() == QProcess::Running;
    }
    ~XServer() {
        process_.terminate();
        if (!process_.waitForFinished(3000)) process_.kill();
        process_.waitForFinished();
    }
    const QString& display() const { return display_; }

private:
    QProcess process_;
    QString display_;
};

// The same walk in a process of its own under a bare X server: no window manager gives
// the keyboard back when a window closes, and the server, not Qt, decides where keys go.
TEST_F(KeyboardAfterOverlaysTest, AndSoUnderAnXServerWithoutWindowManager) {
    if (onXServer()) GTEST_SKIP() << "already under the X server";
    XServer server;
    if (!server.start()) GTEST_SKIP() << "Xvfb could not start here; the walk ran on the offscreen platform only";

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VLT_TEST_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("DISPLAY"), server.display());
    environment.remove(QStringLiteral("QT_QPA_PLATFORMTHEME"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    QProcess walk;
    walk.setProcessEnvironment(environment);
    walk.setProcessChannelMode(QProcess::MergedChannels);
    walk.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--gtest_filter=") + QLatin1String(kWalkTests), QStringLiteral("--gtest_brief=1")});
    ASSERT_TRUE(walk.waitForFinished(180000));
    const QByteArray output = walk.readAll();
    EXPECT_EQ(walk.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(walk.exitCode(), 0) << output.toStdString();
}

}  // namespace
}  // namespace vlt

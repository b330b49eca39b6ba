#include <gtest/gtest.h>

#include <iostream>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QTest>
#include <QXmlStreamReader>

#include "app/app_content_view.h"
#include "editing/session/editor_messages.h"
#include "editing/session/editor_session.h"
#include "foundation/interface_translations.h"
#include "foundation/localized_string.h"
#include "import/image_import_failure.h"
#include "import/startup_drop_failure.h"
#include "model/app_model.h"
#include "model/app_model_test_access.h"
#include "model/import_flow.h"
#include "model/share_image_failure_report.h"
#include "model/still_image_save_failure_report.h"
#include "model/unexpected_task_error.h"
#include "output/still/still_image_output_failure.h"
#include "output/video/animation_video_failure.h"
#include "platform/text/interface_text_preparation.h"
#include "platform/text/japanese_phrase_breaks.h"
#include "screens/editor/editor_header_scroll_button.h"
#include "screens/editor/editor_tab_button.h"
#include "screens/editor/editor_text_button.h"
#include "screens/editor/editor_viewport_header.h"
#include "screens/print/print_accessory_view_controller.h"
#include "screens/print/print_preview_window.h"
#include "screens/save_images/still_image_save_modal.h"
#include "screens/save_images/still_image_save_navigation.h"
#include "screens/save_images/still_image_selection_option.h"
#include "screens/save_images/still_image_where_what_section.h"
#include "screens/settings/settings_modal.h"
#include "screens/settings/settings_navigation_rail.h"
#include "translations/painted_text_support.h"
#include "translations/translated_road_support.h"
#include "ui/interface_font.h"
#include "ui/modal_footer.h"
#include "ui/modal_header.h"
#include "ui/modal_surface.h"
#include "ui/output_result_overlay.h"
#include "ui/selectable_name_list.h"

namespace vlt {
namespace {

// Half a pixel of ink may fall on a clipped edge: antialiasing rounds it away.
constexpr double kInkTolerance = 0.5;
const QChar kEllipsis(0x2026);
const QChar kWordJoiner(0x2060);

using testing::kPatience;
using testing::languageCode;
using testing::languageUnderTest;

class TranslationEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        translations =
            std::make_unique<InterfaceTranslations>(languageUnderTest(), interfaceTextPreparation(languageUnderTest()));
        ASSERT_TRUE(translations->isComplete());
        applyInterfaceFont(languageUnderTest());
    }
    void TearDown() override { translations.reset(); }
    std::unique_ptr<InterfaceTranslations> translations;
};
[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new TranslationEnvironment);

// The texts of one element kind ("source" or "translation") of a .ts file.
QStringList textsOf(const QString& file, QLatin1String element) {
    QFile stream(QStringLiteral(VLT_TRANSLATIONS_DIR "/") + file);
    EXPECT_TRUE(stream.open(QIODevice::ReadOnly)) << file.toStdString();
    QStringList texts;
    QXmlStreamReader reader(&stream);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == element) {
            texts << reader.readElementText();
        }
    }
    return texts;
}

// The interface's own texts that end in an ellipsis ("Save images…"), so that an
// ellipsis that belongs to the text is told from one that stands for a cut; their
// placeholders match anything.
class WholeTexts {
public:
    WholeTexts() {
        QStringList texts = textsOf(QStringLiteral("veltrano_fr.ts"), QLatin1String("source"));
        if (languageUnderTest() != AppLanguage::english) {
            QString file = QStringLiteral("veltrano_%1.ts").arg(languageCode()).replace(u'-', u'_');
            texts += textsOf(file, QLatin1String("translation"));
        }
        for (const QString& text : texts) {
            if (!text.contains(kEllipsis)) continue;
            QString pattern = QRegularExpression::escape(text);
            pattern.replace(QRegularExpression(QStringLiteral("%(\\d|n)")), QStringLiteral(".*"));
            patterns_ << QRegularExpression(QStringLiteral("(?s)") + pattern);
        }
    }

    // Whether `painted` (or the part of it that one line shows) is a whole text.
    bool contains(const QString& painted) const {
        for (const QRegularExpression& pattern : patterns_) {
            if (pattern.match(painted).hasMatch()) return true;
        }
        return false;
    }

private:
    QList<QRegularExpression> patterns_;
};

QString describe(const QWidget& widget, const QString& text) {
    return QStringLiteral("%1 %2 (%3x%4): \"%5\"")
        .arg(QString::fromLatin1(widget.metaObject()->className()), widget.objectName())
        .arg(widget.width())
        .arg(widget.height())
        .arg(text);
}

// What hovering a widget shows: its tooltip, else the nearest ancestor's.
QString hoverText(const QWidget& widget) {
    for (const QWidget* at = &widget; at != nullptr; at = at->parentWidget()) {
        if (!at->toolTip().isEmpty()) return at->toolTip();
    }
    return {};
}

// Whether the hover text holds every piece an elided text kept.
bool tellsWhole(const QString& hover, const QString& elided) {
    if (hover.isEmpty()) return false;
    for (const QString& piece : elided.split(kEllipsis, Qt::SkipEmptyParts)) {
        if (!hover.contains(piece.trimmed())) return false;
    }
    return true;
}

// Whether the scroll area is the editor header's band while a chevron shows that it
// runs on past an end (the header's own test checks the chevrons in every language).
bool showsHeaderChevron(const QAbstractScrollArea& area) {
    const auto* header = qobject_cast<const EditorViewportHeader*>(area.parentWidget());
    return header != nullptr && (header->scrollBackButton()->isVisible() || header->scrollForwardButton()->isVisible());
}

// Whether `widget` is the viewport of a scroll area that moves its content in that
// direction: sideways only with a scroller for it, vertically also with a hidden (or
// floating) one, since the wheel scrolls there anyway.
bool isScrolledViewport(const QWidget& widget, Qt::Orientation orientation) {
    const auto* area = qobject_cast<const QAbstractScrollArea*>(widget.parentWidget());
    if (area == nullptr || area->viewport() != &widget) return false;
    if (orientation == Qt::Horizontal) {
        return area->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff || showsHeaderChevron(*area);
    }
    return area->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff || area->verticalScrollBar()->maximum() > 0;
}

bool within(double low, double high, double from, double to) {
    return low >= from - kInkTolerance && high <= to + kInkTolerance;
}

// Whether `area`, a rectangle in `widget`'s coordinates, shows whole: inside the widget
// and inside every ancestor up to `root`. Within a scroll area's viewport (the widget
// itself or an ancestor) it may lie out of view in the direction the area scrolls; the
// viewport and what holds it then no longer judge that direction.
bool showsWhole(const QWidget& widget, const QRectF& area, const QWidget& root) {
    bool scrollsAcross = false;
    bool scrollsDown = false;
    for (const QWidget* holder = &widget; holder != nullptr; holder = holder->parentWidget()) {
        scrollsAcross |= isScrolledViewport(*holder, Qt::Horizontal);
        scrollsDown |= isScrolledViewport(*holder, Qt::Vertical);
        const QRectF placed = area.translated(widget.mapTo(holder, QPointF()));
        if (!scrollsAcross && !within(placed.left(), placed.right(), 0, holder->width())) return false;
        if (!scrollsDown && !within(placed.top(), placed.bottom(), 0, holder->height())) return false;
        if (holder == &root) break;
    }
    return true;
}

// Japanese lines end between phrases: where one painted line of a paragraph ends
// between two Japanese letters, that place must end a phrase, unless the widget's text
// (`written`) breaks the line there itself.
QStringList wordsSplitAcrossLines(const std::vector<testing::PaintedText>& texts, const QString& written) {
    QStringList split;
    std::vector<QString> lines;
    double lastBaseline = 0;
    const QString source = QString(written).remove(kWordJoiner);
    auto judge = [&split, &lines, &source] {
        QString joined;
        std::vector<qsizetype> ends;
        for (const QString& line : lines) {
            joined += line;
            ends.push_back(joined.size());
        }
        const std::vector<qsizetype> phrases = japanesePhraseBoundaries(joined);
        for (std::size_t index = 0; index + 1 < ends.size(); ++index) {
            const qsizetype at = ends[index];
            if (at == 0 || at >= joined.size()) continue;
            if (!isJapaneseLetter(joined.at(at - 1).unicode()) || !isJapaneseLetter(joined.at(at).unicode())) continue;
            if (source.contains(joined.left(at).right(3) + u'\n' + joined.mid(at, 3))) continue;
            if (std::find(phrases.begin(), phrases.end(), at) == phrases.end()) {
                split << joined.left(at) + QStringLiteral(" / ") + joined.mid(at);
            }
        }
        lines.clear();
    };
    for (const testing::PaintedText& text : texts) {
        const QString shown = QString(text.text).remove(kWordJoiner);
        const double step = text.baseline - lastBaseline;
        if (!lines.empty() && std::abs(step) < 0.5) {
            lines.back() += shown;
        } else if (!lines.empty() && step > 0 && step < 2.0 * text.ink.height() + 8) {
            lines.push_back(shown);
        } else {
            judge();
            lines.push_back(shown);
        }
        lastBaseline = text.baseline;
    }
    judge();
    return split;
}

// What the widget tree tells of a widget: a label narrower or lower than its text needs
// (at the width it has, when it wraps) unless it shows its whole text on hover, a
// button or pop-up narrower than the least it needs to show its title, a paragraph
// lower than its text, and any widget sticking out of the panel that holds it.
QStringList cutInLayout(const QWidget& widget, const QWidget& root) {
    QStringList cut;
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height() + 1
                                            : label->sizeHint().width() <= label->width() + 1 &&
                                                  label->sizeHint().height() <= label->height() + 1;
        if (!fits && !label->text().isEmpty() && !tellsWhole(hoverText(widget), label->text())) {
            cut << describe(widget, label->text());
        }
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        if (!button->text().isEmpty() && button->minimumSizeHint().width() > button->width() + 1) {
            cut << describe(widget, button->text());
        }
    } else if (const auto* popup = qobject_cast<const QComboBox*>(&widget)) {
        if (popup->minimumSizeHint().width() > popup->width() + 1) cut << describe(widget, popup->currentText());
    } else if (!widget.layout() && widget.hasHeightForWidth() && !widget.accessibleName().isEmpty()) {
        if (widget.heightForWidth(widget.width()) > widget.height() + 1)
            cut << describe(widget, widget.accessibleName());
    }
    const QRectF whole(QPointF(widget.pos()), QSizeF(widget.size()));
    if (&widget != &root && !showsWhole(*widget.parentWidget(), whole, root)) {
        const QPoint at = widget.mapTo(&root, QPoint());
        cut << describe(widget, QStringLiteral("at %1,%2 sticks out of its panel").arg(at.x()).arg(at.y()));
    }
    return cut;
}

// A colon, semicolon, exclamation or question mark ending a phrase, or a percent sign
// after a number, with no (no-break) space before it: "Contenu: Simulation", "15%"; a
// key combination ("Ctrl+?") is no phrase.
const QRegularExpression& frenchUnspaced() {
    static const QRegularExpression unspaced(QStringLiteral("[^\\s\\x{00a0}\\x{202f}+]([:;!?](?=\\s|$)|(?<=[0-9])%)"));
    return unspaced;
}

// What a widget's own painting tells: ink outside the widget, outside the painter's clip
// or outside an ancestor (marks above capitals, the first or last line of a paragraph,
// content wider than its panel), a text elided without its whole text on hover, in
// French a colon or percent sign without its no-break space, and in Japanese a line that
// ends inside a word.
QStringList cutInPainting(QWidget& widget, const QWidget& root) {
    static const WholeTexts wholeTexts;
    QStringList cut;
    std::vector<testing::PaintedText> painted = testing::paintedTexts(widget);
    std::erase_if(painted, [](const testing::PaintedText& text) {
        return QString(text.text).remove(kWordJoiner).trimmed().isEmpty();
    });
    // A text field scrolls its text under the caret; lines that scroll sideways may run
    // past the sides of their clip, not past its top or bottom.
    const bool scrollsItsText = qobject_cast<const QLineEdit*>(&widget) != nullptr;
    const bool scrollsAcross = isScrolledViewport(widget, Qt::Horizontal);
    QString line;
    for (std::size_t index = 0; index < painted.size(); ++index) {
        const testing::PaintedText& text = painted[index];
        const QString shown = QString(text.text).remove(kWordJoiner);
        const QRectF clip =
            text.clip.value_or(text.ink).adjusted(-kInkTolerance, -kInkTolerance, kInkTolerance, kInkTolerance);
        const bool clipped =
            scrollsAcross ? text.ink.top() < clip.top() || text.ink.bottom() > clip.bottom() : !clip.contains(text.ink);
        if (!scrollsItsText && (!showsWhole(widget, text.ink, root) || clipped)) {
            cut << describe(widget, shown) + QStringLiteral(" ink %1,%2 %3x%4")
                                                 .arg(text.ink.x())
                                                 .arg(text.ink.y())
                                                 .arg(text.ink.width())
                                                 .arg(text.ink.height());
        }
        // Runs of one line (a change of script or font splits them) are judged together.
        line += shown;
        const bool lineEnds =
            index + 1 == painted.size() || std::abs(painted[index + 1].baseline - text.baseline) >= 0.5;
        if (!lineEnds) continue;
        if (line.contains(kEllipsis) && !wholeTexts.contains(line) && !tellsWhole(hoverText(widget), line)) {
            cut << describe(widget, line) + QStringLiteral(" elided without its whole text on hover");
        }
        if (languageUnderTest() == AppLanguage::french && frenchUnspaced().match(line).hasMatch()) {
            cut << describe(widget, line) + QStringLiteral(" lacks the no-break space French sets before : ; ! ? %");
        }
        line.clear();
    }
    if (languageUnderTest() == AppLanguage::japanese) {
        // A widget that paints its name over its description starts a line of its own there.
        const auto* label = qobject_cast<const QLabel*>(&widget);
        const QString written =
            label ? label->text() : QStringList{widget.accessibleName(), widget.accessibleDescription()}.join(u'\n');
        for (const QString& split : wordsSplitAcrossLines(painted, written)) {
            cut << describe(widget, split) + QStringLiteral(" ends a line inside a word");
        }
    }
    return cut;
}

// What the viewport header cuts: a tab narrower than its title, or a control (a tab, a
// separator, a part of the zoom group) that stands partly in the band's clear span,
// between the chevrons that show, and partly out of it.
QStringList headerControlsCut(EditorViewportHeader& header) {
    QApplication::processEvents();
    QStringList cut;
    for (const EditorTab tab : kAllEditorTabs) {
        const EditorTabButton* button = header.tabButton(tab);
        if (button->width() < button->sizeHint().width()) cut << describe(*button, button->text());
    }
    const QWidget* back = header.scrollBackButton();
    const QWidget* forward = header.scrollForwardButton();
    const int clearLeft = back->isVisible() ? back->geometry().right() + 1 : 0;
    const int clearRight = forward->isVisible() ? forward->geometry().left() : header.width();
    for (const QWidget* part : {header.tabBar(), header.zoomGroup()}) {
        for (const QWidget* control : part->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (control->isHidden()) continue;
            const int left = control->mapTo(&header, QPoint()).x();
            const int right = left + control->width();
            if ((left >= clearLeft && right <= clearRight) || right <= clearLeft || left >= clearRight) continue;
            cut << describe(*control, QStringLiteral("at %1..%2, the band clear over %3..%4")
                                          .arg(left)
                                          .arg(right)
                                          .arg(clearLeft)
                                          .arg(clearRight));
        }
    }
    return cut;
}

// The lines a widget paints, each the runs on one baseline.
QStringList paintedLines(QWidget& widget) {
    QStringList lines;
    std::optional<double> baseline;
    for (const testing::PaintedText& text : testing::paintedTexts(widget)) {
        if (!baseline || std::abs(text.baseline - *baseline) >= 0.5) lines << QString();
        lines.back() += text.text;
        baseline = text.baseline;
    }
    return lines;
}

// What the start page's import card may say after a failed import or a refused drop.
QStringList importMessages() {
    QStringList messages;
    for (const auto failure : {ImageImportFailure::Case::unsupported, ImageImportFailure::Case::corrupted,
                               ImageImportFailure::Case::tooLarge}) {
        messages << QString::fromStdString(ImageImportFailure(failure).userMessage());
    }
    for (const auto refusal : {StartupDropFailure::Case::notAFile, StartupDropFailure::Case::multipleItems,
                               StartupDropFailure::Case::folder}) {
        messages << QString::fromStdString(StartupDropFailure(refusal).userMessage());
    }
    messages << ImportFlow::failureMessage(UnexpectedTaskError());
    return messages;
}

// Checks the window as it stands and keeps a picture of it beside the test binary, named
// for the screen, the language and the window's width.
// One pixel of rounding is allowed in sizes, half a pixel in ink.
void expectNothingCut(QWidget& window, const char* screen) {
    QApplication::processEvents();
    window.grab().save(QStringLiteral(VLT_TEST_SCREENSHOT_DIR "/%1_%2_%3.png")
                           .arg(QLatin1String(screen), languageCode())
                           .arg(window.window()->width()));
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    QStringList cut;
    for (QWidget* widget : widgets) {
        if (!widget->isVisible() || widget->size().isEmpty()) continue;
        const QStringList found = cutInLayout(*widget, window) + cutInPainting(*widget, window);
        for (const QString& line : found) cut << line;
    }
    EXPECT_EQ(cut.join(u'\n').toStdString(), "") << screen;
}

// Shows a card by putting the model in its state, checks it and takes it away.
template <typename Change>
void expectCardNothingCut(AppContentView& root, QWidget& window, AppOverlayLayer layer, const char* screen,
                          Change change) {
    change(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return root.overlay(layer); }, kPatience)) << screen;
    expectNothingCut(window, screen);
    change(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !root.overlay(layer); }, kPatience)) << screen;
}

class TranslatedScreensTest : public ::testing::TestWithParam<QSize> {};

// The whole road in the language under test, at the window's default size and at its
// least: the start page, the crop screen, the editor in both modes with its banners,
// every dialog with each of its sections, and the cards of each output.
TEST_P(TranslatedScreensTest, NoScreenCutsItsTexts) {
    testing::TranslatedRoad road({}, GetParam());
    AppModel& model = *road.model;
    AppContentView* root = road.root;
    QWidget& window = road.window;
    expectNothingCut(window, "start");
    // The import card while a photograph loads, then with each message it may show.
    AppModelTestAccess::setImporting(model, true);
    expectNothingCut(window, "start_loading");
    AppModelTestAccess::setImporting(model, false);
    for (const QString& message : importMessages()) {
        AppModelTestAccess::changeImportState(model,
                                              [&message](ImportState& state) { state.inlineImportError = message; });
        expectNothingCut(window, "start_import_error");
    }
    AppModelTestAccess::changeImportState(model, [](ImportState& state) { state.inlineImportError.reset(); });
    model.presentShortcuts();
    ASSERT_TRUE(QTest::qWaitFor([&] { return root->overlay(AppOverlayLayer::shortcuts); }, kPatience));
    expectNothingCut(window, "shortcuts");
    model.closeShortcuts();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !root->overlay(AppOverlayLayer::shortcuts); }, kPatience));

    // A file name too long for the crop screen's sub-toolbar.
    ASSERT_TRUE(road.open(QStringLiteral("Portrait of the patient, front view, before the consultation.png")));
    expectNothingCut(window, "crop");
    AppModelTestAccess::setPreparingEditor(model, true);
    expectNothingCut(window, "crop_preparing");
    AppModelTestAccess::setPreparingEditor(model, false);
    expectCardNothingCut(*root, window, AppOverlayLayer::replacementImageLoading, "crop_replacing", [&](bool shown) {
        AppModelTestAccess::setReplacingCropImage(model, shown);
        AppModelTestAccess::setImporting(model, shown);
    });

    ASSERT_TRUE(road.goToEditorAndPush());
    EditorSession& session = road.session();
    // The header keeps every tab title whole and scrolls instead, whichever of the
    // longest titles is selected: from either end, part way along and at each stop of
    // its chevrons, no control shows cut.
    auto* header = window.findChild<EditorViewportHeader*>();
    QScrollBar* band = header->findChild<QScrollArea*>()->horizontalScrollBar();
    for (const EditorTab tab : {EditorTab::comparison, EditorTab::simulation}) {
        session.setSelectedTab(tab);
        QApplication::processEvents();
        for (const int third : {0, 1, 2}) {
            band->setValue(band->maximum() * third / 3);
            EXPECT_EQ(headerControlsCut(*header).join(u'\n').toStdString(), "");
        }
        for (int click = 0; click < 8 && header->scrollForwardButton()->isVisible(); ++click) {
            header->scrollForwardButton()->click();
            EXPECT_EQ(headerControlsCut(*header).join(u'\n').toStdString(), "");
        }
        for (int click = 0; click < 8 && header->scrollBackButton()->isVisible(); ++click) {
            header->scrollBackButton()->click();
            EXPECT_EQ(headerControlsCut(*header).join(u'\n').toStdString(), "");
        }
    }
    session.setToolSuggestionsExpanded(true);
    for (const EditorTool tool : {EditorTool::reconstruct, EditorTool::grow, EditorTool::shrink, EditorTool::push}) {
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
    session.setSelectedTab(EditorTab::comparison);
    session.showTransientMessage(EditorMessages::zoomedImageMoveHint(), 60);
    session.showPersistentMessage(localizedString("The temporary shared image is locked and will be removed later."));
    expectNothingCut(window, "editor_banners");
    session.clearPersistentMessage();
    session.clearTransientMessage(EditorMessages::zoomedImageMoveHint());
    session.setSelectedTab(EditorTab::simulation);

    model.requestSaveImages();
    ASSERT_TRUE(QTest::qWaitFor([&] { return root->overlay(AppOverlayLayer::stillImageSave); }, kPatience));
    auto* saveDialog = qobject_cast<StillImageSaveModal*>(root->overlay(AppOverlayLayer::stillImageSave));
    // All three tabs: the preview lists three names, each whole on a line of its own,
    // the long photograph's name and all.
    saveDialog->whereWhatSection()->option(StillImageSaveSelection::allThreeTabs)->click();
    for (const StillImageSaveSection section : kAllStillImageSaveSections) {
        saveDialog->navigation()->row(section)->click();
        const bool whereWhat = section == StillImageSaveSection::whereWhat;
        expectNothingCut(window, whereWhat ? "save_images_where_what" : "save_images");
        if (!whereWhat) continue;
        SelectableNameList* preview = saveDialog->whereWhatSection()->previewNames();
        EXPECT_EQ(preview->names().size(), 3);
        EXPECT_EQ(paintedLines(*preview->viewport()), preview->names());
    }
    model.dismissSaveImages();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !root->overlay(AppOverlayLayer::stillImageSave); }, kPatience));

    expectCardNothingCut(*root, window, AppOverlayLayer::stillImageSaving, "still_image_saving", [&](bool shown) {
        AppModelTestAccess::changeStillImageSaveState(model,
                                                      [shown](StillImageSaveState& state) { state.isSaving = shown; });
    });
    expectCardNothingCut(*root, window, AppOverlayLayer::stillImageSaved, "still_image_saved", [&](bool shown) {
        AppModelTestAccess::changeStillImageSaveState(model, [&](StillImageSaveState& state) {
            if (!shown) return state.savedImages.reset();
            state.savedImages = StillImageSaveResult{
                road.filePath("Saved").toStdString(),
                {QStringLiteral("Portrait-v01-original.png"), QStringLiteral("Portrait-v01-comparison.png")},
                {StillImageKind::original, StillImageKind::comparison},
                nullptr};
        });
    });
    // The reveal of the saved files fails while the card is up: its notice joins the
    // body, under the message, and the header keeps its height.
    AppModelTestAccess::changeStillImageSaveState(model, [&](StillImageSaveState& state) {
        state.savedImages = StillImageSaveResult{
            road.filePath("Saved").toStdString(),
            {QStringLiteral("Portrait-v01-original.png"), QStringLiteral("Portrait-v01-comparison.png")},
            {StillImageKind::original, StillImageKind::comparison},
            nullptr};
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return root->overlay(AppOverlayLayer::stillImageSaved); }, kPatience));
    AppModelTestAccess::changeStillImageSaveState(model, [](StillImageSaveState& state) {
        state.savedImagesFolderError = localizedString("The file manager could not open the containing folder.");
    });
    QApplication::processEvents();
    {
        auto* card = qobject_cast<OutputResultOverlay*>(root->overlay(AppOverlayLayer::stillImageSaved));
        const QWidget* notice = card->additionalErrorLabel();
        EXPECT_EQ(card->header()->geometry().height(), ModalHeader::height);
        EXPECT_TRUE(notice->isVisible());
        EXPECT_EQ(notice->mapTo(card->surface(), QPoint()).y(),
                  card->messageLabel()->mapTo(card->surface(), QPoint()).y() + card->messageLabel()->height() +
                      OutputResultOverlay::bodySpacing);
        // The body ends where its last row does, and the three short lines of the detail
        // need no scrolling: no empty band anywhere on the card.
        const QWidget* detail = card->detailView();
        EXPECT_LT(detail->height(), OutputResultOverlay::detailMaximumHeight);
        EXPECT_EQ(detail->mapTo(card->surface(), QPoint()).y() + detail->height() + OutputResultOverlay::bodyPadding,
                  card->surface()->height() - ModalFooter::height);
    }
    expectNothingCut(window, "still_image_saved_folder_error");
    AppModelTestAccess::changeStillImageSaveState(model, [](StillImageSaveState& state) {
        state.savedImages.reset();
        state.savedImagesFolderError.reset();
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !root->overlay(AppOverlayLayer::stillImageSaved); }, kPatience));
    expectCardNothingCut(
        *root, window, AppOverlayLayer::stillImageSaveError, "still_image_save_error", [&](bool shown) {
            const StillImageSaveFailureReport report =
                reportStillImageSaveFailure({StillImageOutputFailure::make(StillImageOutputFailure::Case::renderFailed),
                                             {road.filePath(".vlt-Portrait-v01-original.png").toStdString()}},
                                            false);
            AppModelTestAccess::changeStillImageSaveState(model, [&](StillImageSaveState& state) {
                state.errorTitle = shown ? std::optional(report.title) : std::nullopt;
                state.errorMessage = shown ? std::optional(report.message) : std::nullopt;
            });
        });

    model.requestShareImage();
    ASSERT_TRUE(QTest::qWaitFor([&] { return root->overlay(AppOverlayLayer::shareImage); }, kPatience));
    expectNothingCut(window, "share");
    model.dismissShareDialog();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !root->overlay(AppOverlayLayer::shareImage); }, kPatience));
    expectCardNothingCut(*root, window, AppOverlayLayer::shareImageError, "share_error", [&](bool shown) {
        const ShareImageFailureReport report = ShareImageFailureReport::forService(ShareMenuEntry::sendByEmail);
        AppModelTestAccess::changeShareState(model, [&](ShareState& state) {
            state.shareImageErrorTitle = shown ? std::optional(report.title) : std::nullopt;
            state.shareImageErrorMessage = shown ? std::optional(report.message) : std::nullopt;
        });
    });

    expectCardNothingCut(*root, window, AppOverlayLayer::animationVideoSaving, "video_saving", [&](bool shown) {
        AppModelTestAccess::changeAnimationVideoSaveState(model, [shown](AnimationVideoSaveState& state) {
            state.isSaving = shown;
            state.progress = 42;
        });
    });
    expectCardNothingCut(*root, window, AppOverlayLayer::animationVideoSaved, "video_saved", [&](bool shown) {
        AppModelTestAccess::changeAnimationVideoSaveState(model, [&](AnimationVideoSaveState& state) {
            if (!shown) return state.savedVideo.reset();
            state.savedVideo = AnimationVideoSaveResult{road.filePath("Portrait.mp4"), std::nullopt};
        });
    });
    expectCardNothingCut(*root, window, AppOverlayLayer::printError, "print_error", [&](bool shown) {
        AppModelTestAccess::changePrintState(model, [shown](PrintState& state) { state.showsPrintError = shown; });
    });

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
    ASSERT_TRUE(QTest::qWaitFor([&] { return !root->overlay(AppOverlayLayer::feedback); }, kPatience));

    model.reportGraphicsFailure();
    ASSERT_TRUE(QTest::qWaitFor([&] { return root->overlay(AppOverlayLayer::graphicsFailure); }, kPatience));
    expectNothingCut(window, "graphics_failure");

    PrintAccessoryViewController accessory(StillImageKind::simulation, true, false);
    accessory.show();
    expectNothingCut(accessory, "print_accessory");

    // The print preview with its summary of the accessory's choices, as a print shows it.
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(road.filePath(QStringLiteral("print.pdf")));
    PrintPreviewWindow preview(printer, new PrintAccessoryViewController(StillImageKind::comparison, true, true),
                               localizedString("Print…"), nullptr);
    preview.resize(1000, 760);
    preview.show();
    expectNothingCut(preview, "print_preview");
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, TranslatedScreensTest,
                         ::testing::Values(testing::kDefaultWindowSize, testing::kMinimumWindowSize),
                         [](const ::testing::TestParamInfo<QSize>& size) {
                             return std::to_string(size.param.width()) + "x" + std::to_string(size.param.height());
                         });

}  // namespace
}  // namespace vlt

#include "screens/editor/editor_inspector.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "editing/annotations/annotation_font_style.h"
#include "screens/editor/editor_color_well.h"
#include "screens/editor/editor_continuous_slider.h"
#include "screens/editor/editor_label_button.h"
#include "screens/editor/editor_text_button.h"
#include "screens/editor/suggestion_flow.h"
#include "screens/editor/suggestion_hint_box.h"
#include "editor_screen_test_support.h"

namespace vlt {
namespace {

class EditorInspectorTest : public ::testing::Test {
protected:
    EditorInspectorTest() : inspector(*fixture.session) {
        inspector.setFontPanelPresenter([this](EditorSession&, QWidget*) { ++fontPanelOpenings; });
        inspector.resize(310, 800);
        inspector.show();
        QApplication::processEvents();
    }

    struct Sections {
        bool size;
        bool color;
        bool font;
        bool selectedText;
        bool suggestions;

        friend bool operator==(const Sections&, const Sections&) = default;
    };

    Sections sections() const {
        return {inspector.sizeSection()->isVisibleTo(&inspector), inspector.colorSection()->isVisibleTo(&inspector),
                inspector.fontRow()->isVisibleTo(&inspector), inspector.selectedTextSection()->isVisibleTo(&inspector),
                inspector.suggestionsSection()->isVisibleTo(&inspector)};
    }

    testing::EditorScreenFixture fixture;
    EditorInspector inspector;
    int fontPanelOpenings = 0;
};

// Which sections each tool shows, and how its size is named.
TEST_F(EditorInspectorTest, EachToolShowsItsOwnSections) {
    struct Case {
        EditorTool tool;
        Sections shown;
        const char* sizeLabel;
    };
    const Case cases[] = {
        {EditorTool::push, {true, false, false, false, true}, "Size"},
        {EditorTool::reconstruct, {true, false, false, false, false}, "Size"},
        {EditorTool::draw, {true, true, false, false, false}, "Stroke size"},
        {EditorTool::circle, {true, true, false, false, false}, "Stroke size"},
        {EditorTool::filledRectangle, {false, true, false, false, false}, nullptr},
        {EditorTool::text, {false, true, true, false, false}, nullptr},
        {EditorTool::selectMove, {false, false, false, false, false}, nullptr},
        {EditorTool::eraser, {false, false, false, false, false}, nullptr},
    };
    for (const Case& example : cases) {
        SCOPED_TRACE(rawValue(example.tool));
        fixture.session->setMode(editorMode(example.tool));
        fixture.session->selectTool(example.tool);
        EXPECT_EQ(sections(), example.shown);
        EXPECT_EQ(inspector.toolTitle()->text(), title(example.tool));
        if (example.sizeLabel == nullptr) continue;
        EXPECT_EQ(inspector.sizeLabel()->text(), QString::fromUtf8(example.sizeLabel));
    }
    // The heading names the mode and the tool; the shortcut line says when there is none.
    EXPECT_EQ(inspector.heading()->text(), QStringLiteral("ANNOTATE · ERASER"));
    EXPECT_EQ(inspector.shortcutLine()->text(), QStringLiteral("Shortcut: E"));
    fixture.session->selectTool(EditorTool::circle);
    EXPECT_EQ(inspector.shortcutLine()->text(), QStringLiteral("No shortcut available"));
}

TEST_F(EditorInspectorTest, TheFontButtonDescribesTheFontAndOpensThePanel) {
    fixture.session->setAnnotationFont(AnnotationFontStyle{QStringLiteral("Liberation Sans"), 24.4f, 9, true});
    fixture.session->selectTool(EditorTool::text);
    EXPECT_EQ(inspector.fontButton()->text(), QStringLiteral("Liberation Sans, 24 pt, italic"));
    inspector.fontButton()->click();
    EXPECT_EQ(fontPanelOpenings, 1);
}

TEST_F(EditorInspectorTest, SelectMoveOffersEditTextOnlyForASelectedText) {
    fixture.session->selectTool(EditorTool::selectMove);
    fixture.session->setHasSelectedAnnotation(true);
    fixture.session->setHasSelectedTextAnnotation(true);
    EXPECT_EQ(sections(), (Sections{false, false, false, true, false}));

    inspector.editTextButton()->click();  // the canvas has not installed its command: nothing happens
    int edits = 0;
    fixture.session->editSelectedTextAnnotation = [&] { ++edits; };
    inspector.editTextButton()->click();
    EXPECT_EQ(edits, 1);

    fixture.session->setHasSelectedTextAnnotation(false);
    EXPECT_FALSE(inspector.selectedTextSection()->isVisibleTo(&inspector));
}

TEST_F(EditorInspectorTest, TheSliderWritesTheDiameterOfTheCurrentModeWithinItsRange) {
    fixture.session->setDeformationToolDiameter(24.5);
    EXPECT_EQ(inspector.sizeValue()->text(), QStringLiteral("25 px"));
    fixture.session->setDeformationToolDiameter(24.49);
    EXPECT_EQ(inspector.sizeValue()->text(), QStringLiteral("24 px"));
    EditorContinuousSlider* slider = inspector.sizeSlider();
    EXPECT_DOUBLE_EQ(slider->lower(), 16.0);
    EXPECT_DOUBLE_EQ(slider->upper(), 500.0);
    slider->setValue(EditorContinuousSlider::kSteps);
    EXPECT_DOUBLE_EQ(fixture.session->deformationToolDiameter(), 500.0);
    EXPECT_EQ(inspector.sizeValue()->text(), QStringLiteral("500 px"));

    fixture.session->setMode(EditorMode::annotate);
    fixture.session->selectTool(EditorTool::line);
    slider->setValue(0);
    EXPECT_DOUBLE_EQ(slider->lower(), 1.0);
    EXPECT_DOUBLE_EQ(slider->upper(), 300.0);
    EXPECT_DOUBLE_EQ(fixture.session->annotationToolDiameter(), 1.0);
    EXPECT_DOUBLE_EQ(fixture.session->deformationToolDiameter(), 500.0);

    // A tiny canvas holds the reshape slider still.
    testing::EditorScreenFixture tiny(30, 20);
    EditorInspector small(*tiny.session);
    EXPECT_DOUBLE_EQ(small.sizeSlider()->lower(), 15.0);
    EXPECT_DOUBLE_EQ(small.sizeSlider()->upper(), 15.0);
    EXPECT_EQ(small.sizeSlider()->maximum(), 0);
}

TEST_F(EditorInspectorTest, PickingTheSameColourNotifiesNobody) {
    fixture.session->selectTool(EditorTool::draw);
    int notifications = 0;
    QObject::connect(fixture.session.get(), &EditorSession::annotationColorChanged, [&] { ++notifications; });
    emit inspector.colorWell()->colorPicked(QColor(255, 255, 255));
    EXPECT_EQ(notifications, 0);
    emit inspector.colorWell()->colorPicked(QColor::fromRgbF(1.0, 0.5, 0.0));
    EXPECT_EQ(notifications, 1);
    EXPECT_EQ(fixture.session->annotationColor(), (AnnotationColor{255, 128, 0}));
    EXPECT_EQ(inspector.colorWell()->color(), QColor(255, 128, 0));
}

TEST_F(EditorInspectorTest, SuggestionsExpandAndKeepTheirStateAcrossToolsAndHideCollapses) {
    EXPECT_FALSE(inspector.suggestionsContent()->isVisibleTo(&inspector));
    inspector.suggestionsHeader()->click();
    EXPECT_TRUE(fixture.session->isToolSuggestionsExpanded());
    EXPECT_TRUE(inspector.suggestionsContent()->isVisibleTo(&inspector));
    fixture.session->selectTool(EditorTool::grow);
    EXPECT_TRUE(inspector.suggestionsContent()->isVisibleTo(&inspector));
    inspector.suggestionsHeader()->click();
    EXPECT_FALSE(inspector.suggestionsContent()->isVisibleTo(&inspector));
    EXPECT_TRUE(inspector.suggestionsHeader()->isVisibleTo(&inspector));

    inspector.hideButton()->click();
    EXPECT_FALSE(fixture.session->isInspectorExpanded());
}

TEST_F(EditorInspectorTest, EachBrushShowsItsOwnRowsChoiceAndHint) {
    fixture.session->setToolSuggestionsExpanded(true);
    SuggestionFlow* push = inspector.activeSuggestionFlow();
    ASSERT_NE(push, nullptr);
    EXPECT_TRUE(push->chip(QStringLiteral("Nose"))->isSelected());
    EXPECT_EQ(inspector.suggestionHint()->hint(), suggestionHint(EditorTool::push, QStringLiteral("Nose")));

    fixture.session->selectTool(EditorTool::shrink);
    SuggestionFlow* shrink = inspector.activeSuggestionFlow();
    ASSERT_NE(shrink, push);
    EXPECT_TRUE(shrink->chip(QStringLiteral("Breast"))->isSelected());
    shrink->chip(QStringLiteral("Ears"))->click();
    EXPECT_EQ(fixture.session->selectedShrinkSuggestion(), QStringLiteral("Ears"));
    EXPECT_TRUE(shrink->chip(QStringLiteral("Ears"))->isSelected());
    EXPECT_FALSE(shrink->chip(QStringLiteral("Breast"))->isSelected());
    EXPECT_EQ(inspector.suggestionHint()->hint(), suggestionHint(EditorTool::shrink, QStringLiteral("Ears")));

    fixture.session->selectTool(EditorTool::push);
    EXPECT_TRUE(inspector.activeSuggestionFlow()->chip(QStringLiteral("Nose"))->isSelected());
    fixture.session->selectTool(EditorTool::shrink);
    EXPECT_TRUE(inspector.activeSuggestionFlow()->chip(QStringLiteral("Ears"))->isSelected());

    // An unknown key shows an empty hint box.
    fixture.session->selectTool(EditorTool::push);
    fixture.session->setSelectedPushSuggestion(QStringLiteral("Lips"));
    QApplication::processEvents();
    EXPECT_TRUE(inspector.suggestionHint()->hint().isEmpty());
    EXPECT_GE(inspector.suggestionHint()->height(), 20);
}

}  // namespace
}  // namespace vlt

#include "editing/annotations/editor_action.h"

#include <vector>

#include <QUuid>
#include <gtest/gtest.h>

namespace vlt {
namespace {

using Annotations = std::vector<AnnotationObject>;

AnnotationObject strokeObject(float x) {
    return {QUuid::createUuid(), AnnotationStroke{{{x, x}, {x + 5, x}}, 3.0f, {10, 20, 30}}, {}};
}

AnnotationObject shapeObject() {
    return {QUuid::createUuid(), AnnotationShape{EditorTool::circle, {0, 0}, {10, 10}, 4.0f, {0, 0, 255}}, {1, 1}};
}

AnnotationText sampleText(const QString& text) {
    return {text, {20, 30}, {255, 255, 255}, {QStringLiteral("Liberation Sans"), 40.0f, 9, false}};
}

AnnotationObject textObject() { return {QUuid::createUuid(), sampleText(QStringLiteral("Before")), {7, 8}}; }

Annotations applied(const EditorAction& action, Annotations annotations) {
    action.apply(annotations);
    return annotations;
}

TEST(EditorActionTest, MovesChangeOnlyTheTranslationAndAddUp) {
    const AnnotationObject object = shapeObject();
    const Annotations list = {strokeObject(1), object};

    Annotations moved = applied(EditorAction::annotationMove(object.id, {3, 4}), list);
    moved = applied(EditorAction::annotationMove(object.id, {-1, 2}), moved);
    EXPECT_EQ(moved[0], list[0]);
    EXPECT_EQ(moved[1].translation, (Float2{3, 7}));
    EXPECT_EQ(moved[1].content, object.content);
    EXPECT_EQ(moved[1].id, object.id);

    EXPECT_EQ(applied(EditorAction::annotationMove(object.id, {0, 0}), list), list);
    EXPECT_EQ(applied(EditorAction::annotationMove(QUuid::createUuid(), {5, 5}), list), list);
    EXPECT_TRUE(applied(EditorAction::annotationMove(object.id, {1, 1}), {}).empty());

    // Only the first object with the id moves.
    const Annotations twice = applied(EditorAction::annotationMove(object.id, {2, 0}), {object, object});
    EXPECT_EQ(twice[0].translation, (Float2{3, 1}));
    EXPECT_EQ(twice[1].translation, (Float2{1, 1}));
}

TEST(EditorActionTest, TextEditsReplaceOnlyTheContentOfATextObject) {
    const AnnotationObject text = textObject();
    const AnnotationText edited = sampleText(QStringLiteral("After\nsecond line"));
    const Annotations result = applied(EditorAction::annotationTextEdit(text.id, edited), {text});
    ASSERT_EQ(result.size(), 1u);
    EXPECT_EQ(result[0].id, text.id);
    EXPECT_EQ(result[0].translation, text.translation);
    EXPECT_EQ(result[0].content, AnnotationContent{edited});

    const Annotations others = {strokeObject(1), shapeObject()};
    EXPECT_EQ(applied(EditorAction::annotationTextEdit(others[0].id, edited), others), others);
    EXPECT_EQ(applied(EditorAction::annotationTextEdit(others[1].id, edited), others), others);
    EXPECT_TRUE(applied(EditorAction::annotationTextEdit(text.id, edited), {}).empty());
}

TEST(AnnotationTextTest, CanonicallyEquivalentSpellingsAreEqual) {
    const QString composed = QString::fromUtf8("Caf\u00e9");
    const QString decomposed = QString::fromUtf8("Cafe\u0301");
    ASSERT_NE(composed, decomposed);
    EXPECT_EQ(sampleText(composed), sampleText(decomposed));
    EXPECT_NE(sampleText(composed), sampleText(QStringLiteral("Cafe")));
}

}  // namespace
}  // namespace vlt

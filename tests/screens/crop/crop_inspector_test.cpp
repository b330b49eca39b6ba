#include <gtest/gtest.h>

#include <algorithm>

#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTranslator>

#include "foundation/application_settings.h"
#include "screens/crop/crop_inspector.h"
#include "screens/crop/crop_preset_button.h"
#include "screens/crop/crop_screen_test_support.h"
#include "model/app_model_test_access.h"

namespace vlt {
namespace {

using Direction = CropInspector::MoveDirection;

class CropInspectorTest : public ::testing::Test {
protected:
    explicit CropInspectorTest(ImageSize fullSize = {800, 600})
        : fixture(fullSize, {400, 300}), inspector(*fixture.model, fixture.document) {}

    CropPreset highlighted() const {
        std::optional<CropPreset> found;
        for (CropPreset preset : kAllCropPresets) {
            if (inspector.presetButton(preset)->isSelected()) {
                EXPECT_FALSE(found.has_value()) << "two presets highlighted";
                found = preset;
            }
        }
        EXPECT_TRUE(found.has_value());
        return found.value_or(CropPreset::free);
    }
    const CropSelection& selection() const { return fixture.document->selection(); }
    void shrinkCrop() {
        CropSelection shrunk = selection();
        shrunk.dragCorner(CropCorner::bottomRight, {400, 300});
        fixture.document->setSelection(shrunk);
    }

    testing::CropScreenFixture fixture;
    CropInspector inspector;
};

TEST_F(CropInspectorTest, ANewDocumentHighlightsFullImageAndAShrunkCropFree) {
    EXPECT_EQ(highlighted(), CropPreset::fullImage);
    shrinkCrop();
    EXPECT_EQ(highlighted(), CropPreset::free);
    // Glyphs of every height leave the titles of a row on one line.
    for (CropPreset preset : kAllCropPresets) {
        EXPECT_EQ(inspector.presetButton(preset)->sizeHint().height(),
                  inspector.presetButton(CropPreset::fullImage)->sizeHint().height());
    }
}

TEST_F(CropInspectorTest, FreeKeepsTheSquareCropAndFullImageOrTheResetLinkRestoresEverything) {
    inspector.select(CropPreset::square);
    EXPECT_EQ(highlighted(), CropPreset::square);
    const ImageRect square = selection().crop;
    EXPECT_DOUBLE_EQ(square.width, square.height);

    inspector.select(CropPreset::free);
    EXPECT_EQ(selection().crop, square);
    EXPECT_EQ(highlighted(), CropPreset::free);

    inspector.select(CropPreset::square);
    inspector.select(CropPreset::fullImage);
    EXPECT_TRUE(selection().isFullImage());
    EXPECT_EQ(selection().aspectRatio, CropAspectRatio::free);
    EXPECT_EQ(highlighted(), CropPreset::fullImage);

    // So does the reset link.
    inspector.select(CropPreset::cinema21By9);
    inspector.resetLink()->click();
    EXPECT_TRUE(selection().isFullImage());
    EXPECT_EQ(highlighted(), CropPreset::fullImage);
}

TEST_F(CropInspectorTest, ATurnedFourByThreeCropStillHighlightsClassic) {
    inspector.select(CropPreset::classic4By3);
    CropSelection turned = selection();
    turned.apply(CropTransformCommand::rotateRight);
    fixture.document->setSelection(turned);
    EXPECT_EQ(selection().aspectRatio, CropAspectRatio::classic3By4);
    EXPECT_EQ(highlighted(), CropPreset::classic4By3);
}

TEST_F(CropInspectorTest, TheRightArrowAppliesAndFocusesTheNextPreset) {
    shrinkCrop();
    inspector.movePresetFocus(Direction::right);
    EXPECT_EQ(inspector.focusedPreset(), CropPreset::landscape16By9);
    EXPECT_EQ(selection().aspectRatio, CropAspectRatio::landscape16By9);
    inspector.movePresetFocus(Direction::right);
    EXPECT_EQ(inspector.focusedPreset(), CropPreset::portrait9By16);
    EXPECT_EQ(highlighted(), CropPreset::portrait9By16);
    inspector.movePresetFocus(Direction::right);
    EXPECT_EQ(inspector.focusedPreset(), CropPreset::square);
    const ImageRect square = selection().crop;
    inspector.movePresetFocus(Direction::up);
    EXPECT_EQ(inspector.focusedPreset(), CropPreset::free);
    EXPECT_EQ(selection().crop, square);
    EXPECT_EQ(highlighted(), CropPreset::free);
}

TEST_F(CropInspectorTest, ArrowKeysStopAtTheEdgesOfTheGrid) {
    for (CropPreset top : {CropPreset::fullImage, CropPreset::free, CropPreset::landscape16By9}) {
        inspector.select(top);
        const CropSelection before = selection();
        inspector.movePresetFocus(Direction::up);
        EXPECT_EQ(selection(), before);
    }
    inspector.select(CropPreset::fullImage);
    inspector.movePresetFocus(Direction::left);
    EXPECT_EQ(highlighted(), CropPreset::fullImage);
    EXPECT_FALSE(inspector.focusedPreset().has_value());

    inspector.select(CropPreset::portrait2By3);
    inspector.movePresetFocus(Direction::down);
    inspector.movePresetFocus(Direction::right);
    EXPECT_EQ(highlighted(), CropPreset::portrait2By3);
}

TEST_F(CropInspectorTest, ArrowKeysPressedOnAPresetButtonReachTheGrid) {
    inspector.show();
    inspector.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&inspector));
    CropPresetButton* square = inspector.presetButton(CropPreset::square);
    square->setFocus();
    ASSERT_EQ(inspector.focusedPreset(), CropPreset::square);
    QTest::keyClick(square, Qt::Key_Down);
    EXPECT_EQ(highlighted(), CropPreset::cinema21By9);
    EXPECT_EQ(inspector.focusedPreset(), CropPreset::cinema21By9);
    QTest::keyClick(inspector.presetButton(CropPreset::cinema21By9), Qt::Key_Left);
    EXPECT_EQ(highlighted(), CropPreset::social4By5);
}

// The focus ring lies inside the tile's outline with a gap between the two, so a focused
// tile never looks merely selected; a preset reached with the arrows shows it as one
// reached with Tab does.
TEST_F(CropInspectorTest, AFocusedPresetShowsARingApartFromTheSelectedOutline) {
    inspector.resize(322, 760);
    inspector.show();
    inspector.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&inspector));
    // Dark lines met from the tile's left edge inwards, at half its height.
    const auto darkLinesFromTheEdge = [this](CropPreset preset) {
        const QImage face = inspector.presetButton(preset)->grab().toImage();
        int lines = 0;
        bool inLine = false;
        for (int x = 0; x < 10; ++x) {
            const bool dark = qGray(face.pixel(x, face.height() / 2)) < 160;
            lines += dark && !inLine;
            inLine = dark;
        }
        return lines;
    };
    shrinkCrop();
    ASSERT_EQ(highlighted(), CropPreset::free);
    // As after a click: no ring until the keyboard moves the focus.
    inspector.presetButton(CropPreset::free)->setFocus();
    EXPECT_EQ(darkLinesFromTheEdge(CropPreset::free), 1) << "selected: its outline";
    EXPECT_EQ(darkLinesFromTheEdge(CropPreset::landscape16By9), 0) << "neither";

    QTest::keyClick(inspector.presetButton(CropPreset::free), Qt::Key_Right);
    ASSERT_EQ(inspector.focusedPreset(), CropPreset::landscape16By9);
    EXPECT_EQ(darkLinesFromTheEdge(CropPreset::landscape16By9), 2) << "selected with the focus: outline and ring";
    EXPECT_EQ(darkLinesFromTheEdge(CropPreset::free), 0) << "neither";

    inspector.presetButton(CropPreset::square)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(darkLinesFromTheEdge(CropPreset::square), 1) << "the focus alone: the ring";
    EXPECT_EQ(darkLinesFromTheEdge(CropPreset::landscape16By9), 1) << "selected: its outline";
}

TEST_F(CropInspectorTest, NothingChangesWhileTheEditorIsBeingPrepared) {
    inspector.select(CropPreset::square);
    AppModelTestAccess::setPreparingEditor(*fixture.model, true);
    const CropSelection before = selection();
    inspector.select(CropPreset::cinema21By9);
    inspector.movePresetFocus(Direction::down);
    inspector.resetToFullImage();
    EXPECT_EQ(selection(), before);
    EXPECT_TRUE(inspector.showsPreparationProgress());
    EXPECT_EQ(inspector.footerLabel()->text(), QStringLiteral("Preparing editing canvas…"));

    AppModelTestAccess::setPreparingEditor(*fixture.model, false);
    EXPECT_FALSE(inspector.showsPreparationProgress());
    EXPECT_EQ(inspector.footerLabel()->text(), QStringLiteral("Crop ready"));
}

class CropInspectorSizeTest : public CropInspectorTest {
protected:
    CropInspectorSizeTest() : CropInspectorTest({3000, 4000}) {}

    void setMaximumImageSide(std::int64_t side) {
        fixture.changeSettings([side](ApplicationSettings& settings) { settings.maximumImageSide = side; });
    }
};

TEST_F(CropInspectorSizeTest, TheReadoutAndTheNoticeFollowTheMaximumImageSide) {
    setMaximumImageSide(4096);
    EXPECT_EQ(inspector.sizeLabel()->text(), QStringLiteral("3000 × 4000 px"));
    EXPECT_TRUE(inspector.noticeLabel()->text().startsWith(QStringLiteral("Maximum image dimension: 4096 px. ")));

    setMaximumImageSide(2000);
    EXPECT_EQ(inspector.sizeLabel()->text(), QStringLiteral("1500 × 2000 px"));
    EXPECT_TRUE(inspector.noticeLabel()->text().startsWith(QStringLiteral("Maximum image dimension: 2000 px. ")));
}

// The inspector's longest texts as Spanish, Portuguese and Italian write them; every
// other text stays English.
class LongInspectorTexts final : public QTranslator {
public:
    LongInspectorTexts() { QCoreApplication::installTranslator(this); }
    ~LongInspectorTexts() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* sourceText, const char*, int) const override {
        static const QHash<QString, QString> texts = {
            {QStringLiteral("CROP · SOURCE IMAGE"), QStringLiteral("RITAGLIO · IMMAGINE DI ORIGINE")},
            {QStringLiteral("Choose the frame"), QStringLiteral("Escolha o enquadramento")},
            {QStringLiteral("Non-destructive source crop"), QStringLiteral("Recorte no destructivo del origen")},
            {QStringLiteral("SELECTION ASPECT RATIO"), QStringLiteral("RELACIÓN DE ASPECTO DE LA SELECCIÓN")},
            {QStringLiteral("Selection size"), QStringLiteral("Dimensioni della selezione")},
        };
        return texts.value(QString::fromUtf8(sourceText));
    }
};

// The panel keeps its width whatever the language: its texts wrap inside it, and the
// right column of presets stays clear of its edge.
TEST(CropInspectorTextsTest, LongTextsWrapInsideThePanelsWidth) {
    const LongInspectorTexts texts;
    testing::CropScreenFixture fixture;
    CropInspector inspector(*fixture.model, fixture.document);
    inspector.resize(CropInspector::kWidth, 720);
    inspector.show();
    QCoreApplication::processEvents();

    EXPECT_EQ(inspector.width(), CropInspector::kWidth);
    const auto* area = inspector.findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    const QWidget* viewport = area->viewport();
    EXPECT_LE(area->widget()->width(), viewport->width());
    const QList<QLabel*> labels = inspector.findChildren<QLabel*>();
    ASSERT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
        return label->text() == QStringLiteral("RELACIÓN DE ASPECTO DE LA SELECCIÓN");
    }));
    for (const QWidget* shown : area->widget()->findChildren<QWidget*>()) {
        const QRect placed(shown->mapTo(viewport, QPoint()), shown->size());
        EXPECT_LE(placed.right(), viewport->width() - 18) << shown->metaObject()->className();
    }
    const QRect lastPreset(inspector.presetButton(CropPreset::portrait2By3)->mapTo(viewport, QPoint()),
                           inspector.presetButton(CropPreset::portrait2By3)->size());
    EXPECT_GE(lastPreset.width(), 60);
}

// A title too long for its tile is shortened in its name, never in its ratio, and shows
// whole on hover; one that fits needs no tooltip.
TEST(CropPresetButtonTest, AShortenedTitleKeepsItsRatioAndShowsWholeOnHover) {
    CropPresetButton wide(CropPreset::landscape16By9);
    wide.show();
    wide.resize(200, 76);
    EXPECT_EQ(wide.shownTitle(), QStringLiteral("Wide 16:9"));
    EXPECT_EQ(wide.toolTip(), QString());

    wide.resize(56, 76);
    EXPECT_TRUE(wide.shownTitle().endsWith(QStringLiteral("… 16:9"))) << wide.shownTitle().toStdString();
    EXPECT_TRUE(wide.shownTitle().startsWith(QStringLiteral("W")));
    EXPECT_EQ(wide.toolTip(), QStringLiteral("Wide 16:9"));

    // Narrower than the ratio and a letter: the ratio alone.
    wide.resize(36, 76);
    EXPECT_EQ(wide.shownTitle(), QStringLiteral("16:9"));
    EXPECT_EQ(wide.toolTip(), QStringLiteral("Wide 16:9"));

    CropPresetButton full(CropPreset::fullImage);
    full.show();
    full.resize(40, 76);
    EXPECT_TRUE(full.shownTitle().endsWith(QStringLiteral("…")));
    EXPECT_EQ(full.toolTip(), QStringLiteral("Full image"));
}

}  // namespace
}  // namespace vlt

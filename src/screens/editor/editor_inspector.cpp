#include "screens/editor/editor_inspector.h"

#include <cmath>

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "editing/annotations/annotation_color.h"
#include "editing/annotations/annotation_font_style.h"
#include "editing/session/editor_help_texts.h"
#include "editing/session/editor_session.h"
#include "foundation/localized_string.h"
#include "screens/editor/editor_chevron.h"
#include "screens/editor/editor_color_well.h"
#include "screens/editor/editor_continuous_slider.h"
#include "screens/editor/editor_disclosure_chevron.h"
#include "screens/editor/editor_font.h"
#include "screens/editor/editor_image_view.h"
#include "screens/editor/editor_label_button.h"
#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_paragraph_label.h"
#include "screens/editor/editor_plain_button_style.h"
#include "screens/editor/editor_rule.h"
#include "screens/editor/editor_screen_texts.h"
#include "screens/editor/editor_suggestions_disclosure_button_style.h"
#include "screens/editor/suggestion_flow.h"
#include "screens/editor/suggestion_hint_box.h"
#include "screens/editor/tool_suggestions.h"
#include "ui/ink_fitting_label.h"
#include "ui/text_style.h"
#include "ui/vertical_scroll_area.h"

namespace vlt {
namespace {

constexpr int kSideInset = 20;
constexpr int kVerticalInset = 24;
constexpr int kIdentityAbove = 15;
constexpr int kIdentitySpacing = 12;
constexpr int kToolIconSide = 25;
constexpr int kSectionRuleSpace = 18;
constexpr double kCaptionTracking = 1.2;
constexpr double kHeadingTracking = 1.3;
constexpr int kUsageAbove = 20;
constexpr double kUsageLineSpacing = 4.0;
constexpr double kRowButtonCornerRadius = 5.0;

bool hasColorSection(EditorTool tool) {
    switch (tool) {
    case EditorTool::draw:
    case EditorTool::line:
    case EditorTool::rectangle:
    case EditorTool::filledRectangle:
    case EditorTool::circle:
    case EditorTool::filledCircle:
    case EditorTool::text:
        return true;
    default:
        return false;
    }
}

QString assetName(EditorTool tool) {
    const std::string_view name = iconName(tool);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QVBoxLayout* sectionColumn(QWidget* section) {
    auto* column = new QVBoxLayout(section);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    return column;
}

void addDivider(QVBoxLayout* column, QWidget* parent, int above, int below) {
    column->addSpacing(above);
    column->addWidget(new EditorRule(EditorPalette::divider(), QSize(0, 1), parent));
    column->addSpacing(below);
}

// A full-width outlined row: the text at the left, a second text at the right.
EditorLabelButton* makeRowButton(const QString& text, const QFont& font, const QColor& foreground,
                                 const QString& trailingText, const QColor& trailingColor, double padding,
                                 int minimumHeight, QWidget* parent) {
    auto* button = new EditorLabelButton(EditorPlainButtonStyle::shared(), text, parent);
    button->setArrangement(EditorLabelButton::Arrangement::spread);
    button->setFont(font);
    button->setForegroundOverride(foreground);
    button->setTrailingText(trailingText, trailingColor);
    button->setLabelPadding(QMarginsF(padding, 0, padding, 0));
    button->setLabelOutline(EditorPalette::divider(), kRowButtonCornerRadius);
    button->setMinimumHeight(minimumHeight);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

}  // namespace

EditorInspector::EditorInspector(EditorSession& session, QWidget* parent) : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("editorInspector"));
    auto* panel = new QVBoxLayout(this);
    panel->setContentsMargins(1, 0, 0, 0);
    panel->setSpacing(0);

    scrollArea_ = new VerticalScrollArea(this);

    auto* content = new QWidget(scrollArea_);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(kSideInset, kVerticalInset, kSideInset, kVerticalInset);
    column->setSpacing(0);

    heading_ = makeLabel(editorTextStyleFont(TextStyle::caption, QFont::Bold, kHeadingTracking),
                         EditorPalette::mutedText(), content);
    column->addWidget(heading_);
    column->addSpacing(kIdentityAbove);
    column->addWidget(makeIdentity(content));
    sizeSection_ = makeSizeSection(content);
    column->addWidget(sizeSection_);
    colorSection_ = makeColorSection(content);
    column->addWidget(colorSection_);
    selectedTextSection_ = makeSelectedTextSection(content);
    column->addWidget(selectedTextSection_);
    column->addSpacing(kUsageAbove);
    usageParagraph_ = new EditorParagraphLabel(textStyleFont(TextStyle::body), EditorPalette::secondaryText(),
                                               kUsageLineSpacing, content);
    column->addWidget(usageParagraph_);
    suggestionsSection_ = makeSuggestionsSection(content);
    column->addWidget(suggestionsSection_);
    column->addStretch(1);
    scrollArea_->setContent(content);
    panel->addWidget(scrollArea_, 1);

    hideButton_ = makeHideButton();
    panel->addWidget(hideButton_);

    connectSession();
    refresh();
}

QLabel* EditorInspector::makeLabel(const QFont& font, const QColor& color, QWidget* parent) {
    auto* label = new InkFittingLabel(parent);
    label->setFont(font);
    QPalette colors = label->palette();
    colors.setColor(QPalette::WindowText, color);
    label->setPalette(colors);
    return label;
}

QWidget* EditorInspector::makeIdentity(QWidget* parent) {
    auto* identity = new QWidget(parent);
    auto* row = new QHBoxLayout(identity);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kIdentitySpacing);
    toolIcon_ = new EditorImageView(QString(), QSize(kToolIconSide, kToolIconSide), 0.0, identity);
    toolIcon_->setTint(EditorPalette::ink());
    row->addWidget(toolIcon_, 0, Qt::AlignVCenter);

    auto* texts = new QVBoxLayout();
    texts->setSpacing(3);
    toolTitle_ = makeLabel(textStyleFont(TextStyle::title2, QFont::DemiBold), EditorPalette::primaryText(), identity);
    shortcutLine_ = makeLabel(textStyleFont(TextStyle::subheadline), EditorPalette::mutedText(), identity);
    texts->addWidget(toolTitle_);
    texts->addWidget(shortcutLine_);
    row->addLayout(texts, 1);
    return identity;
}

QWidget* EditorInspector::makeSizeSection(QWidget* parent) {
    constexpr int kRowAbove = 12;
    constexpr int kSliderAbove = 7;
    auto* section = new QWidget(parent);
    auto* column = sectionColumn(section);
    addDivider(column, section, kSectionRuleSpace, kSectionRuleSpace);
    sizeSectionTitle_ = makeLabel(editorTextStyleFont(TextStyle::caption, QFont::Bold, kCaptionTracking),
                                  EditorPalette::mutedText(), section);
    column->addWidget(sizeSectionTitle_);
    column->addSpacing(kRowAbove);

    auto* row = new QHBoxLayout();
    row->setSpacing(0);
    sizeLabel_ = makeLabel(textStyleFont(TextStyle::callout), EditorPalette::secondaryText(), section);
    sizeValue_ = makeLabel(textStyleFont(TextStyle::callout, QFont::DemiBold), EditorPalette::primaryText(), section);
    row->addWidget(sizeLabel_);
    row->addStretch(1);
    row->addWidget(sizeValue_);
    column->addLayout(row);
    column->addSpacing(kSliderAbove);

    sizeSlider_ = new EditorContinuousSlider(section);
    sizeSlider_->setObjectName(QStringLiteral("editorSizeSlider"));
    sizeSlider_->setAccessibleName(EditorScreenTexts::toolDiameterAccessibility());
    sizeSlider_->setToolTip(EditorHelpTexts::brushSize());
    connect(sizeSlider_, &EditorContinuousSlider::doubleValueChanged, this,
            [this](double diameter) { session_.setToolDiameter(diameter); });
    column->addWidget(sizeSlider_);
    return section;
}

QWidget* EditorInspector::makeColorSection(QWidget* parent) {
    constexpr int kFontAbove = 14;
    constexpr int kFontSpacing = 7;
    constexpr int kFontButtonMinimumHeight = 34;
    constexpr double kFontButtonPadding = 10.0;
    auto* section = new QWidget(parent);
    auto* column = sectionColumn(section);
    addDivider(column, section, kSectionRuleSpace, kSectionRuleSpace);

    colorWell_ = new EditorColorWell(EditorScreenTexts::color(), section);
    colorWell_->setFont(textStyleFont(TextStyle::callout));
    colorWell_->setForegroundOverride(EditorPalette::secondaryText());
    colorWell_->setToolTip(EditorHelpTexts::annotationColor());
    connect(colorWell_, &EditorColorWell::colorPicked, this, &EditorInspector::pickColor);
    column->addWidget(colorWell_);

    fontRow_ = new QWidget(section);
    auto* fontColumn = sectionColumn(fontRow_);
    fontColumn->addSpacing(kFontAbove);
    QLabel* fontLabel = makeLabel(textStyleFont(TextStyle::callout), EditorPalette::secondaryText(), fontRow_);
    fontLabel->setText(EditorScreenTexts::font());
    fontColumn->addWidget(fontLabel);
    fontColumn->addSpacing(kFontSpacing);
    fontButton_ = makeRowButton(QString(), textStyleFont(TextStyle::callout), EditorPalette::primaryText(),
                                EditorScreenTexts::chooseEllipsis(), EditorPalette::ink(), kFontButtonPadding,
                                kFontButtonMinimumHeight, fontRow_);
    fontButton_->setObjectName(QStringLiteral("editorFontButton"));
    fontButton_->setToolTip(EditorHelpTexts::annotationFont());
    connect(fontButton_, &QAbstractButton::clicked, this, [this] {
        if (fontPanelPresenter_) fontPanelPresenter_(session_, window());
    });
    fontColumn->addWidget(fontButton_);
    column->addWidget(fontRow_);
    return section;
}

QWidget* EditorInspector::makeSelectedTextSection(QWidget* parent) {
    constexpr int kButtonAbove = 10;
    constexpr int kButtonMinimumHeight = 36;
    constexpr double kButtonPadding = 12.0;
    auto* section = new QWidget(parent);
    auto* column = sectionColumn(section);
    addDivider(column, section, kSectionRuleSpace, kSectionRuleSpace);
    QLabel* caption = makeLabel(editorTextStyleFont(TextStyle::caption, QFont::Bold, kCaptionTracking),
                                EditorPalette::mutedText(), section);
    caption->setText(EditorScreenTexts::selectedTextCaption());
    column->addWidget(caption);
    column->addSpacing(kButtonAbove);

    editTextButton_ = makeRowButton(EditorScreenTexts::editText(), textStyleFont(TextStyle::callout, QFont::DemiBold),
                                    EditorPalette::ink(), QStringLiteral("F2"), EditorPalette::mutedText(),
                                    kButtonPadding, kButtonMinimumHeight, section);
    editTextButton_->setToolTip(EditorHelpTexts::editSelectedText());
    connect(editTextButton_, &QAbstractButton::clicked, this, [this] {
        if (session_.editSelectedTextAnnotation) session_.editSelectedTextAnnotation();
    });
    column->addWidget(editTextButton_);
    return section;
}

QWidget* EditorInspector::makeSuggestionsSection(QWidget* parent) {
    constexpr int kRuleAbove = 20;
    constexpr int kRuleBelow = 10;
    constexpr double kHeaderTextSize = 15.0;
    constexpr double kHeaderSpacing = 12.0;
    constexpr double kHeaderPadding = 14.0;
    constexpr int kHeaderMinimumHeight = 46;
    constexpr QSizeF kChevronSize{10, 6};
    constexpr int kContentAbove = 14;
    constexpr int kHintAbove = 12;

    auto* section = new QWidget(parent);
    auto* column = sectionColumn(section);
    addDivider(column, section, kRuleAbove, kRuleBelow);

    suggestionsHeader_ = new EditorLabelButton(EditorSuggestionsDisclosureButtonStyle::shared(),
                                               EditorScreenTexts::toolSuggestions(), section);
    suggestionsHeader_->setObjectName(QStringLiteral("editorSuggestionsHeader"));
    suggestionsHeader_->setArrangement(EditorLabelButton::Arrangement::spread);
    suggestionsHeader_->setFont(editorSystemFont(kHeaderTextSize, QFont::DemiBold));
    suggestionsHeader_->setForegroundOverride(EditorPalette::suggestionsHeadingText());
    suggestionsHeader_->setSpacing(kHeaderSpacing);
    suggestionsHeader_->setLabelPadding(QMarginsF(kHeaderPadding, 0, kHeaderPadding, 0));
    suggestionsHeader_->setMinimumHeight(kHeaderMinimumHeight);
    suggestionsHeader_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(suggestionsHeader_, &QAbstractButton::clicked, this,
            [this] { session_.setToolSuggestionsExpanded(!session_.isToolSuggestionsExpanded()); });
    connect(suggestionsHeader_, &EditorButton::hoveredChanged, this,
            [this](bool hovered) { isSuggestionsButtonHovered_ = hovered; });
    suggestionsHeader_->setTrailingGlyph(EditorButtonGlyph{
        [this](QPainter& painter, const QRectF& frame, const QColor& color) {
            EditorDisclosureChevron{session_.isToolSuggestionsExpanded()}.paint(painter, frame, color);
        },
        kChevronSize, EditorPalette::suggestionsSecondaryText()});
    column->addWidget(suggestionsHeader_);

    suggestionsContent_ = new QWidget(section);
    auto* content = sectionColumn(suggestionsContent_);
    content->addSpacing(kContentAbove);
    for (const EditorTool tool : {EditorTool::push, EditorTool::grow, EditorTool::shrink}) {
        auto* flow = new SuggestionFlow(
            suggestionRows(tool), [this](const QString& key) { selectSuggestion(session_, key); }, suggestionsContent_);
        suggestionFlows_[tool] = flow;
        content->addWidget(flow);
    }
    content->addSpacing(kHintAbove);
    suggestionHint_ = new SuggestionHintBox(suggestionsContent_);
    content->addWidget(suggestionHint_);
    column->addWidget(suggestionsContent_);
    return section;
}

EditorLabelButton* EditorInspector::makeHideButton() {
    constexpr int kMinimumHeight = 40;
    constexpr QSizeF kChevronSize{7, 12};
    auto* button = new EditorLabelButton(EditorPlainButtonStyle::shared(), EditorScreenTexts::hideInspector(), this);
    button->setObjectName(QStringLiteral("editorHideInspectorButton"));
    button->setFont(textStyleFont(TextStyle::callout));
    button->setForegroundOverride(EditorPalette::mutedText());
    button->setSpacing(8.0);
    button->setLeadingGlyph(EditorButtonGlyph{[](QPainter& painter, const QRectF& frame, const QColor& color) {
                                                  EditorChevron{EditorChevron::Direction::right}.paint(painter, frame,
                                                                                                       color);
                                              },
                                              kChevronSize, std::nullopt});
    button->setMinimumHeight(kMinimumHeight);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(button, &QAbstractButton::clicked, this, [this] { session_.setInspectorExpanded(false); });
    return button;
}

QString EditorInspector::fontDescription(const AnnotationFontStyle& font) {
    // Family, size in points, then the style: one text each, so a language may reorder them.
    static const QString upright = localizedString("%1, %2 pt");
    static const QString italic = localizedString("%1, %2 pt, italic");
    return (font.italic ? italic : upright).arg(font.family).arg(std::lround(font.size));
}

SuggestionFlow* EditorInspector::activeSuggestionFlow() const {
    const auto flow = suggestionFlows_.find(session_.activeTool());
    return flow == suggestionFlows_.end() ? nullptr : flow->second;
}

void EditorInspector::pickColor(const QColor& color) {
    const AnnotationColor picked = AnnotationColor::fromColor(color);
    if (picked == session_.annotationColor()) return;
    session_.setAnnotationColor(picked);
}

void EditorInspector::connectSession() {
    const auto redraw = [this] { refresh(); };
    connect(&session_, &EditorSession::modeChanged, this, redraw);
    connect(&session_, &EditorSession::selectedReshapeToolChanged, this, redraw);
    connect(&session_, &EditorSession::selectedAnnotationToolChanged, this, redraw);
    connect(&session_, &EditorSession::deformationToolDiameterChanged, this, redraw);
    connect(&session_, &EditorSession::annotationToolDiameterChanged, this, redraw);
    connect(&session_, &EditorSession::annotationColorChanged, this, redraw);
    connect(&session_, &EditorSession::annotationFontChanged, this, redraw);
    connect(&session_, &EditorSession::hasSelectedTextAnnotationChanged, this, redraw);
    connect(&session_, &EditorSession::isToolSuggestionsExpandedChanged, this, redraw);
    connect(&session_, &EditorSession::selectedPushSuggestionChanged, this, redraw);
    connect(&session_, &EditorSession::selectedGrowSuggestionChanged, this, redraw);
    connect(&session_, &EditorSession::selectedShrinkSuggestionChanged, this, redraw);
}

void EditorInspector::refresh() {
    const EditorTool tool = session_.activeTool();

    heading_->setText(EditorScreenTexts::inspectorHeading(title(session_.mode()), title(tool)));
    toolIcon_->setAssetName(assetName(tool));
    toolTitle_->setText(title(tool));
    const auto letter = shortcutKey(tool);
    shortcutLine_->setText(letter ? EditorScreenTexts::shortcut(QLatin1Char(*letter))
                                  : EditorScreenTexts::noShortcut());

    sizeSection_->setVisible(hasAdjustableSize(tool));
    sizeSectionTitle_->setText(inspectorSectionTitle(tool));
    sizeLabel_->setText(vlt::sizeLabel(tool));
    sizeValue_->setText(EditorScreenTexts::pixels(std::lround(session_.toolDiameter())));
    const ToolDiameterRange range = session_.toolDiameterRange();
    sizeSlider_->setDoubleRange(range.lower, range.upper);
    sizeSlider_->setDoubleValue(session_.toolDiameter());

    colorSection_->setVisible(hasColorSection(tool));
    colorWell_->setColor(session_.annotationColor().platformColor());
    fontRow_->setVisible(tool == EditorTool::text);
    fontButton_->setText(fontDescription(session_.annotationFont()));

    selectedTextSection_->setVisible(tool == EditorTool::selectMove && session_.hasSelectedTextAnnotation());
    usageParagraph_->setText(guidance(tool));

    SuggestionFlow* activeFlow = activeSuggestionFlow();
    suggestionsSection_->setVisible(activeFlow != nullptr);
    suggestionsContent_->setVisible(session_.isToolSuggestionsExpanded());
    suggestionsHeader_->update();
    const QString current = currentSuggestion(session_);
    for (const auto& [flowTool, flow] : suggestionFlows_) {
        flow->setVisible(flow == activeFlow);
        if (flow == activeFlow) flow->setSelected(current);
    }
    suggestionHint_->setHint(vlt::suggestionHint(tool, current));
    settleLayouts();
}

void EditorInspector::settleLayouts() {
    // Qt settles nested layouts one event round per level and may draw a frame between
    // rounds, which would show a new hint in the box of the previous one, its last line
    // cut. Settling them here, innermost first, gives every text its height at once.
    for (QWidget* part = suggestionHint_; part != this; part = part->parentWidget()) {
        if (QLayout* layout = part->layout()) layout->activate();
    }
}

void EditorInspector::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(QRect(0, 0, 1, height()), EditorPalette::divider());
    painter.fillRect(QRect(1, hideButton_->y(), width() - 1, 1), EditorPalette::divider());
}

}  // namespace vlt

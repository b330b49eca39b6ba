#include "screens/editor/editor_tool_rail.h"

#include <QScrollBar>
#include <QPainter>
#include <QVBoxLayout>

#include "editing/session/editor_help_texts.h"
#include "editing/session/editor_session.h"
#include "screens/editor/editor_chevron.h"
#include "screens/editor/editor_label_button.h"
#include "screens/editor/editor_mode_button.h"
#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_plain_button_style.h"
#include "screens/editor/editor_rule.h"
#include "screens/editor/editor_tool_button.h"
#include "ui/vertical_scroll_area.h"

namespace vlt {
namespace {

constexpr int kSidePadding = 7;
constexpr int kModeTopPaddingExpanded = 15;
constexpr int kModeTopPaddingCollapsed = 12;
constexpr int kModeBottomPadding = 10;
constexpr int kExpandedButtonPadding = 2;
constexpr int kToolListBottomPadding = 12;
constexpr int kCollapseMinimumHeight = 30;
constexpr QSizeF kChevronSize{7, 12};

}  // namespace

EditorToolRail::EditorToolRail(EditorSession& session, QWidget* parent) : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("editorToolRail"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 1, 0);
    column->setSpacing(0);
    column->addWidget(makeModeGroup());
    column->addWidget(makeDivider(), 0, Qt::AlignHCenter);
    toolList_ = makeToolList();
    column->addWidget(toolList_, 1);
    collapseButton_ = makeCollapseButton();
    column->addWidget(collapseButton_);
    connectSession();
    refresh();
}

QWidget* EditorToolRail::makeModeGroup() {
    auto* group = new QWidget(this);
    modeLayout_ = new QVBoxLayout(group);
    for (const EditorMode mode : kAllEditorModes) {
        auto* button = new EditorModeButton(
            mode, [this, mode] { session_.setMode(mode); }, group);
        modeButtons_[mode] = button;
        modeLayout_->addWidget(button);
    }
    return group;
}

QWidget* EditorToolRail::makeDivider() {
    constexpr int kWidth = 56;
    constexpr int kAbove = 3;
    constexpr int kBelow = 15;
    auto* holder = new QWidget(this);
    holder->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, kAbove, 0, kBelow);
    layout->addWidget(new EditorRule(EditorPalette::divider(), QSize(kWidth, 1), holder));
    return holder;
}

VerticalScrollArea* EditorToolRail::makeToolList() {
    auto* scroll = new VerticalScrollArea(this);
    scroll->setObjectName(QStringLiteral("editorToolList"));
    // Nine labelled tools are taller than the rail of a window of the default size. The
    // scroller floats in the list's trailing padding, clear of the tools' faces.
    scroll->useOverlayScroller();
    auto* content = new QWidget(scroll);
    toolLayout_ = new QVBoxLayout(content);
    for (const EditorTool tool : kAllEditorTools) {
        auto* button = new EditorToolButton(
            tool, [this, tool] { session_.selectTool(tool); }, content);
        toolButtons_[tool] = button;
        toolLayout_->addWidget(button);
    }
    toolLayout_->addStretch(1);
    scroll->setContent(content);
    // A mode or size change lays the list out anew; the active tool's place is known
    // once the list's new range is.
    connect(scroll->verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] {
        if (!revealAfterLayout_) return;
        revealAfterLayout_ = false;
        revealActiveTool();
    });
    return scroll;
}

EditorLabelButton* EditorToolRail::makeCollapseButton() {
    auto* button = new EditorLabelButton(EditorPlainButtonStyle::shared(), QString(), this);
    button->setObjectName(QStringLiteral("editorToolRailCollapseButton"));
    button->setMinimumHeight(kCollapseMinimumHeight);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setForegroundOverride(EditorPalette::mutedText());
    connect(button, &QAbstractButton::clicked, this,
            [this] { session_.setToolRailExpanded(!session_.isToolRailExpanded()); });
    return button;
}

void EditorToolRail::connectSession() {
    connect(&session_, &EditorSession::modeChanged, this, &EditorToolRail::refresh);
    connect(&session_, &EditorSession::selectedReshapeToolChanged, this, &EditorToolRail::refresh);
    connect(&session_, &EditorSession::selectedAnnotationToolChanged, this, &EditorToolRail::refresh);
    connect(&session_, &EditorSession::isToolRailExpandedChanged, this, &EditorToolRail::refresh);
}

void EditorToolRail::revealActiveTool() {
    toolList_->ensureWidgetVisible(toolButtons_.at(session_.activeTool()), 0, 0);
}

void EditorToolRail::refresh() {
    const bool expanded = session_.isToolRailExpanded();
    const EditorMode mode = session_.mode();
    const EditorTool active = session_.activeTool();
    const int buttonPadding = expanded ? kExpandedButtonPadding : 0;

    setFixedWidth(expanded ? kExpandedWidth : kCollapsedWidth);

    modeLayout_->setContentsMargins(kSidePadding,
                                    (expanded ? kModeTopPaddingExpanded : kModeTopPaddingCollapsed) + buttonPadding,
                                    kSidePadding, kModeBottomPadding + buttonPadding);
    modeLayout_->setSpacing(2 * buttonPadding);
    for (const auto& [buttonMode, button] : modeButtons_) {
        button->setExpanded(expanded);
        button->setSelected(buttonMode == mode);
    }

    toolLayout_->setContentsMargins(kSidePadding, buttonPadding, kSidePadding, kToolListBottomPadding + buttonPadding);
    toolLayout_->setSpacing(2 * buttonPadding);
    for (const auto& [tool, button] : toolButtons_) {
        button->setVisible(editorMode(tool) == mode);
        button->setShowsLabel(expanded);
        button->setSelected(tool == active);
    }

    collapseButton_->setLeadingGlyph(EditorButtonGlyph{
        [expanded](QPainter& painter, const QRectF& frame, const QColor& color) {
            EditorChevron{expanded ? EditorChevron::Direction::left : EditorChevron::Direction::right}.paint(
                painter, frame, color);
        },
        kChevronSize, std::nullopt});
    collapseButton_->setToolTip(expanded ? EditorHelpTexts::collapseToolbar() : EditorHelpTexts::expandToolbar());

    // A tool chosen by its key may lie below the fold; the list brings it into view.
    revealActiveTool();
    revealAfterLayout_ = true;
}

void EditorToolRail::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(QRect(width() - 1, 0, 1, height()), EditorPalette::divider());
    painter.fillRect(QRect(0, collapseButton_->y(), width() - 1, 1), EditorPalette::divider());
}

}  // namespace vlt

#include "screens/editor/editor_viewport_header.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include "editing/session/editor_help_texts.h"
#include "editing/session/editor_session.h"
#include "screens/editor/editor_continuous_slider.h"
#include "screens/editor/editor_font.h"
#include "screens/editor/editor_header_scroll_button.h"
#include "screens/editor/editor_outlined_button_style.h"
#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_rule.h"
#include "screens/editor/editor_screen_texts.h"
#include "screens/editor/editor_tab_button.h"
#include "screens/editor/editor_text_button.h"
#include "screens/editor/editor_zoom_readout_button_style.h"
#include "ui/ink_fitting_label.h"

namespace vlt {
namespace {

constexpr int kLeadingInset = 12;
constexpr int kRowSpacing = 8;
constexpr int kMinimumGap = 6;
constexpr int kTabSeparatorHeight = 24;
constexpr int kZoomSpacing = 13;
constexpr int kZoomTrailingPadding = 8;
constexpr int kZoomSliderWidth = 150;
constexpr double kCaptionSize = 10.0;
constexpr double kCaptionTracking = 1.2;
// Above this the zoom counts as zoomed in; at or below it the slider fits the image.
constexpr double kFitTolerance = EditorSession::kFitZoomTolerance;
constexpr int kScrollButtonWidth = EditorHeaderScrollButton::kWidth;

// The band's fill laid over what lies behind it: the first ancestor that paints its
// own background, or the window.
QColor opaqueBandColour(const QWidget& header) {
    QColor behind = Qt::white;
    for (const QWidget* ancestor = header.parentWidget(); ancestor != nullptr; ancestor = ancestor->parentWidget()) {
        if (ancestor->autoFillBackground() || ancestor->isWindow()) {
            behind = ancestor->palette().color(ancestor->backgroundRole());
            break;
        }
    }
    const QColor& fill = EditorPalette::headerFill();
    const double alpha = fill.alphaF();
    const auto blend = [alpha](double over, double under) { return over * alpha + under * (1.0 - alpha); };
    return QColor::fromRgbF(static_cast<float>(blend(fill.redF(), behind.redF())),
                            static_cast<float>(blend(fill.greenF(), behind.greenF())),
                            static_cast<float>(blend(fill.blueF(), behind.blueF())));
}

}  // namespace

EditorViewportHeader::EditorViewportHeader(EditorSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("editorViewportHeader"));
    setFixedHeight(kHeight);

    scroller_ = new QScrollArea(this);
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setFocusPolicy(Qt::NoFocus);
    scroller_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller_->setWidgetResizable(false);
    scroller_->viewport()->setAutoFillBackground(false);
    scroller_->setAutoFillBackground(false);

    row_ = new QWidget(scroller_);
    row_->setAutoFillBackground(false);
    rowLayout_ = new QHBoxLayout(row_);
    rowLayout_->setContentsMargins(kLeadingInset, 0, 0, 1);
    rowLayout_->setSpacing(kRowSpacing);
    tabBar_ = makeTabBar(row_);
    rowLayout_->addWidget(tabBar_);
    rowLayout_->addSpacing(kMinimumGap);
    rowLayout_->addStretch(1);
    zoomGroup_ = makeZoomGroup(row_);
    rowLayout_->addWidget(zoomGroup_);
    scroller_->viewport()->installEventFilter(this);
    row_->installEventFilter(this);
    scroller_->setWidget(row_);
    // The scroll area paints its content with the window colour; the band has its own fill.
    row_->setAutoFillBackground(false);

    scrollBackButton_ = new EditorHeaderScrollButton(EditorHeaderScrollButton::Direction::back, this);
    scrollForwardButton_ = new EditorHeaderScrollButton(EditorHeaderScrollButton::Direction::forward, this);
    connect(scrollBackButton_, &QAbstractButton::clicked, this, [this] { scrollByPage(-1); });
    connect(scrollForwardButton_, &QAbstractButton::clicked, this, [this] { scrollByPage(1); });
    QScrollBar* bar = scroller_->horizontalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, &EditorViewportHeader::refreshScrollButtons);
    connect(bar, &QScrollBar::rangeChanged, this, &EditorViewportHeader::refreshScrollButtons);
    // A control that takes the keyboard focus out of view comes into view.
    for (QWidget* control : row_->findChildren<QWidget*>()) {
        if (control->focusPolicy() != Qt::NoFocus) control->installEventFilter(this);
    }

    connectSession();
    refresh();
}

QWidget* EditorViewportHeader::makeTabBar(QWidget* parent) {
    auto* bar = new QWidget(parent);
    bar->setObjectName(QStringLiteral("editorTabBar"));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const EditorTab tab : kAllEditorTabs) {
        auto* button = new EditorTabButton(
            tab, [this, tab] { chooseTab(tab); }, bar);
        tabButtons_[tab] = button;
        layout->addWidget(button);
        if (tab != EditorTab::animate) {
            layout->addWidget(new EditorRule(EditorPalette::divider(), QSize(1, kTabSeparatorHeight), bar));
        }
    }
    return bar;
}

QWidget* EditorViewportHeader::makeZoomGroup(QWidget* parent) {
    auto* group = new QWidget(parent);
    group->setObjectName(QStringLiteral("editorZoomGroup"));
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(0, 0, kZoomTrailingPadding, 0);
    layout->setSpacing(kZoomSpacing);

    zoomCaption_ = new InkFittingLabel(EditorScreenTexts::zoomCaption(), group);
    zoomCaption_->setFont(editorSystemFont(kCaptionSize, QFont::Bold, kCaptionTracking));
    QPalette captionColors = zoomCaption_->palette();
    captionColors.setColor(QPalette::WindowText, EditorPalette::mutedText());
    zoomCaption_->setPalette(captionColors);
    layout->addWidget(zoomCaption_);

    zoomSlider_ = new EditorContinuousSlider(group);
    zoomSlider_->setObjectName(QStringLiteral("editorZoomSlider"));
    zoomSlider_->setFixedWidth(kZoomSliderWidth);
    zoomSlider_->setDoubleRange(0.0, kZoomSliderMaximum);
    zoomSlider_->setToolTip(EditorHelpTexts::synchronizedZoom());
    zoomSlider_->setAccessibleName(EditorScreenTexts::zoomSliderAccessibility());
    connect(zoomSlider_, &EditorContinuousSlider::doubleValueChanged, this, &EditorViewportHeader::zoomSliderMoved);
    layout->addWidget(zoomSlider_);

    zoomReadout_ = new EditorTextButton(EditorZoomReadoutButtonStyle::shared(), QString(), group);
    zoomReadout_->setToolTip(EditorHelpTexts::actualPixels());
    connect(zoomReadout_, &QAbstractButton::clicked, this,
            [this] { session_.setZoom(oneToOneZoom(session_.fitScale())); });
    layout->addWidget(zoomReadout_);

    fitButton_ = new EditorTextButton(EditorViewportButtonStyle::shared(), EditorScreenTexts::fit(), group);
    fitButton_->setToolTip(EditorHelpTexts::fitImage());
    connect(fitButton_, &QAbstractButton::clicked, this, [this] { session_.fitImage(); });
    layout->addWidget(fitButton_);

    moveButton_ = new EditorTextButton(EditorViewportButtonStyle::shared(), EditorScreenTexts::move(), group);
    moveButton_->setToolTip(EditorHelpTexts::moveZoomedImage());
    moveButton_->setAccessibleName(EditorScreenTexts::moveImageModeAccessibility());
    connect(moveButton_, &QAbstractButton::clicked, this, [this] { session_.toggleMoveMode(); });
    layout->addWidget(moveButton_);

    labelButton_ = new EditorTextButton(EditorViewportButtonStyle::shared(), EditorScreenTexts::label(), group);
    labelButton_->setToolTip(EditorHelpTexts::toggleComparisonLabels());
    labelButton_->setAccessibleName(EditorScreenTexts::comparisonLabelsAccessibility());
    connect(labelButton_, &QAbstractButton::clicked, this,
            [this] { session_.setShowsComparisonLabels(!session_.showsComparisonLabels()); });
    layout->addWidget(labelButton_);
    return group;
}

double EditorViewportHeader::oneToOneZoom(double fitScale) {
    constexpr double kSmallestFitScale = 0.000001;
    constexpr double kUnboundedZoom = 1'000'000.0;
    const double zoom = fitScale > kSmallestFitScale ? std::max(1.0 / fitScale, 1.0) : kUnboundedZoom;
    return std::min(zoom, EditorSession::kMaximumZoom);
}

void EditorViewportHeader::chooseTab(EditorTab tab) {
    if (tab == EditorTab::animate) {
        session_.fitImage();
    } else if (session_.lastNonAnimationTab() != tab) {
        session_.setLastNonAnimationTab(tab);
    }
    if (session_.selectedTab() != tab) session_.setSelectedTab(tab);
    session_.updateZoomHint(true, std::nullopt);
}

void EditorViewportHeader::zoomSliderMoved(double value) {
    const double zoom = std::exp2(value);
    if (zoom > kFitTolerance) {
        session_.setZoom(zoom);
    } else {
        session_.fitImage();
    }
}

void EditorViewportHeader::setOutputBusy(bool busy) {
    if (outputBusy_ == busy) return;
    outputBusy_ = busy;
    refresh();
}

void EditorViewportHeader::connectSession() {
    connect(&session_, &EditorSession::selectedTabChanged, this, &EditorViewportHeader::refresh);
    connect(&session_, &EditorSession::zoomFactorChanged, this, &EditorViewportHeader::refresh);
    connect(&session_, &EditorSession::fitScaleChanged, this, &EditorViewportHeader::refresh);
    connect(&session_, &EditorSession::isMoveModeChanged, this, &EditorViewportHeader::refresh);
    connect(&session_, &EditorSession::showsComparisonLabelsChanged, this, &EditorViewportHeader::refresh);
}

void EditorViewportHeader::refresh() {
    const EditorTab selected = session_.selectedTab();
    for (const auto& [tab, button] : tabButtons_) button->setSelected(tab == selected);
    tabBar_->setEnabled(!outputBusy_);
    zoomGroup_->setEnabled(selected != EditorTab::animate && !outputBusy_);

    zoomSlider_->setDoubleValue(std::log2(std::max(session_.zoomFactor(), 1.0)));
    zoomReadout_->setText(EditorScreenTexts::zoomPercent(session_.zoomSliderPercent()));
    moveButton_->setSelected(session_.isMoveMode());
    labelButton_->setSelected(selected == EditorTab::comparison && session_.showsComparisonLabels());
    layoutRow();
}

void EditorViewportHeader::resizeEvent(QResizeEvent*) { layoutRow(); }

void EditorViewportHeader::showEvent(QShowEvent*) { layoutRow(); }

void EditorViewportHeader::layoutRow() {
    scroller_->setGeometry(rect());
    measureRow();
    fitRowToContent();
}

void EditorViewportHeader::measureRow() {
    // A selected tab's heavier title widens it; the size hints cached along the way up
    // must be fresh before the row is measured.
    for (QWidget* part : {tabBar_, zoomGroup_}) {
        part->layout()->invalidate();
        part->updateGeometry();
    }
    rowLayout_->invalidate();
}

void EditorViewportHeader::fitRowToContent() {
    // The row is at least as wide as the band, so the zoom group keeps to the right
    // edge; a wider row scrolls.
    row_->resize(std::max(row_->sizeHint().width(), width()), height());
    refreshScrollButtons();
}

std::vector<std::pair<int, int>> EditorViewportHeader::controlSpans() const {
    std::vector<std::pair<int, int>> spans;
    for (const QWidget* part : {tabBar_, zoomGroup_}) {
        for (const QWidget* control : part->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (control->isHidden()) continue;
            const int left = control->mapTo(row_, QPoint(0, 0)).x();
            spans.emplace_back(left, left + control->width());
        }
    }
    std::sort(spans.begin(), spans.end());
    return spans;
}

void EditorViewportHeader::refreshScrollButtons() {
    // Each chevron stands over its end of the band while more lies beyond it, and
    // reaches on over any control that end would show only in part.
    const QScrollBar* bar = scroller_->horizontalScrollBar();
    const int offset = bar->value();
    const int end = offset + width();
    const std::vector<std::pair<int, int>> spans = controlSpans();
    int back = 0;
    if (offset > bar->minimum()) {
        back = kScrollButtonWidth;
        for (const auto& [left, right] : spans) {
            if (right > offset && left < offset + back) back = std::max(back, right - offset);
        }
    }
    int forward = 0;
    if (offset < bar->maximum()) {
        forward = kScrollButtonWidth;
        for (auto span = spans.rbegin(); span != spans.rend(); ++span) {
            if (span->first < end && span->second > end - forward) forward = std::max(forward, end - span->first);
        }
    }
    forward = std::min(forward, width() - back);

    // Clear of the line along the band's bottom edge.
    const int buttonHeight = height() - 1;
    scrollBackButton_->setGeometry(0, 0, back, buttonHeight);
    scrollForwardButton_->setGeometry(width() - forward, 0, forward, buttonHeight);
    const QColor band = opaqueBandColour(*this);
    scrollBackButton_->setBandColour(band);
    scrollForwardButton_->setBandColour(band);
    scrollBackButton_->setVisible(back > 0);
    scrollForwardButton_->setVisible(forward > 0);
    scrollBackButton_->raise();
    scrollForwardButton_->raise();
}

void EditorViewportHeader::scrollByPage(int direction) {
    // A page on, the first control the forward chevron covers comes to stand just after
    // the back chevron; a page back, the last one the back chevron covers comes to stand
    // just before the forward one.
    QScrollBar* bar = scroller_->horizontalScrollBar();
    const int offset = bar->value();
    const int clearLeft = offset + (scrollBackButton_->isVisible() ? scrollBackButton_->width() : 0);
    const int clearRight = offset + width() - (scrollForwardButton_->isVisible() ? scrollForwardButton_->width() : 0);
    std::optional<int> target;
    for (const auto& [left, right] : controlSpans()) {
        if (direction > 0 && right > clearRight) {
            target = left - kScrollButtonWidth;
            break;
        }
        if (direction < 0 && left < clearLeft) target = right + kScrollButtonWidth - width();
    }
    // A control wider than the band between two chevrons: a plain page.
    if (!target || (*target - offset) * direction <= 0) {
        target = offset + direction * std::max(width() - 2 * kScrollButtonWidth, kScrollButtonWidth);
    }
    bar->setValue(std::clamp(*target, bar->minimum(), bar->maximum()));
}

void EditorViewportHeader::bringIntoView(const QWidget& control) {
    // Clear of the chevron that stands at either end while more lies beyond it.
    QScrollBar* bar = scroller_->horizontalScrollBar();
    const int left = control.mapTo(row_, QPoint(0, 0)).x();
    const int right = left + control.width();
    int value = bar->value();
    if (left - kScrollButtonWidth < value) {
        value = left - kScrollButtonWidth;
    } else if (right + kScrollButtonWidth > value + width()) {
        value = right + kScrollButtonWidth - width();
    }
    bar->setValue(std::clamp(value, bar->minimum(), bar->maximum()));
}

bool EditorViewportHeader::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched != row_ && watched != scroller_->viewport()) {
        bringIntoView(*static_cast<QWidget*>(watched));
    }
    // The row lives in the scroller, outside any layout: when its content asks for
    // more room (or less), the row itself must follow.
    if (watched == row_ && event->type() == QEvent::LayoutRequest) fitRowToContent();
    // The band only scrolls sideways, so an ordinary wheel turn scrolls it that way.
    if (watched == scroller_->viewport() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        QScrollBar* bar = scroller_->horizontalScrollBar();
        const QPoint delta = wheel->angleDelta();
        const int steps = std::abs(delta.x()) > std::abs(delta.y()) ? delta.x() : delta.y();
        if (bar->maximum() > 0 && steps != 0) {
            bar->setValue(bar->value() - steps / 2);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void EditorViewportHeader::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), EditorPalette::headerFill());
    painter.fillRect(QRect(0, height() - 1, width(), 1), EditorPalette::divider());
}

}  // namespace vlt

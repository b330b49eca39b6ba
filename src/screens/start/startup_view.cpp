#include "screens/start/startup_view.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QPainter>
#include <QVBoxLayout>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

#include "screens/start/brand_header.h"
#include "screens/start/import_information.h"
#include "screens/start/import_target.h"
#include "model/app_model.h"
#include "screens/start/shortcut_reference.h"
#include "screens/start/startup_palette.h"
#include "screens/start/startup_toolbar.h"
#include "base/scheduler.h"
#include "ui/motion_preference.h"
#include "ui/vertical_scroll_area.h"
#include "ui/workspace_grid.h"

namespace vlt {
namespace {

constexpr int kSideMargin = 40;
constexpr int kEndMargin = 26;

// Holds the content column: centred, at most 760 wide, 40 from the sides and 26 from
// the ends, lowered by the entrance offset without changing the scrolled height.
class ColumnHost final : public QWidget {
public:
    ColumnHost(QWidget* column, QWidget* parent) : QWidget(parent), column_(column) {
        column_->setParent(this);
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

    void setOffset(double offset) {
        offset_ = offset;
        placeColumn();
    }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return columnHeight(columnWidth(width)) + 2 * kEndMargin; }
    QSize sizeHint() const override {
        const int width = StartupView::maximumColumnWidth + 2 * kSideMargin;
        return {width, heightForWidth(width)};
    }
    QSize minimumSizeHint() const override { return {0, heightForWidth(width())}; }

protected:
    void resizeEvent(QResizeEvent*) override { placeColumn(); }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest) {
            updateGeometry();
            placeColumn();
        }
        return QWidget::event(event);
    }

private:
    static int columnWidth(int hostWidth) {
        return std::clamp(hostWidth - 2 * kSideMargin, 0, StartupView::maximumColumnWidth);
    }
    int columnHeight(int width) const {
        const int forWidth = column_->hasHeightForWidth() ? column_->heightForWidth(width) : -1;
        return forWidth >= 0 ? forWidth : column_->sizeHint().height();
    }
    void placeColumn() {
        const int width = columnWidth(this->width());
        const int x = (this->width() - width) / 2;
        const int y = kEndMargin + static_cast<int>(std::lround(offset_));
        column_->setGeometry(x, y, width, columnHeight(width));
    }

    QWidget* column_;
    double offset_ = 0.0;
};

// The page area: the grid stays still beneath the scrolling content.
class PageArea final : public QWidget {
public:
    PageArea(WorkspaceGrid* grid, QScrollArea* scrollArea, QWidget* parent)
        : QWidget(parent), grid_(grid), scrollArea_(scrollArea) {
        grid_->setParent(this);
        scrollArea_->setParent(this);
        grid_->lower();
    }

protected:
    void resizeEvent(QResizeEvent*) override {
        grid_->setGeometry(rect());
        scrollArea_->setGeometry(rect());
    }

private:
    WorkspaceGrid* grid_;
    QScrollArea* scrollArea_;
};

QEasingCurve easeOut() {
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.0, 0.0), QPointF(0.58, 1.0), QPointF(1.0, 1.0));
    return curve;
}

}  // namespace

StartupView::StartupView(AppModel& model, Scheduler& scheduler, MotionPreference& motion, QWidget* parent)
    : QWidget(parent), model_(&model), scheduler_(scheduler), motion_(motion) {
    setObjectName(QStringLiteral("startupView"));
    toolbar_ = new StartupToolbar(model, this);

    column_ = new QWidget;
    column_->setObjectName(QStringLiteral("startupColumn"));
    auto* brandHeader = new BrandHeader(column_);
    importTarget_ = new ImportTarget(model, column_);
    auto* information = new ImportInformation(column_);
    shortcutReference_ = new ShortcutReference(model, column_);
    auto* columnLayout = new QVBoxLayout(column_);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->setSpacing(0);
    columnLayout->addWidget(brandHeader);
    columnLayout->addSpacing(18);
    columnLayout->addWidget(importTarget_);
    columnLayout->addSpacing(14);
    columnLayout->addWidget(information);
    columnLayout->addSpacing(26);
    columnLayout->addWidget(shortcutReference_);

    auto* host = new ColumnHost(column_, nullptr);
    content_ = host;
    auto* scrollArea = new VerticalScrollArea;
    scrollArea->setObjectName(QStringLiteral("startupScrollArea"));
    scrollArea->setContent(host);
    scrollArea_ = scrollArea;

    grid_ = new WorkspaceGrid;
    auto* pageArea = new PageArea(grid_, scrollArea_, this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar_);
    layout->addWidget(pageArea, 1);

    if (motion_.reduceMotion()) {
        hasEntered_ = true;
        setEntranceProgress(1.0);
    } else {
        setEntranceProgress(0.0);
    }
}

double StartupView::entranceOpacity() const { return entranceProgress_; }

double StartupView::entranceOffset() const { return entranceRise * (1.0 - entranceProgress_); }

void StartupView::setEntranceProgress(double progress) {
    entranceProgress_ = progress;
    if (progress < 1.0) {
        if (columnOpacity_ == nullptr) {
            columnOpacity_ = new QGraphicsOpacityEffect(column_);
            column_->setGraphicsEffect(columnOpacity_);
        }
        columnOpacity_->setOpacity(progress);
    } else if (columnOpacity_ != nullptr) {
        column_->setGraphicsEffect(nullptr);
        columnOpacity_ = nullptr;
    }
    static_cast<ColumnHost*>(content_)->setOffset(entranceOffset());
}

void StartupView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (hasEntered_ || entranceScheduled_) return;
    if (motion_.reduceMotion()) {
        hasEntered_ = true;
        setEntranceProgress(1.0);
        return;
    }
    // One turn later, so the first frame shows the column at its starting place.
    entranceScheduled_ = true;
    QPointer<StartupView> guard(this);
    scheduler_.post([guard] {
        if (!guard || guard->hasEntered_) return;
        guard->hasEntered_ = true;
        guard->entrance_ = new QVariantAnimation(guard);
        guard->entrance_->setStartValue(0.0);
        guard->entrance_->setEndValue(1.0);
        guard->entrance_->setDuration(static_cast<int>(entranceSeconds * 1000.0));
        guard->entrance_->setEasingCurve(easeOut());
        StartupView* view = guard.data();
        connect(view->entrance_, &QVariantAnimation::valueChanged, view,
                [view](const QVariant& value) { view->setEntranceProgress(value.toDouble()); });
        guard->entrance_->start(QAbstractAnimation::DeleteWhenStopped);
    });
}

void StartupView::settleEntrance() {
    hasEntered_ = true;
    if (entrance_) entrance_->stop();
    setEntranceProgress(1.0);
}

void StartupView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), StartupPalette::background());
}

}  // namespace vlt

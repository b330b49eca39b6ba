#pragma once

#include <QPointer>
#include <QWidget>

class QGraphicsOpacityEffect;
class QScrollArea;
class QVariantAnimation;

#include "model/app_model.h"

namespace vlt {

class BrandHeader;
class ImportTarget;
class MotionPreference;
class Scheduler;
class ShortcutReference;
class StartupToolbar;
class WorkspaceGrid;

// The start page, shown while no photograph is open: the toolbar, and over the grid
// backdrop a scrolling column (at most 760 wide) of the brand header, the import card,
// the information panel and the shortcut card. The column enters once, fading in while
// it rises 50 points (ease-out 0.65 s, one turn after the page first shows); under
// reduced motion it is in place from the first frame.
class StartupView final : public QWidget {
    Q_OBJECT

public:
    StartupView(AppModel& model, Scheduler& scheduler, MotionPreference& motion, QWidget* parent = nullptr);

    bool hasEntered() const { return hasEntered_; }
    // The page is leaving: the column stands in its place at once, without an effect
    // of its own, since Qt cannot paint the page's fading effect around another one.
    void settleEntrance();
    // The column's entrance state: opacity 0…1 and its distance below its place.
    double entranceOpacity() const;
    double entranceOffset() const;

    StartupToolbar* toolbar() const { return toolbar_; }
    ImportTarget* importTarget() const { return importTarget_; }
    ShortcutReference* shortcutReference() const { return shortcutReference_; }
    WorkspaceGrid* workspaceGrid() const { return grid_; }
    QScrollArea* scrollArea() const { return scrollArea_; }
    QWidget* contentColumn() const { return column_; }

    static constexpr int maximumColumnWidth = 760;
    static constexpr double entranceRise = 50.0;
    static constexpr double entranceSeconds = 0.65;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void setEntranceProgress(double progress);

    QPointer<AppModel> model_;
    Scheduler& scheduler_;
    MotionPreference& motion_;
    StartupToolbar* toolbar_;
    WorkspaceGrid* grid_;
    QScrollArea* scrollArea_;
    QWidget* content_;
    QWidget* column_;
    ImportTarget* importTarget_;
    ShortcutReference* shortcutReference_;
    QGraphicsOpacityEffect* columnOpacity_ = nullptr;
    QPointer<QVariantAnimation> entrance_;
    double entranceProgress_ = 0.0;
    bool hasEntered_ = false;
    bool entranceScheduled_ = false;
};

}  // namespace vlt

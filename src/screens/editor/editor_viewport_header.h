#pragma once

#include <map>
#include <utility>
#include <vector>

#include <QWidget>

#include "editing/session/editor_tab.h"

class QHBoxLayout;
class QLabel;
class QScrollArea;

namespace vlt {

class EditorContinuousSlider;
class EditorHeaderScrollButton;
class EditorSession;
class EditorTabButton;
class EditorTextButton;

// The 52-point band above the canvas: the tabs on the left; on the right the zoom
// caption, the zoom slider (Fit to sixteen times Fit on a log2 scale), the readout
// that doubles as the one-to-one button, and "Fit", "Move" and "Label". While an
// animation video is saved (output busy) the tabs and the zoom group are disabled; on
// the Animate tab the zoom group is. A band narrower than its controls scrolls sideways
// rather than squeezing them, by the wheel, by the chevrons that stand at each end with
// more beyond it, or as the keyboard focus moves to a control out of view. A chevron
// covers every control it would cut, so each control shows whole or not at all.
class EditorViewportHeader final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 52;
    static constexpr double kZoomSliderMaximum = 4.0;

    explicit EditorViewportHeader(EditorSession& session, QWidget* parent = nullptr);

    void setOutputBusy(bool busy);
    bool isOutputBusy() const { return outputBusy_; }

    EditorTabButton* tabButton(EditorTab tab) const { return tabButtons_.at(tab); }
    QWidget* tabBar() const { return tabBar_; }
    QWidget* zoomGroup() const { return zoomGroup_; }
    QLabel* zoomCaption() const { return zoomCaption_; }
    EditorContinuousSlider* zoomSlider() const { return zoomSlider_; }
    EditorTextButton* zoomReadout() const { return zoomReadout_; }
    EditorTextButton* fitButton() const { return fitButton_; }
    EditorTextButton* moveButton() const { return moveButton_; }
    EditorTextButton* labelButton() const { return labelButton_; }
    // Shown only while controls lie beyond that end of the band; as wide as the
    // controls it covers there need.
    EditorHeaderScrollButton* scrollBackButton() const { return scrollBackButton_; }
    EditorHeaderScrollButton* scrollForwardButton() const { return scrollForwardButton_; }

    // The zoom that shows one canvas pixel per layout point, within 1...16.
    static double oneToOneZoom(double fitScale);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* makeTabBar(QWidget* parent);
    QWidget* makeZoomGroup(QWidget* parent);
    void layoutRow();
    void measureRow();
    void fitRowToContent();
    // Where each control of the row stands, left to right: its left and right edge.
    std::vector<std::pair<int, int>> controlSpans() const;
    void refreshScrollButtons();
    void scrollByPage(int direction);
    void bringIntoView(const QWidget& control);
    void chooseTab(EditorTab tab);
    void zoomSliderMoved(double value);
    void connectSession();
    void refresh();

    EditorSession& session_;
    bool outputBusy_ = false;
    QScrollArea* scroller_ = nullptr;
    QWidget* row_ = nullptr;
    QHBoxLayout* rowLayout_ = nullptr;
    QWidget* tabBar_ = nullptr;
    QWidget* zoomGroup_ = nullptr;
    std::map<EditorTab, EditorTabButton*> tabButtons_;
    QLabel* zoomCaption_ = nullptr;
    EditorContinuousSlider* zoomSlider_ = nullptr;
    EditorTextButton* zoomReadout_ = nullptr;
    EditorTextButton* fitButton_ = nullptr;
    EditorTextButton* moveButton_ = nullptr;
    EditorTextButton* labelButton_ = nullptr;
    EditorHeaderScrollButton* scrollBackButton_ = nullptr;
    EditorHeaderScrollButton* scrollForwardButton_ = nullptr;
};

}  // namespace vlt

#pragma once

#include <map>

#include <QWidget>

#include "editing/engine/editor_mode.h"
#include "editing/engine/editor_tool.h"

class QVBoxLayout;

namespace vlt {

class EditorLabelButton;
class EditorModeButton;
class EditorSession;
class EditorToolButton;
class VerticalScrollArea;

// The column at the left of the editor: the mode switch, the tools of the current mode
// in a scrolling list, and the collapse button. Expanded it is 108 points wide with
// titles, collapsed 58 with icons only. Every button of every mode exists once; a
// mode change only shows the other mode's tools.
class EditorToolRail final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kExpandedWidth = 108;
    static constexpr int kCollapsedWidth = 58;

    explicit EditorToolRail(EditorSession& session, QWidget* parent = nullptr);

    EditorModeButton* modeButton(EditorMode mode) const { return modeButtons_.at(mode); }
    EditorToolButton* toolButton(EditorTool tool) const { return toolButtons_.at(tool); }
    EditorLabelButton* collapseButton() const { return collapseButton_; }
    VerticalScrollArea* toolList() const { return toolList_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* makeModeGroup();
    QWidget* makeDivider();
    VerticalScrollArea* makeToolList();
    EditorLabelButton* makeCollapseButton();
    void connectSession();
    void refresh();
    void revealActiveTool();

    EditorSession& session_;
    QVBoxLayout* modeLayout_ = nullptr;
    QVBoxLayout* toolLayout_ = nullptr;
    std::map<EditorMode, EditorModeButton*> modeButtons_;
    std::map<EditorTool, EditorToolButton*> toolButtons_;
    VerticalScrollArea* toolList_ = nullptr;
    EditorLabelButton* collapseButton_ = nullptr;
    bool revealAfterLayout_ = false;
};

}  // namespace vlt

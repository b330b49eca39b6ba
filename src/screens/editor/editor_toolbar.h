#pragma once

#include <QPointer>
#include <QWidget>

class QAction;
class QMenu;

namespace vlt {

class AppModel;
class EditorHistoryButton;
class EditorImageButton;
class EditorLabelButton;
class EditorOutputButtonSurface;
class EditorSession;
class EditorTextButton;

// The white bar across the top of the editor: logo, "Open another image", Undo, Redo
// and "Reset all", the Output menu and Settings. Every control forwards to the model
// or to the commands the canvas installed in the session; the bar only decides when
// each is enabled, and follows the model's and the session's changes in place.
class EditorToolbar final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 66;

    EditorToolbar(AppModel& model, EditorSession& session, QWidget* parent = nullptr);

    EditorTextButton* openAnotherImageButton() const { return openButton_; }
    EditorHistoryButton* undoButton() const { return undoButton_; }
    EditorHistoryButton* redoButton() const { return redoButton_; }
    EditorLabelButton* resetButton() const { return resetButton_; }
    EditorOutputButtonSurface* outputButton() const { return outputButton_; }
    QMenu* outputMenu() const { return outputMenu_; }
    QAction* saveImagesAction() const { return saveImagesAction_; }
    QAction* saveVideoAction() const { return saveVideoAction_; }
    QAction* shareAction() const { return shareAction_; }
    QAction* printAction() const { return printAction_; }
    EditorImageButton* settingsButton() const { return settingsButton_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* makeHistoryGroup();
    void buildOutputMenu();
    void connectModel();
    void refresh();

    QPointer<AppModel> model_;
    EditorSession& session_;
    EditorTextButton* openButton_ = nullptr;
    EditorHistoryButton* undoButton_ = nullptr;
    EditorHistoryButton* redoButton_ = nullptr;
    EditorLabelButton* resetButton_ = nullptr;
    EditorOutputButtonSurface* outputButton_ = nullptr;
    QMenu* outputMenu_ = nullptr;
    QAction* saveImagesAction_ = nullptr;
    QAction* saveVideoAction_ = nullptr;
    QAction* shareAction_ = nullptr;
    QAction* printAction_ = nullptr;
    EditorImageButton* settingsButton_ = nullptr;
};

}  // namespace vlt

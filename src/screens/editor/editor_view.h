#pragma once

#include <memory>

#include <QPointer>
#include <QUuid>
#include <QWidget>

#include "screens/editor/editor_view_services.h"

namespace vlt {

class AppModel;
class EditorCollapsedInspectorStrip;
class EditorInspector;
class EditorPersistentMessage;
class EditorSession;
class EditorStatusBar;
class EditorToolRail;
class EditorToolbar;
class EditorTransientMessage;
class EditorViewportHeader;

// The editor screen: the window's content while the model holds an editor session.
// The toolbar runs across the top; below it the tool rail, the column of viewport
// header, canvas and status bar, and the inspector or the strip that brings it back.
// Over the canvas it shows the session's banners, and the text sheet while a text
// entry is pending. It keeps no state of its own: every part reads the model and the
// session and updates in place when they change.
class EditorView final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTransientTopPadding = 68;
    static constexpr int kTransientSidePadding = 24;
    static constexpr int kPersistentPadding = 12;

    EditorView(AppModel& model, std::shared_ptr<EditorSession> session,
               EditorViewServices services = EditorViewServices::standard(), QWidget* parent = nullptr);
    ~EditorView() override;

    const std::shared_ptr<EditorSession>& session() const { return session_; }

    // The Animate tab or a running video save: the rail, the inspector and the strip
    // are disabled (but shown).
    bool isEditingLocked() const;
    // The canvas reports that it cannot use the GPU.
    void reportGraphicsFailure();

    EditorToolbar* toolbar() const { return toolbar_; }
    EditorToolRail* toolRail() const { return toolRail_; }
    EditorViewportHeader* viewportHeader() const { return header_; }
    QWidget* viewportBlock() const { return viewportBlock_; }
    QWidget* canvas() const { return canvas_.widget; }
    EditorStatusBar* statusBar() const { return statusBar_; }
    EditorInspector* inspector() const { return inspector_; }
    EditorCollapsedInspectorStrip* inspectorStrip() const { return strip_; }
    EditorTransientMessage* transientBanner() const { return transientBanner_; }
    EditorPersistentMessage* persistentBanner() const { return persistentBanner_; }
    QWidget* textEntrySheet() const { return textEntrySheet_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* makeCentreColumn(QWidget* parent);
    void connectModel();
    void refreshLocks();
    void refreshInspector();
    void refreshBanners();
    void refreshTextEntrySheet();
    void placeBanners();
    void closeTextEntrySheet();
    void cancelTextEntry();
    void commitTextEntry(const QString& text);

    QPointer<AppModel> model_;
    std::shared_ptr<EditorSession> session_;
    EditorViewServices services_;
    EditorToolbar* toolbar_ = nullptr;
    EditorToolRail* toolRail_ = nullptr;
    EditorViewportHeader* header_ = nullptr;
    QWidget* viewportBlock_ = nullptr;
    EditorCanvasHost canvas_;
    EditorStatusBar* statusBar_ = nullptr;
    EditorInspector* inspector_ = nullptr;
    EditorCollapsedInspectorStrip* strip_ = nullptr;
    EditorTransientMessage* transientBanner_ = nullptr;
    EditorPersistentMessage* persistentBanner_ = nullptr;
    QPointer<QWidget> textEntrySheet_;
    QUuid textEntrySheetRequestID_;
    bool lastSuspended_ = false;
};

}  // namespace vlt

#pragma once

#include <QAbstractButton>
#include <QPointer>

class QLabel;
class QMimeData;

#include "model/app_model.h"

namespace vlt {

// The start page's drop and browse card. A click anywhere on it opens the open panel;
// a drop of one local file hands that file to the model. While an import runs it shows
// a spinner and ignores clicks. The model's inline import error shows beneath.
class ImportTarget final : public QAbstractButton {
    Q_OBJECT

public:
    explicit ImportTarget(AppModel& model, QWidget* parent = nullptr);

    // Takes a drop: true when it was handled (imported or refused with a message),
    // false when it was refused silently because the model is busy.
    bool handleDrop(const QMimeData& mimeData);

    bool isHovering() const { return isHovering_; }
    bool isDropTargeted() const { return isDropTargeted_; }
    QLabel* headlineLabel() const { return headline_; }
    QLabel* errorLabel() const { return error_; }
    QWidget* loadingContent() const { return loading_; }
    QWidget* normalContent() const { return normal_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    static constexpr double cornerRadius = 15.0;
    static constexpr int minimumHeight = 238;

protected:
    // Return and Enter open the panel as Space does, as for a default button.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool isDropRefused() const;
    void setDropTargeted(bool targeted);
    void refresh();

    QPointer<AppModel> model_;
    QWidget* normal_;
    QWidget* loading_;
    QLabel* headline_;
    QLabel* error_;
    bool isHovering_ = false;
    bool isDropTargeted_ = false;
};

}  // namespace vlt

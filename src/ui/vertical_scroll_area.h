#pragma once

#include <QScrollArea>

class QScrollBar;

namespace vlt {

// A frameless area that scrolls its content vertically only, for side columns, pages
// and dialog lists. Its scroller is a slim handle without arrows, so a narrow column
// keeps most of its width; viewport and content are transparent, so the background of
// whatever holds the area shows through.
class VerticalScrollArea final : public QScrollArea {
    Q_OBJECT

public:
    explicit VerticalScrollArea(QWidget* parent = nullptr);

    // The content takes the area's width and scrolls when it is taller.
    void setContent(QWidget* content);

    // Floats the scroller over the content's trailing edge instead of beside it, so a
    // column as narrow as its buttons keeps its whole width and still shows where the
    // list stands. The scroller shows while there is more than fits.
    void useOverlayScroller();
    // The floating scroller; null unless useOverlayScroller() was called.
    QScrollBar* overlayScroller() const { return overlay_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeOverlayScroller();
    void followContentRange();

    QScrollBar* overlay_ = nullptr;
};

}  // namespace vlt

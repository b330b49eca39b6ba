#pragma once

#include <QScrollArea>

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

    // Hides the scroller: the content still follows the wheel and the keyboard focus,
    // and a soft fade into `background` marks each edge beyond which there is more.
    void useEdgeFades(const QColor& background);
    bool usesEdgeFades() const { return fades_ != nullptr; }
    // Whether the top or the bottom edge fades now: there is content beyond it.
    bool fadesTop() const;
    bool fadesBottom() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    class EdgeFades;
    EdgeFades* fades_ = nullptr;
};

}  // namespace vlt

#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTextEdit>

namespace vlt {

// Names shown one per line and selectable as text. A name never breaks over lines: one
// wider than the room scrolls sideways, a scroll bar under the names while any runs
// past the edge, so each can still be read and copied whole. The list is as tall as its
// lines (and that bar) and never scrolls up or down.
class SelectableNameList final : public QTextEdit {
    Q_OBJECT

public:
    SelectableNameList(const QFont& font, const QColor& colour, QWidget* parent = nullptr);

    void setNames(const QStringList& names);
    QStringList names() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace vlt

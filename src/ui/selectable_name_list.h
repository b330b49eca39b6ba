#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTextEdit>

namespace vlt {

// Names shown one per line and selectable as text. File names carry few places where a
// line may break ("IMG_20261207_153012-2026-12-07-" has none), so a name wider than its
// room breaks anywhere rather than running past the edge; the list is as tall as its
// lines at the width it is given and never scrolls.
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

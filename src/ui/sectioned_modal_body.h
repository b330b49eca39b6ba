#pragma once

#include <QString>

class QVBoxLayout;
class QWidget;

namespace vlt {

class VerticalScrollArea;

// The body of a dialog whose sections are chosen on a rail: the rail at the leading
// edge, a one-point divider, then the sections in one white column that scrolls. The
// dialog adds its sections to `column`, then calls finish().
class SectionedModalBody {
public:
    SectionedModalBody(QWidget* parent, QWidget* rail, const QString& contentName, int sectionSpacing);

    // Gives the column its trailing stretch and puts it in the scroll area.
    void finish();

    QWidget* widget() const { return widget_; }
    VerticalScrollArea* contentArea() const { return contentArea_; }
    QWidget* content() const { return content_; }
    QVBoxLayout* column() const { return column_; }

    static constexpr int dividerWidth = 1;

private:
    QWidget* widget_;
    VerticalScrollArea* contentArea_;
    QWidget* content_;
    QVBoxLayout* column_;
};

}  // namespace vlt

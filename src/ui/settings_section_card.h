#pragma once

#include <QWidget>

class QVBoxLayout;

namespace vlt {

// The white card that holds a settings section's controls: a 1-point outline in the
// card-border colour on a rounded rectangle of radius 7, 16 points of padding on every
// side, 8 points of space above it, stretched to the full width. The section puts its
// rows into column() and chooses their spacing.
class SettingsSectionCard final : public QWidget {
    Q_OBJECT

public:
    explicit SettingsSectionCard(QWidget* parent = nullptr);

    QVBoxLayout* column() const { return column_; }

    static constexpr int padding = 16;
    static constexpr int spaceAbove = 8;
    static constexpr double cornerRadius = 7.0;

    // The card's own rectangle, below the space above it.
    QRect cardRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVBoxLayout* column_;
};

}  // namespace vlt

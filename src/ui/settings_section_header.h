#pragma once

#include <QWidget>

class QLabel;

namespace vlt {

// The top of a settings section: its title over a description that wraps onto as many
// lines as it needs, 7 points apart.
class SettingsSectionHeader final : public QWidget {
    Q_OBJECT

public:
    SettingsSectionHeader(const QString& title, const QString& description, QWidget* parent = nullptr);

    QLabel* titleLabel() const { return title_; }
    QLabel* descriptionLabel() const { return description_; }

private:
    QLabel* title_;
    QLabel* description_;
};

}  // namespace vlt

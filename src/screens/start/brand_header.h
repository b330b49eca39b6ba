#pragma once

#include <QWidget>

class QLabel;

namespace vlt {

// The brand mark beside the product name and tagline, read as one element.
class BrandHeader final : public QWidget {
    Q_OBJECT

public:
    explicit BrandHeader(QWidget* parent = nullptr);

    QLabel* nameLabel() const { return name_; }
    QWidget* markFrame() const { return markFrame_; }

private:
    QLabel* name_;
    QWidget* markFrame_;
};

}  // namespace vlt

#pragma once

#include <QWidget>

namespace vlt {

// The panel under the import card: the supported formats and the privacy promise.
class ImportInformation final : public QWidget {
    Q_OBJECT

public:
    explicit ImportInformation(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vlt

#pragma once

#include <QPointer>
#include <QWidget>

class QAbstractButton;

#include "model/app_model.h"

namespace vlt {

// The start page's white top bar, 66 points high, with the Settings button at the right.
class StartupToolbar final : public QWidget {
    Q_OBJECT

public:
    explicit StartupToolbar(AppModel& model, QWidget* parent = nullptr);

    QAbstractButton* settingsButton() const { return settingsButton_; }

    static constexpr int height = 66;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<AppModel> model_;
    QAbstractButton* settingsButton_;
};

}  // namespace vlt

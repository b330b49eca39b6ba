#pragma once

#include <QPointer>
#include <QWidget>

namespace vlt {

// The outline every dialog text field wears, drawn over the field: a rounded rectangle
// of radius 5, 2 points wide in the accent colour while the field has the keyboard
// focus, otherwise 1.25 points wide in the field-border colour. It follows the field's
// size and focus by itself and takes no input.
class SettingsFieldBorder final : public QWidget {
    Q_OBJECT

public:
    // Lays a border over the field; the field owns it.
    static SettingsFieldBorder* attach(QWidget& field);

    static constexpr double cornerRadius = 5.0;
    static constexpr double focusedWidth = 2.0;
    static constexpr double unfocusedWidth = 1.25;

    bool showsFocus() const;
    static void paint(QPainter& painter, const QRectF& rect, bool focused);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit SettingsFieldBorder(QWidget& field);

    QPointer<QWidget> field_;
};

}  // namespace vlt

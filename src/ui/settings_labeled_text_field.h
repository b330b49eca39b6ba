#pragma once

#include <QWidget>

class QLabel;

namespace vlt {

class SettingsTextField;

// A label over a single-line text field, 5 points apart, stretched to the width given;
// a label longer than that width wraps.
// The label also names the field for assistive technologies.
class SettingsLabeledTextField final : public QWidget {
    Q_OBJECT

public:
    explicit SettingsLabeledTextField(const QString& label, QWidget* parent = nullptr);

    QLabel* label() const { return label_; }
    SettingsTextField* field() const { return field_; }

private:
    QLabel* label_;
    SettingsTextField* field_;
};

// The label style of the dialog's fields: callout, medium weight; on one line unless it wraps.
QLabel* makeSettingsFieldLabel(const QString& text, QWidget* parent, bool wraps = false);

}  // namespace vlt

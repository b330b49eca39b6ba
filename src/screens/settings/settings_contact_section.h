#pragma once

#include <QWidget>
#include <map>

#include "screens/settings/settings_contact_field.h"

class QLabel;

namespace vlt {

class SettingsDraftController;
class SettingsTextEditor;
class SettingsTextField;

// The contact information section: name, e-mail, phone number, web site, address and
// a free text line, each written to the settings on every edit. An invalid e-mail
// address or web site shows its message under the field and is not stored.
class SettingsContactSection final : public QWidget {
    Q_OBJECT

public:
    SettingsContactSection(SettingsDraftController& controller, QWidget* parent = nullptr);

    void refresh();

    // The control of a field: a text field, or the address editor.
    QWidget* control(SettingsContactField field) const;
    SettingsTextField* textField(SettingsContactField field) const;
    SettingsTextEditor* addressEditor() const { return address_; }
    QLabel* emailMessage() const { return emailMessage_; }
    QLabel* websiteMessage() const { return websiteMessage_; }

    static QString websiteMessageText();

private:
    QWidget* makeFieldColumn(SettingsContactField field, const QString& label, QLabel** message,
                             const QString& messageText);

    SettingsDraftController& controller_;
    std::map<SettingsContactField, SettingsTextField*> fields_;
    SettingsTextEditor* address_ = nullptr;
    QLabel* emailMessage_ = nullptr;
    QLabel* websiteMessage_ = nullptr;
    bool isRefreshing_ = false;
};

}  // namespace vlt

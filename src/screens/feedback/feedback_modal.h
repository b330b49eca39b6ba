#pragma once

#include <QPointer>

#include "model/app_model.h"
#include "ui/modal_host.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QScrollArea;

namespace vlt {

class ModalCloseButton;
class SettingsTextEditor;
class SettingsTextField;

// The Send Feedback sheet over the model's feedback area: the form (name, e-mail,
// message, the validation message and the outcome of a failed send), the sending
// notice or the received notice, chosen from the model's state alone. It edits the
// texts and calls the model's Send and dismissal; it validates and sends nothing
// itself.
//
// Closing (close icon, Cancel, Close, Escape) runs once and not while sending; once a
// close has begun, Send and Return are ignored and the footer buttons are disabled, so
// a submission can never start under a sheet that is already fading out.
class FeedbackModal final : public ModalHost {
    Q_OBJECT

public:
    enum class Phase { form, sending, received };

    FeedbackModal(AppModel& model, QWidget* parent, Scheduler& scheduler, MotionPreference& motion);

    // Starts a close unless a submission runs or a close already runs.
    void close();

    Phase phase() const { return phase_; }
    ModalCloseButton* headerCloseButton() const { return headerCloseButton_; }
    SettingsTextField* nameField() const { return nameField_; }
    SettingsTextField* emailField() const { return emailField_; }
    SettingsTextEditor* messageEditor() const { return messageEditor_; }
    QLabel* validationLabel() const { return validationLabel_; }
    QLabel* statusLabel() const { return statusLabel_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QPushButton* sendButton() const { return sendButton_; }
    QPushButton* sendingButton() const { return sendingButton_; }
    QPushButton* closeButton() const { return closeButton_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildForm();
    QWidget* buildSendingNotice();
    QWidget* buildReceivedNotice();
    void buildFooter(QWidget* footer);
    void connectModel();
    void refresh();
    void send();
    void editDraft();
    void fitMessageEditorToText();

    QPointer<AppModel> model_;
    Phase phase_ = Phase::form;
    ModalCloseButton* headerCloseButton_ = nullptr;
    QStackedWidget* body_ = nullptr;
    QScrollArea* form_ = nullptr;
    SettingsTextField* nameField_ = nullptr;
    SettingsTextField* emailField_ = nullptr;
    SettingsTextEditor* messageEditor_ = nullptr;
    QLabel* validationLabel_ = nullptr;
    QWidget* statusBox_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* sendButton_ = nullptr;
    QPushButton* sendingButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

}  // namespace vlt

#pragma once

#include <QWidget>
#include <map>

#include "model/still_image_save_view_model.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace vlt {

class SettingsTextEditor;
class SettingsTextField;

// "Watermarks": whether the labels and the contact block are drawn (each offered only
// while it has text), and the editor of their eight texts, which are the settings'
// own and are kept even when the save is cancelled.
class StillImageWatermarksSection final : public QWidget {
    Q_OBJECT

public:
    StillImageWatermarksSection(StillImageSaveViewModel& viewModel, QWidget* parent = nullptr);

    static constexpr int addressMinimumHeight = 90;

    // The web address the message offers as an example.
    static QString websiteMessageText();

    QCheckBox* labelsToggle() const { return labels_; }
    QLabel* labelsSummaryLabel() const { return labelsSummary_; }
    QCheckBox* contactToggle() const { return contact_; }
    QLabel* contactSummaryLabel() const { return contactSummary_; }
    QPushButton* editorDisclosure() const { return disclosure_; }
    QWidget* editorPanel() const { return editor_; }
    // The field of a text; the address's is the multi-line editor.
    QWidget* field(StillImageWatermarkField field) const { return fields_.at(field); }
    QLabel* emailMessageLabel() const { return emailMessage_; }
    QLabel* websiteMessageLabel() const { return websiteMessage_; }

    void refresh();

private:
    QWidget* buildIncludeCard();
    QWidget* buildEditor();
    QWidget* textField(const QString& label, StillImageWatermarkField field, QLabel** message, QWidget* parent);

    StillImageSaveViewModel& viewModel_;
    QCheckBox* labels_ = nullptr;
    QLabel* labelsSummary_ = nullptr;
    QCheckBox* contact_ = nullptr;
    QLabel* contactSummary_ = nullptr;
    QPushButton* disclosure_ = nullptr;
    QWidget* editor_ = nullptr;
    std::map<StillImageWatermarkField, QWidget*> fields_;
    SettingsTextEditor* address_ = nullptr;
    QLabel* emailMessage_ = nullptr;
    QLabel* websiteMessage_ = nullptr;
};

}  // namespace vlt

#pragma once

#include <map>

#include <QAbstractButton>
#include <QPointer>

#include "model/app_model.h"
#include "ui/modal_host.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace vlt {

class ActivityIndicator;
class ModalCloseButton;

// One kind row of the share dialog: a radio mark, the kind's title over its
// description, the selection fill and a 4-point accent bar along the leading edge.
class ShareKindRow final : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr int rowHeight = 82;

    ShareKindRow(const QString& title, const QString& detail, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
    QString detail_;
};

// The "Share image" dialog over the model's share area: which image (Original,
// Simulation, Comparison) and which watermarks go into the one JPEG. Its three choices
// are copied once from the share state when it is made; kind clicks change only the
// dialog, watermark toggles go to the settings at once. It prepares nothing: Continue,
// Cancel, the close button, Escape and the "Edit ›" links call the model, which also
// closes the dialog by clearing the share state (there is no closing animation).
// While the model prepares the image every choice is locked and Continue shows
// "Preparing"; closing stays possible and cancels the preparation.
class ShareImageModal final : public ModalHost {
    Q_OBJECT

public:
    enum class Watermark { labels, contactInformation };

    ShareImageModal(AppModel& model, QWidget* parent, Scheduler& scheduler, MotionPreference& motion);

    // The choices as Continue hands them over: a watermark that is not configured is off.
    ShareImageDialogState currentDialogState() const;

    ModalCloseButton* headerCloseButton() const { return headerCloseButton_; }
    ShareKindRow* kindRow(StillImageKind kind) const { return kindRows_.at(kind); }
    QCheckBox* toggle(Watermark watermark) const { return toggles_.at(watermark); }
    QLabel* toggleDetail(Watermark watermark) const { return toggleDetails_.at(watermark); }
    QPushButton* editLink(Watermark watermark) const { return editLinks_.at(watermark); }
    QLabel* summaryLabel() const { return summary_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QPushButton* continueButton() const { return continueButton_; }
    // The button's own label: "Continue", or "Preparing" beside a spinner.
    QLabel* continueLabel() const { return continueLabel_; }
    ActivityIndicator* progressIndicator() const { return progress_; }

protected:
    QSize surfaceSizeFor(QSize area) const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildContent();
    QWidget* buildKindSection(QWidget* parent);
    QWidget* buildWatermarkSection(QWidget* parent);
    QWidget* buildWatermarkRow(Watermark watermark, const QString& title, QWidget* parent);
    void buildFooter(QWidget* footer);
    void connectModel();
    void refresh();
    void toggleWatermark(Watermark watermark, bool on);
    void continueToSharing();

    QPointer<AppModel> model_;
    StillImageKind selectedKind_ = StillImageKind::simulation;
    bool includeLabels_ = false;
    bool includeContactInformation_ = false;

    ModalCloseButton* headerCloseButton_ = nullptr;
    std::map<StillImageKind, ShareKindRow*> kindRows_;
    std::map<Watermark, QCheckBox*> toggles_;
    std::map<Watermark, QLabel*> toggleDetails_;
    std::map<Watermark, QPushButton*> editLinks_;
    QLabel* summary_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* continueButton_ = nullptr;
    ActivityIndicator* progress_ = nullptr;
    QLabel* continueLabel_ = nullptr;
};

}  // namespace vlt

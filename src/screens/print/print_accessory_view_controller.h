#pragma once

#include <vector>

#include <QString>
#include <QWidget>

#include "output/print/print_options.h"
#include "output/still/still_image_kind.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace vlt {

// One line of the print summary: a choice and its current value.
struct PrintSummaryItem {
    QString name;
    QString description;

    friend bool operator==(const PrintSummaryItem&, const PrintSummaryItem&) = default;
};

// Veltrano's own section beside the print preview: what to print (the current tab,
// one of the three, or all three on three pages) and whether the labels and the
// contact block go on the pages. A watermark that Settings cannot give stays off,
// its checkbox disabled with a note under it. The choices start fresh for every print.
class PrintAccessoryViewController final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 440;
    static constexpr int kBaseHeight = 112;
    static constexpr int kNoteHeight = 36;

    PrintAccessoryViewController(StillImageKind currentTab, bool labelsAvailable, bool contactInformationAvailable,
                                 QWidget* parent = nullptr);

    PrintOptions options() const;
    // Content, labels and contact information, with their current values.
    std::vector<PrintSummaryItem> localizedSummaryItems() const;
    // Rises by one on every change of a control; the preview follows it.
    int previewRevision() const { return previewRevision_; }

    QComboBox* contentPopup() const { return contentPopup_; }
    QCheckBox* labelsCheckbox() const { return labelsCheckbox_; }
    QCheckBox* contactCheckbox() const { return contactCheckbox_; }
    QLabel* labelsNote() const { return labelsNote_; }
    QLabel* contactNote() const { return contactNote_; }

signals:
    void previewRevisionChanged(int revision);

private:
    QLabel* makeNote(const QString& text);
    void controlChanged();

    bool labelsAvailable_;
    bool contactInformationAvailable_;
    QComboBox* contentPopup_ = nullptr;
    QCheckBox* labelsCheckbox_ = nullptr;
    QCheckBox* contactCheckbox_ = nullptr;
    QLabel* labelsNote_ = nullptr;
    QLabel* contactNote_ = nullptr;
    int previewRevision_ = 0;
};

}  // namespace vlt

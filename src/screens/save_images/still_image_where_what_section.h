#pragma once

#include <QAbstractButton>
#include <QFrame>
#include <QPointer>
#include <map>

#include "foundation/still_image_save_selection.h"

class QLabel;
class QMenu;
class QPushButton;

namespace vlt {

class SelectableNameList;
class SettingsTextField;
class StillImageSaveViewModel;
class StillImageSelectionOption;

// The display-only box of the chosen folder: the folder picture and the path, cut in
// the middle when it is too long ("No folder selected" without one). A click shows or
// hides the explanation of how to choose another folder.
class StillImageSelectedFolderBox final : public QAbstractButton {
    Q_OBJECT

public:
    explicit StillImageSelectedFolderBox(QWidget* parent = nullptr);

    static constexpr int minimumHeight = 38;
    static constexpr int horizontalPadding = 10;
    static constexpr int imageSide = 16;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The explanation of the chosen folder, shown above the box as a popover. Like every
// popup it holds the pointer and the keys while it is up, so it must close the way
// popups do (a frame, unlike a label, keeps those default handlers): on Escape and on
// a click anywhere outside it, a click on the box included.
class StillImageFolderExplanation final : public QFrame {
    Q_OBJECT

public:
    StillImageFolderExplanation(const QString& text, QWidget* box);

    static constexpr int width = 300;
    static constexpr int padding = 14;

    // Above the box, its left edges aligned.
    void showAboveBox();

private:
    QWidget* box_;
};

// "Where / What": the destination card (the chosen folder with its notice, Browse…,
// Pictures, the recent folders, the subfolder and base name fields with the preview)
// and the "What to save" card. It shows the view-model and the model's destination
// and reports every choice to the view-model.
class StillImageWhereWhatSection final : public QWidget {
    Q_OBJECT

public:
    StillImageWhereWhatSection(StillImageSaveViewModel& viewModel, QWidget* parent = nullptr);

    StillImageSelectedFolderBox* folderBox() const { return folderBox_; }
    StillImageFolderExplanation* folderExplanation() const { return explanation_; }
    QLabel* destinationErrorLabel() const { return destinationError_; }
    QPushButton* browseButton() const { return browse_; }
    QPushButton* picturesButton() const { return pictures_; }
    QPushButton* recentButton() const { return recent_; }
    QMenu* recentMenu() const { return recentMenu_; }
    SettingsTextField* subfolderField() const { return subfolder_; }
    QLabel* subfolderMessageLabel() const { return subfolderMessage_; }
    SettingsTextField* baseNameField() const { return baseName_; }
    QLabel* baseNameMessageLabel() const { return baseNameMessage_; }
    SelectableNameList* previewNames() const { return preview_; }
    StillImageSelectionOption* option(StillImageSaveSelection selection) const { return options_.at(selection); }

    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildDestinationCard();
    QWidget* buildNameFields(QWidget* parent);
    QWidget* buildSelectionCard();
    void fillRecentMenu();

    StillImageSaveViewModel& viewModel_;
    StillImageSelectedFolderBox* folderBox_ = nullptr;
    StillImageFolderExplanation* explanation_ = nullptr;
    QLabel* destinationError_ = nullptr;
    QPushButton* browse_ = nullptr;
    QPushButton* pictures_ = nullptr;
    QPushButton* recent_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    SettingsTextField* subfolder_ = nullptr;
    QLabel* subfolderMessage_ = nullptr;
    SettingsTextField* baseName_ = nullptr;
    QLabel* baseNameMessage_ = nullptr;
    SelectableNameList* preview_ = nullptr;
    std::map<StillImageSaveSelection, StillImageSelectionOption*> options_;
};

}  // namespace vlt

#include "ui/file_dialog_room.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTreeView>

namespace vlt {

namespace {

// Room for a long file name beside its size, kind and date, in average characters and
// lines of the dialog's font.
constexpr int kWidthInCharacters = 120;
constexpr int kHeightInLines = 30;
// The most of its screen the dialog takes.
constexpr double kLargestScreenShare = 0.9;

}  // namespace

void giveFileDialogRoom(QFileDialog& dialog) {
    const QFontMetrics metrics(dialog.font());
    QSize size(metrics.averageCharWidth() * kWidthInCharacters, metrics.lineSpacing() * kHeightInLines);
    const QWidget* window = dialog.parentWidget() != nullptr ? dialog.parentWidget()->window() : nullptr;
    if (const QScreen* screen = window != nullptr ? window->screen() : dialog.screen()) {
        size = size.boundedTo(screen->availableSize() * kLargestScreenShare);
    }
    dialog.resize(size.expandedTo(dialog.minimumSizeHint()));

    // The detail list of Qt's dialog is found by the name Qt gives it; a dialog without
    // one keeps its columns.
    auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (details == nullptr) return;
    QHeaderView* header = details->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < header->count(); ++column) {
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}

QLabel* addFileDialogMessage(QFileDialog& dialog, const QString& text, const QString& objectName) {
    auto* message = new QLabel(text, &dialog);
    message->setObjectName(objectName);
    message->setWordWrap(true);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        grid->addWidget(message, grid->rowCount(), 0, 1, grid->columnCount());
    }
    return message;
}

}  // namespace vlt

#pragma once

class QFileDialog;
class QLabel;
class QString;

namespace vlt {

// Qt's own file dialogs open at a size, and with detail columns, made for short English
// names: sizes, kinds and dates of photographs came out cut ("238…MiB", "JPE…age").
// Gives the dialog room on its screen, the name column what is left, and the size, kind
// and date columns the width of what they show.
void giveFileDialogRoom(QFileDialog& dialog);

// A line of explanation beneath the dialog's own rows, as wide as the dialog.
QLabel* addFileDialogMessage(QFileDialog& dialog, const QString& text, const QString& objectName);

}  // namespace vlt

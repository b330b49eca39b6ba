#pragma once

#include <functional>

#include <QFont>
#include <QObject>
#include <QFontDialog>
#include <QPointer>

#include "editing/annotations/annotation_font_style.h"

class QFontDialog;
class QWidget;

namespace vlt {

class EditorSession;

// Bridges the non-modal font dialog to the annotation font of the editor session that
// opened it last: every font chosen in the dialog goes there as an AnnotationFontStyle,
// and nowhere once that session is gone. One instance for the whole run; GUI thread only.
class AnnotationFontPanelController final : public QObject {
    Q_OBJECT

public:
    static AnnotationFontPanelController& shared();

    const QFont& selectedFont() const { return selectedFont_; }

    // The platform font of a style: the system font of the style's size when the
    // family is "System" or not installed.
    static QFont platformFont(const AnnotationFontStyle& style);
    // The style the dialog's font stands for; an unknown family reads as "System".
    static AnnotationFontStyle annotationFontStyle(const QFont& font);

    // Opens (or raises) the dialog on the font of the style; each change goes to onChange.
    void open(const AnnotationFontStyle& style, std::function<void(const AnnotationFontStyle&)> onChange,
              QWidget* parent = nullptr);
    // The same for a session: changes are written into its annotation font.
    void openForSession(EditorSession& session, QWidget* parent = nullptr);

    // The dialog's change: the font becomes the selected one and is reported.
    void changeFont(const QFont& font);

    QFontDialog* dialog() const { return dialog_; }

private:
    AnnotationFontPanelController();

    QFont selectedFont_;
    std::function<void(const AnnotationFontStyle&)> onChange_;
    QPointer<QFontDialog> dialog_;
};

}  // namespace vlt

#pragma once

#include <QPointer>
#include <QWidget>

class QAbstractButton;

#include "model/app_model.h"

namespace vlt {

// The start page's card of three shortcuts worth knowing, with the link that opens the
// full Shortcuts dialog.
class ShortcutReference final : public QWidget {
    Q_OBJECT

public:
    explicit ShortcutReference(AppModel& model, QWidget* parent = nullptr);

    // Localized once, on first use.
    static const QString& brushSizeShortcutText();
    static const QString& panImageShortcutText();
    // The same in every language.
    static QString zoomImageShortcutText();

    QAbstractButton* allShortcutsLink() const { return allShortcutsLink_; }

private:
    QPointer<AppModel> model_;
    QAbstractButton* allShortcutsLink_;
};

}  // namespace vlt

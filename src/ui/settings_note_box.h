#pragma once

#include <QString>

#include "ui/settings_notice_frame.h"

class QLabel;

namespace vlt {

// A note under a section's card: an optional 18-point picture beside a text that wraps
// onto as many lines as it needs, in a notice box.
class SettingsNoteBox final : public SettingsNoticeFrame {
    Q_OBJECT

public:
    // imageName names one of the application's icons; empty for none.
    SettingsNoteBox(const QString& text, const QString& imageName, QWidget* parent = nullptr);

    QLabel* textLabel() const { return text_; }
    QString text() const { return plainText_; }

private:
    QLabel* text_;
    QString plainText_;
};

}  // namespace vlt

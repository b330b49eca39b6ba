#include "ui/settings_section_layout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/ink_fitting_label.h"

namespace vlt {

QLabel* makeSettingsLabel(const QString& text, const QFont& font, const QColor& colour, QWidget* parent, bool wraps) {
    // As tall as its ink, one line or several.
    QLabel* label = new InkFittingLabel(text, parent);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    if (wraps) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        label->setSizePolicy(policy);
    }
    return label;
}

QVBoxLayout* makeSettingsColumn(QWidget* owner, int spacing) {
    auto* column = new QVBoxLayout(owner);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(spacing);
    return column;
}

QWidget* makeEqualSettingsColumns(QWidget* leading, QWidget* trailing, int spacing, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    // Neither column's natural width counts: the row is shared out evenly.
    for (QWidget* column : {leading, trailing}) {
        column->setParent(row);
        QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        policy.setHorizontalStretch(1);
        policy.setHeightForWidth(column->sizePolicy().hasHeightForWidth());
        column->setSizePolicy(policy);
        layout->addWidget(column, 1, Qt::AlignTop);
    }
    return row;
}

}  // namespace vlt

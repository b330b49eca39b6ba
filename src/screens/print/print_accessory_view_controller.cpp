#include "screens/print/print_accessory_view_controller.h"

#include <array>

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "base/main_thread.h"
#include "base/precondition.h"
#include "foundation/localized_string.h"
#include "ui/ink_fitting_label.h"
#include "ui/modal_palette.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

constexpr int kHorizontalInset = 14;
constexpr int kVerticalInset = 12;
constexpr int kRowSpacing = 8;
constexpr int kTitleSpacing = 12;
constexpr int kMinimumPopupWidth = 180;
constexpr int kNoteWidth = 412;
constexpr int kNoteLines = 2;

// The pop-up's items after "Current Tab (…)", in order.
constexpr std::array kNamedSelections = {StillImageSaveSelection::original, StillImageSaveSelection::simulation,
                                         StillImageSaveSelection::comparison, StillImageSaveSelection::allThreeTabs};

const QString& contentTitle() {
    static const QString text = localizedString("Veltrano content");
    return text;
}
const QString& labelsTitle() {
    static const QString text = localizedString("Include Original / Simulation labels");
    return text;
}
const QString& contactTitle() {
    static const QString text = localizedString("Include contact information");
    return text;
}

QString yesOrNo(bool value) { return value ? localizedString("Yes") : localizedString("No"); }

}  // namespace

PrintAccessoryViewController::PrintAccessoryViewController(StillImageKind currentTab, bool labelsAvailable,
                                                           bool contactInformationAvailable, QWidget* parent)
    : QWidget(parent), labelsAvailable_(labelsAvailable), contactInformationAvailable_(contactInformationAvailable) {
    setObjectName(QStringLiteral("vlt.print.accessory"));
    setWindowTitle(QStringLiteral("Veltrano"));

    // 1. What to print.
    auto* title = new InkFittingLabel(contentTitle(), this);
    title->setFont(textStyleFont(TextStyle::body, QFont::DemiBold));
    title->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    contentPopup_ = new QComboBox(this);
    contentPopup_->setObjectName(QStringLiteral("vlt.print.content"));
    contentPopup_->addItem(localizedString("Current Tab (%1)").arg(stillImageKindTitle(currentTab)));
    contentPopup_->addItem(localizedString("Original"));
    contentPopup_->addItem(localizedString("Simulation"));
    contentPopup_->addItem(localizedString("Comparison"));
    contentPopup_->addItem(localizedString("All three tabs (3 pages)"));
    contentPopup_->setMinimumWidth(kMinimumPopupWidth);
    contentPopup_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* contentRow = new QHBoxLayout;
    contentRow->setSpacing(kTitleSpacing);
    contentRow->addWidget(title);
    contentRow->addWidget(contentPopup_);

    // 2. The watermarks; one that cannot be had says why.
    labelsCheckbox_ = new QCheckBox(labelsTitle(), this);
    labelsCheckbox_->setObjectName(QStringLiteral("vlt.print.labels"));
    labelsCheckbox_->setEnabled(labelsAvailable);
    contactCheckbox_ = new QCheckBox(contactTitle(), this);
    contactCheckbox_->setObjectName(QStringLiteral("vlt.print.contact"));
    contactCheckbox_->setEnabled(contactInformationAvailable);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kHorizontalInset, kVerticalInset, kHorizontalInset, kVerticalInset);
    column->setSpacing(kRowSpacing);
    column->addLayout(contentRow);
    column->addWidget(labelsCheckbox_);
    if (!labelsAvailable) {
        labelsNote_ = makeNote(localizedString("No Original or Simulation label is configured in Settings."));
        column->addWidget(labelsNote_);
    }
    column->addWidget(contactCheckbox_);
    if (!contactInformationAvailable) {
        contactNote_ = makeNote(localizedString("No contact information is configured in Settings."));
        column->addWidget(contactNote_);
    }
    column->addStretch(1);

    const int notes = (labelsNote_ != nullptr ? 1 : 0) + (contactNote_ != nullptr ? 1 : 0);
    setFixedSize(kWidth, kBaseHeight + kNoteHeight * notes);

    connect(contentPopup_, &QComboBox::currentIndexChanged, this, &PrintAccessoryViewController::controlChanged);
    connect(labelsCheckbox_, &QCheckBox::toggled, this, &PrintAccessoryViewController::controlChanged);
    connect(contactCheckbox_, &QCheckBox::toggled, this, &PrintAccessoryViewController::controlChanged);
}

QLabel* PrintAccessoryViewController::makeNote(const QString& text) {
    auto* note = new QLabel(text, this);
    note->setWordWrap(true);
    note->setFont(textStyleFont(TextStyle::subheadline));
    QPalette palette = note->palette();
    palette.setColor(QPalette::WindowText, ModalPalette::textSecondary());
    note->setPalette(palette);
    note->setMaximumWidth(kNoteWidth);
    note->setMaximumHeight(note->fontMetrics().lineSpacing() * kNoteLines);
    return note;
}

PrintOptions PrintAccessoryViewController::options() const {
    PrintOptions options;
    const int index = contentPopup_->currentIndex();
    if (index >= 1 && index <= static_cast<int>(kNamedSelections.size())) {
        options.selection = kNamedSelections[static_cast<std::size_t>(index - 1)];
    }
    // A disabled checkbox never turns its watermark on.
    options.includeLabels = labelsAvailable_ && labelsCheckbox_->isChecked();
    options.includeContactInformation = contactInformationAvailable_ && contactCheckbox_->isChecked();
    return options;
}

std::vector<PrintSummaryItem> PrintAccessoryViewController::localizedSummaryItems() const {
    const PrintOptions current = options();
    const QString content =
        contentPopup_->currentIndex() < 0 ? localizedString("Current Tab") : contentPopup_->currentText();
    return {{contentTitle(), content},
            {labelsTitle(), yesOrNo(current.includeLabels)},
            {contactTitle(), yesOrNo(current.includeContactInformation)}};
}

void PrintAccessoryViewController::controlChanged() {
    VLT_PRECONDITION(isMainThread(), "the print accessory runs on the GUI thread");
    ++previewRevision_;
    emit previewRevisionChanged(previewRevision_);
}

}  // namespace vlt

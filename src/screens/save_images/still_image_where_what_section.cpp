#include "screens/save_images/still_image_where_what_section.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "model/app_model.h"
#include "model/still_image_save_view_model.h"
#include "screens/save_images/still_image_selection_option.h"
#include "foundation/localized_string.h"
#include "ui/selectable_name_list.h"
#include "ui/settings_labeled_text_field.h"
#include "ui/settings_section_header.h"
#include "ui/settings_section_layout.h"
#include "ui/keyboard_focus.h"
#include "ui/modal_palette.h"
#include "ui/settings_secondary_button_style.h"
#include "ui/settings_section_card.h"
#include "ui/settings_text_field.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

constexpr double kBoxCornerRadius = 5.0;

const QString& explanationText() {
    static const QString text = localizedString(
        "This path is display-only. Use Pictures, Recent locations, or Browse to select or create another folder. To "
        "save inside a subfolder, enter its name in Subfolder name field (optional).");
    return text;
}

QLabel* heading(const QString& text, QWidget* parent) {
    return makeSettingsLabel(text, textStyleFont(TextStyle::title3, QFont::DemiBold), ModalPalette::textPrimary(),
                             parent);
}

QLabel* callout(const QString& text, const QColor& colour, QWidget* parent) {
    return makeSettingsLabel(text, textStyleFont(TextStyle::callout), colour, parent, true);
}

QPushButton* destinationButton(const QString& title, QWidget* parent) {
    auto* button = new QPushButton(title, parent);
    SettingsSecondaryButtonStyle::apply(*button);
    return button;
}

void showMessage(QLabel& label, const std::optional<QString>& message) {
    label.setText(message.value_or(QString()));
    label.setVisible(message.has_value());
}

}  // namespace

StillImageSelectedFolderBox::StillImageSelectedFolderBox(QWidget* parent) : QAbstractButton(parent) {
    // Reached by Tab only, as the dialog's buttons: after a click Return still saves.
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(minimumHeight);
    setFont(textStyleFont(TextStyle::body));
    setAccessibleName(localizedString("Selected folder information"));
    setToolTip(explanationText());
}

QSize StillImageSelectedFolderBox::sizeHint() const { return {2 * horizontalPadding + imageSide, minimumHeight}; }

void StillImageSelectedFolderBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(ModalPalette::cardBorder(), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(outline, kBoxCornerRadius, kBoxCornerRadius);

    static QSvgRenderer folder(QStringLiteral(":/icons/folder.svg"));
    const QRectF image(horizontalPadding, (height() - imageSide) / 2.0, imageSide, imageSide);
    folder.render(&painter, image);

    const int textLeft = horizontalPadding + imageSide + 8;
    const QRect label(textLeft, 0, width() - textLeft - horizontalPadding, height());
    painter.setPen(ModalPalette::textPrimary());
    painter.setFont(font());
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideMiddle, label.width()));
    if (showsKeyboardFocus(*this)) paintFocusRing(painter, QRectF(rect()), kBoxCornerRadius, ModalPalette::accent());
}

StillImageFolderExplanation::StillImageFolderExplanation(const QString& text, QWidget* box)
    : QFrame(box, Qt::Popup), box_(box) {
    setObjectName(QStringLiteral("selectedFolderExplanation"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, ModalPalette::cardBorder());
    setPalette(colours);
    setAutoFillBackground(true);
    setFixedWidth(width);
    // The click that closes it must not open it again through the box beneath.
    setAttribute(Qt::WA_NoMouseReplay);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(padding, padding, padding, padding);
    column->addWidget(callout(text, ModalPalette::textPrimary(), this));
}

void StillImageFolderExplanation::showAboveBox() {
    adjustSize();
    const QPoint boxTop = box_->mapToGlobal(QPoint(0, 0));
    move(boxTop.x(), boxTop.y() - height());
    show();
}

StillImageWhereWhatSection::StillImageWhereWhatSection(StillImageSaveViewModel& viewModel, QWidget* parent)
    : QWidget(parent), viewModel_(viewModel) {
    setObjectName(QStringLiteral("stillImageWhereWhatSection"));
    QVBoxLayout* column = makeSettingsColumn(this, 18);
    column->addWidget(new SettingsSectionHeader(
        localizedString("Where / What"), localizedString("Choose the destination and the images to save."), this));
    column->addWidget(buildDestinationCard());
    column->addWidget(buildSelectionCard());
}

QWidget* StillImageWhereWhatSection::buildDestinationCard() {
    auto* card = new SettingsSectionCard(this);
    card->column()->setSpacing(12);
    card->column()->addWidget(heading(localizedString("Destination"), card));

    // The chosen folder, its notice and its explanation.
    auto* folder = new QWidget(card);
    QVBoxLayout* folderColumn = makeSettingsColumn(folder, 5);
    folderColumn->addWidget(callout(localizedString("Selected folder"), ModalPalette::textSecondary(), folder));
    folderBox_ = new StillImageSelectedFolderBox(folder);
    connect(folderBox_, &QAbstractButton::clicked, this, [this] { viewModel_.toggleSelectedFolderExplanation(); });
    folderColumn->addWidget(folderBox_);
    destinationError_ = callout(QString(), ModalPalette::errorText(), folder);
    folderColumn->addWidget(destinationError_);
    card->column()->addWidget(folder);

    explanation_ = new StillImageFolderExplanation(explanationText(), folderBox_);
    explanation_->installEventFilter(this);

    // Browse…, Pictures and the recent folders.
    auto* buttons = new QWidget(card);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    browse_ = destinationButton(localizedString("Browse…"), buttons);
    connect(browse_, &QPushButton::clicked, this, [this] { viewModel_.browseForFolder(); });
    pictures_ = destinationButton(localizedString("Pictures"), buttons);
    pictures_->setToolTip(localizedString("Save to the Veltrano folder inside the system's Pictures folder."));
    connect(pictures_, &QPushButton::clicked, this, [this] { viewModel_.usePicturesFolder(); });
    recent_ = destinationButton(localizedString("Recent locations"), buttons);
    recentMenu_ = new QMenu(recent_);
    recent_->setMenu(recentMenu_);
    connect(recentMenu_, &QMenu::aboutToShow, this, [this] {
        viewModel_.model().refreshRecentStillImageSaveLocations();
        fillRecentMenu();
    });
    row->addWidget(browse_);
    row->addWidget(pictures_);
    row->addWidget(recent_);
    row->addStretch(1);
    card->column()->addWidget(buttons);

    auto* divider = new QWidget(card);
    divider->setFixedHeight(1);
    divider->setAutoFillBackground(true);
    QPalette colours = divider->palette();
    colours.setColor(QPalette::Window, ModalPalette::divider());
    divider->setPalette(colours);
    card->column()->addSpacing(4);
    card->column()->addWidget(divider);
    card->column()->addSpacing(4);
    card->column()->addWidget(buildNameFields(card));
    return card;
}

QWidget* StillImageWhereWhatSection::buildNameFields(QWidget* parent) {
    auto* subfolderColumn = new QWidget;
    QVBoxLayout* subfolder = makeSettingsColumn(subfolderColumn, 5);
    auto* subfolderField = new SettingsLabeledTextField(localizedString("Subfolder name (optional)"), subfolderColumn);
    subfolder_ = subfolderField->field();
    connect(subfolder_, &QLineEdit::textEdited, this,
            [this](const QString& text) { viewModel_.editSubfolderName(text); });
    subfolderMessage_ = callout(QString(), ModalPalette::errorText(), subfolderColumn);
    subfolder->addWidget(subfolderField);
    subfolder->addWidget(subfolderMessage_);
    subfolder->addWidget(
        callout(localizedString("This folder is created inside the selected location. Leave blank to save directly "
                                "there."),
                ModalPalette::textSecondary(), subfolderColumn));
    subfolder->addStretch(1);

    auto* baseNameColumn = new QWidget;
    QVBoxLayout* baseName = makeSettingsColumn(baseNameColumn, 5);
    auto* baseNameField =
        new SettingsLabeledTextField(localizedString("Base filename (e.g., patient's name)"), baseNameColumn);
    baseName_ = baseNameField->field();
    connect(baseName_, &QLineEdit::textEdited, this, [this](const QString& text) { viewModel_.editBaseName(text); });
    baseNameMessage_ = callout(QString(), ModalPalette::errorText(), baseNameColumn);
    baseName->addWidget(baseNameField);
    baseName->addWidget(baseNameMessage_);
    baseName->addWidget(callout(localizedString("The tab-view suffix will be appended to the base filename."),
                                ModalPalette::textSecondary(), baseNameColumn));

    auto* previewRow = new QWidget(baseNameColumn);
    auto* preview = new QHBoxLayout(previewRow);
    preview->setContentsMargins(0, 0, 0, 0);
    preview->setSpacing(4);
    preview->addWidget(makeSettingsLabel(localizedString("Preview:"), textStyleFont(TextStyle::callout),
                                         ModalPalette::textMuted(), previewRow),
                       0, Qt::AlignTop);
    QFont monospaced = textStyleFont(TextStyle::callout);
    monospaced.setStyleHint(QFont::Monospace);
    monospaced.setFamilies(
        {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"), QStringLiteral("monospace")});
    preview_ = new SelectableNameList(monospaced, ModalPalette::textMuted(), previewRow);
    preview_->setObjectName(QStringLiteral("stillImagePreviewNames"));
    preview->addWidget(preview_, 1, Qt::AlignTop);
    baseName->addWidget(previewRow);

    return makeEqualSettingsColumns(subfolderColumn, baseNameColumn, 16, parent);
}

QWidget* StillImageWhereWhatSection::buildSelectionCard() {
    auto* card = new SettingsSectionCard(this);
    card->column()->setSpacing(12);
    card->column()->addWidget(heading(localizedString("What to save"), card));
    card->column()->addWidget(
        callout(localizedString("Select which image view you want to save."), ModalPalette::textSecondary(), card));

    const std::vector<std::vector<StillImageSaveSelection>> rows = {
        {StillImageSaveSelection::currentTab, StillImageSaveSelection::original},
        {StillImageSaveSelection::simulation, StillImageSaveSelection::comparison},
        {StillImageSaveSelection::allThreeTabs}};
    auto* options = new QWidget(card);
    QVBoxLayout* optionRows = makeSettingsColumn(options, 7);
    for (const auto& selections : rows) {
        auto* line = new QWidget(options);
        auto* row = new QHBoxLayout(line);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(14);
        for (const StillImageSaveSelection selection : selections) {
            auto* option = new StillImageSelectionOption(line);
            option->setText(viewModel_.selectionTitle(selection));
            connect(option, &QAbstractButton::clicked, this,
                    [this, selection] { viewModel_.selectSelection(selection); });
            options_[selection] = option;
            row->addWidget(option, 1);
        }
        optionRows->addWidget(line);
    }
    card->column()->addWidget(options);
    return card;
}

void StillImageWhereWhatSection::fillRecentMenu() {
    static const QString unavailableFormat = localizedString("%1 — Unavailable - Remove");
    recentMenu_->clear();
    for (const StillImageRecentLocationState& recent : viewModel_.model().stillImageSaveState().recentLocations) {
        const QString key = recent.location.identity();
        if (recent.isAvailable) {
            QAction* action = recentMenu_->addAction(recent.location.displayPath);
            connect(action, &QAction::triggered, this,
                    [this, key] { viewModel_.model().selectRecentStillImageSaveLocation(key); });
        } else {
            QAction* action = recentMenu_->addAction(unavailableFormat.arg(recent.location.displayPath));
            connect(action, &QAction::triggered, this,
                    [this, key] { viewModel_.model().removeRecentStillImageSaveLocation(key); });
        }
    }
}

bool StillImageWhereWhatSection::eventFilter(QObject* watched, QEvent* event) {
    // However the popover went away (a click outside, Escape), the dialog forgets it.
    if (watched == explanation_ && event->type() == QEvent::Hide) viewModel_.dismissSelectedFolderExplanation();
    return QWidget::eventFilter(watched, event);
}

void StillImageWhereWhatSection::refresh() {
    const StillImageSaveState& destination = viewModel_.model().stillImageSaveState();
    static const QString noFolder = localizedString("No folder selected");
    folderBox_->setText(destination.destinationDisplayPath.isEmpty() ? noFolder : destination.destinationDisplayPath);
    folderBox_->update();
    showMessage(*destinationError_, destination.destinationError);
    recent_->setVisible(!destination.recentLocations.empty());
    if (!recentMenu_->isVisible()) fillRecentMenu();

    const bool explains = viewModel_.isSelectedFolderExplanationPresented() && isVisible();
    if (explains && !explanation_->isVisible()) {
        explanation_->showAboveBox();
    } else if (!explains && explanation_->isVisible()) {
        explanation_->hide();
    }

    subfolder_->showText(viewModel_.subfolderName());
    showMessage(*subfolderMessage_, viewModel_.subfolderMessage());
    baseName_->showText(viewModel_.baseName());
    showMessage(*baseNameMessage_, viewModel_.baseNameMessage());
    preview_->setNames(viewModel_.previewFileNames());

    for (const auto& [selection, option] : options_) {
        option->setText(viewModel_.selectionTitle(selection));
        option->setSelected(selection == viewModel_.selection());
    }
}

}  // namespace vlt

#include "screens/start/import_target.h"

#include <QDragEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QKeyEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "model/app_model.h"
#include "screens/start/startup_palette.h"
#include "foundation/localized_string.h"
#include "ui/activity_indicator.h"
#include "ui/keyboard_focus.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

const QColor& inlineErrorRed() {
    static const QColor colour = QColor::fromRgbF(0.58f, 0.2f, 0.13f);
    return colour;
}

QLabel* makeLabel(const QString& text, const QFont& font, const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    // Inside a button a label would take the button's text role and draw in black.
    label->setForegroundRole(QPalette::WindowText);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// The upload icon on two rounded squares of the icon-well colour.
class IconWell final : public QWidget {
public:
    explicit IconWell(QWidget* parent)
        : QWidget(parent), icon_(new QSvgWidget(QStringLiteral(":/icons/upload-image.svg"), this)) {
        setFixedSize(94, 94);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        icon_->renderer()->setAspectRatioMode(Qt::KeepAspectRatio);
        icon_->setGeometry(23, 23, 48, 48);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        QColor outer = StartupPalette::iconWell();
        outer.setAlphaF(0.58f);
        painter.setBrush(outer);
        painter.drawRoundedRect(QRectF(0, 0, 94, 94), 30, 30);
        painter.setBrush(StartupPalette::iconWell());
        painter.drawRoundedRect(QRectF(12, 12, 70, 70), 22, 22);
    }

private:
    QSvgWidget* icon_;
};

const QString& dropHeadline() {
    static const QString text = localizedString("Drop to open image");
    return text;
}

const QString& restingHeadline() {
    static const QString text = localizedString("Drag an image here");
    return text;
}

const QString& chooseOneImageMessage() {
    static const QString text = localizedString("Please choose exactly one image at a time.");
    return text;
}

const QString& dropOneFileMessage() {
    static const QString text = localizedString("Please drop one image file.");
    return text;
}

}  // namespace

ImportTarget::ImportTarget(AppModel& model, QWidget* parent) : QAbstractButton(parent), model_(&model) {
    setAcceptDrops(true);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    setAccessibleName(localizedString("Drag an image here or open the file browser"));
    setAccessibleDescription(localizedString("Choose or drop one local image to open the crop screen."));

    normal_ = new QWidget(this);
    normal_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* iconWell = new IconWell(normal_);
    headline_ =
        makeLabel(restingHeadline(), textStyleFont(TextStyle::title, QFont::DemiBold), StartupPalette::ink(), normal_);
    headline_->setObjectName(QStringLiteral("importHeadline"));

    const QFont title3 = textStyleFont(TextStyle::title3);
    auto* orLabel = makeLabel(localizedString("or"), title3, StartupPalette::bodyText(), normal_);
    auto* folder = new QSvgWidget(QStringLiteral(":/icons/folder.svg"), normal_);
    folder->setFixedSize(16, 16);
    folder->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont linkFont = textStyleFont(TextStyle::title3, QFont::DemiBold);
    linkFont.setUnderline(true);
    auto* browse = makeLabel(localizedString("Open the file browser"), linkFont, StartupPalette::accent(), normal_);
    auto* browseLine = new QHBoxLayout;
    browseLine->setSpacing(6);
    browseLine->addWidget(orLabel, 0, Qt::AlignVCenter);
    browseLine->addWidget(folder, 0, Qt::AlignVCenter);
    browseLine->addWidget(browse, 0, Qt::AlignVCenter);

    auto* normalLayout = new QVBoxLayout(normal_);
    normalLayout->setContentsMargins(0, 0, 0, 0);
    normalLayout->setSpacing(13);
    normalLayout->addWidget(iconWell, 0, Qt::AlignHCenter);
    normalLayout->addWidget(headline_, 0, Qt::AlignHCenter);
    normalLayout->addLayout(browseLine);
    browseLine->setAlignment(Qt::AlignHCenter);

    loading_ = new QWidget(this);
    loading_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* spinner = new ActivityIndicator(ActivityIndicator::large, StartupPalette::accent(), loading_);
    static const QString loadingText = localizedString("Loading image…");
    auto* loadingLabel =
        makeLabel(loadingText, textStyleFont(TextStyle::title2, QFont::DemiBold), StartupPalette::ink(), loading_);
    auto* loadingLayout = new QVBoxLayout(loading_);
    loadingLayout->setContentsMargins(0, 0, 0, 0);
    loadingLayout->setSpacing(13);
    loadingLayout->addWidget(spinner, 0, Qt::AlignHCenter);
    loadingLayout->addWidget(loadingLabel, 0, Qt::AlignHCenter);

    error_ = makeLabel(QString(), textStyleFont(TextStyle::callout, QFont::Medium), inlineErrorRed(), this);
    error_->setObjectName(QStringLiteral("inlineImportError"));
    error_->setAlignment(Qt::AlignCenter);
    error_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 20, 0, 20);
    layout->setSpacing(13);
    layout->addStretch(1);
    layout->addWidget(normal_);
    layout->addWidget(loading_);
    // The side space belongs to a layout around the label, like the failure card's padding.
    auto* errorRow = new QHBoxLayout;
    errorRow->setContentsMargins(24, 0, 24, 0);
    errorRow->addWidget(error_);
    layout->addLayout(errorRow);
    layout->addStretch(1);

    connect(this, &QAbstractButton::clicked, this, [this] {
        if (model_) model_->openImagePicker();
    });
    connect(&model, &AppModel::importStateChanged, this, &ImportTarget::refresh);
    refresh();
}

void ImportTarget::refresh() {
    if (!model_) return;
    const ImportState& importState = model_->importState();
    const bool importing = importState.isImporting;
    normal_->setVisible(!importing);
    loading_->setVisible(importing);
    setEnabled(!importing);
    const std::optional<QString>& error = importState.inlineImportError;
    error_->setVisible(error.has_value());
    error_->setText(error.value_or(QString()));
    updateGeometry();
}

QSize ImportTarget::sizeHint() const {
    const QSize content = layout() != nullptr ? layout()->sizeHint() : QSize();
    return {content.width(), std::max(minimumHeight, content.height())};
}

QSize ImportTarget::minimumSizeHint() const { return {0, sizeHint().height()}; }

bool ImportTarget::isDropRefused() const {
    return !model_ || model_->isInteractionLocked() || model_->importState().isImagePickerPresented ||
           model_->importState().isImporting;
}

bool ImportTarget::handleDrop(const QMimeData& mimeData) {
    // Every dragged file is one URL; anything else (text, an image from another
    // program) arrives as one item that is not a file.
    const QList<QUrl> urls = mimeData.hasUrls() ? mimeData.urls() : QList<QUrl>{};
    const qsizetype itemCount = mimeData.hasUrls() ? urls.size() : (mimeData.formats().isEmpty() ? 0 : 1);

    if (itemCount != 1) {
        if (isDropRefused()) return false;
        model_->refuseDrop(chooseOneImageMessage());
        return true;
    }
    const bool isFileItem = !urls.isEmpty() && urls.first().isLocalFile() && !urls.first().toLocalFile().isEmpty();
    if (!isFileItem) {
        if (isDropRefused()) return false;
        model_->refuseDrop(dropOneFileMessage());
        return true;
    }
    // The model repeats the lock tests and checks that the file is no folder.
    if (model_) model_->handleDroppedItems(QList<QUrl>{urls.first()});
    return true;
}

void ImportTarget::setDropTargeted(bool targeted) {
    if (isDropTargeted_ == targeted) return;
    isDropTargeted_ = targeted;
    headline_->setText(targeted ? dropHeadline() : restingHeadline());
    update();
}

void ImportTarget::enterEvent(QEnterEvent* event) {
    isHovering_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ImportTarget::leaveEvent(QEvent* event) {
    isHovering_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void ImportTarget::dragEnterEvent(QDragEnterEvent* event) {
    // Any item is welcome here, so the card reacts to every drag; the drop decides.
    event->acceptProposedAction();
    setDropTargeted(true);
}

void ImportTarget::dragMoveEvent(QDragMoveEvent* event) { event->acceptProposedAction(); }

void ImportTarget::dragLeaveEvent(QDragLeaveEvent* event) {
    setDropTargeted(false);
    QAbstractButton::dragLeaveEvent(event);
}

void ImportTarget::dropEvent(QDropEvent* event) {
    setDropTargeted(false);
    const QMimeData* mimeData = event->mimeData();
    const bool taken = mimeData != nullptr && handleDrop(*mimeData);
    if (taken) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void ImportTarget::keyPressEvent(QKeyEvent* event) {
    // The keypad's Enter comes with the keypad's own modifier: that is no modifier held.
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void ImportTarget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(card, cornerRadius, cornerRadius);

    const bool emphasised = isHovering_ || isDropTargeted_;
    QPen dash(emphasised ? StartupPalette::accentLight() : StartupPalette::accentPale(), 1.5);
    const double lineWidth = dash.widthF();
    dash.setDashPattern({7.0 / lineWidth, 6.0 / lineWidth});
    dash.setCapStyle(Qt::FlatCap);
    dash.setJoinStyle(Qt::MiterJoin);
    dash.setMiterLimit(10.0);
    painter.setPen(dash);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(card.adjusted(1.0, 1.0, -1.0, -1.0), cornerRadius - 1.0, cornerRadius - 1.0);

    // Inside the dashed border, which stays as it is.
    if (showsKeyboardFocus(*this)) {
        constexpr double inset = 3.0;
        paintFocusRing(painter, card.adjusted(inset, inset, -inset, -inset), cornerRadius - inset,
                       StartupPalette::accent());
    }
}

}  // namespace vlt

#include "screens/crop/crop_subtoolbar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

#include "model/app_model.h"
#include "foundation/localized_string.h"
#include "import/crop_document.h"
#include "screens/crop/crop_palette.h"
#include "screens/crop/crop_transform_pop_up_button.h"
#include "ui/text_style.h"

namespace vlt {

namespace {

// One line, shortened in the middle when too long; the full text stays in text() and
// shows on hover while it is shortened.
class MiddleElidedLabel final : public QLabel {
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, shown());
    }

    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        setToolTip(shown() == text() ? QString() : text());
    }

private:
    QString shown() const { return fontMetrics().elidedText(text(), Qt::ElideMiddle, width()); }
};

void setTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

}  // namespace

CropSubtoolbar::CropSubtoolbar(AppModel& model, std::shared_ptr<CropDocument> document, QWidget* parent)
    : QWidget(parent), model_(model), document_(std::move(document)) {
    setFixedHeight(kHeight);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(22, 0, 22, 1);
    row->setSpacing(0);

    auto* texts = new QWidget;
    auto* textRow = new QHBoxLayout(texts);
    textRow->setContentsMargins(0, 0, 0, 0);
    textRow->setSpacing(13);
    auto* title = new QLabel(localizedString("Crop image"));
    title->setFont(textStyleFont(TextStyle::title2, QFont::DemiBold));
    setTextColour(*title, CropPalette::ink());
    textRow->addWidget(title);
    fileName_ = new MiddleElidedLabel(document_->fileName());
    fileName_->setFont(textStyleFont(TextStyle::callout));
    setTextColour(*fileName_, CropPalette::secondaryText());
    fileName_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    textRow->addWidget(fileName_, 1);
    row->addWidget(texts, 1);

    transformButton_ = new CropTransformPopUpButton;
    row->addWidget(transformButton_, 0, Qt::AlignVCenter);

    auto* filler = new QWidget;
    filler->setAttribute(Qt::WA_TransparentForMouseEvents);
    row->addWidget(filler, 1);

    connect(document_.get(), &CropDocument::selectionChanged, this, &CropSubtoolbar::refresh);
    refresh();
}

QString CropSubtoolbar::angleText(int displayClockwiseQuarterTurns) {
    const int turns = ((displayClockwiseQuarterTurns % 4) + 4) % 4;
    return QString::number(turns * 90) + QStringLiteral("°");
}

void CropSubtoolbar::perform(CropTransformCommand command) {
    if (!model_.canGoToEditor()) return;
    CropSelection selection = document_->selection();
    selection.apply(command);
    document_->setSelection(selection);
}

void CropSubtoolbar::refresh() {
    const CropSelection& selection = document_->selection();
    transformButton_->refresh(angleText(selection.displayClockwiseQuarterTurns), selection.isHorizontallyFlipped,
                              [this](CropTransformCommand command) { perform(command); });
}

void CropSubtoolbar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QColor veil(Qt::white);
    veil.setAlphaF(0.82f);
    painter.fillRect(rect(), veil);
    painter.fillRect(QRect(0, height() - 1, width(), 1), CropPalette::hairline());
}

}  // namespace vlt

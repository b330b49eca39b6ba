#include "screens/editor/editor_view.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "model/app_model.h"
#include "editing/session/editor_session.h"
#include "screens/editor/editor_collapsed_inspector_strip.h"
#include "screens/editor/editor_inspector.h"
#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_persistent_message.h"
#include "screens/editor/editor_screen_texts.h"
#include "screens/editor/editor_status_bar.h"
#include "screens/editor/editor_tool_rail.h"
#include "screens/editor/editor_toolbar.h"
#include "screens/editor/editor_transient_message.h"
#include "screens/editor/editor_viewport_header.h"
#include "base/precondition.h"
#include "ui/modal_host.h"

namespace vlt {
namespace {

// The editor is drawn light whatever the system appearance.
QPalette lightPalette(const QPalette& base) {
    QPalette colors = base;
    colors.setColor(QPalette::Window, EditorPalette::workspace());
    colors.setColor(QPalette::WindowText, EditorPalette::primaryText());
    colors.setColor(QPalette::Base, Qt::white);
    colors.setColor(QPalette::AlternateBase, EditorPalette::selectedFill());
    colors.setColor(QPalette::Text, EditorPalette::primaryText());
    colors.setColor(QPalette::Button, Qt::white);
    colors.setColor(QPalette::ButtonText, EditorPalette::ink());
    colors.setColor(QPalette::Highlight, EditorPalette::ink());
    colors.setColor(QPalette::HighlightedText, Qt::white);
    colors.setColor(QPalette::ToolTipBase, Qt::white);
    colors.setColor(QPalette::ToolTipText, EditorPalette::primaryText());
    return colors;
}

}  // namespace

EditorView::EditorView(AppModel& model, std::shared_ptr<EditorSession> session, EditorViewServices services,
                       QWidget* parent)
    : QWidget(parent), model_(&model), session_(std::move(session)), services_(std::move(services)) {
    VLT_PRECONDITION(session_ != nullptr, "the editor screen needs an editor session");
    setObjectName(QStringLiteral("editorView"));
    setPalette(lightPalette(palette()));

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    toolbar_ = new EditorToolbar(model, *session_, this);
    root->addWidget(toolbar_);

    auto* workRow = new QHBoxLayout();
    workRow->setSpacing(0);
    toolRail_ = new EditorToolRail(*session_, this);
    workRow->addWidget(toolRail_);
    workRow->addWidget(makeCentreColumn(this), 1);
    inspector_ = new EditorInspector(*session_, this);
    inspector_->setFixedWidth(EditorInspector::kWidth);
    inspector_->setFontPanelPresenter(services_.presentFontPanel);
    workRow->addWidget(inspector_);
    strip_ = new EditorCollapsedInspectorStrip(this);
    connect(strip_, &QAbstractButton::clicked, this, [this] { session_->setInspectorExpanded(true); });
    workRow->addWidget(strip_);
    root->addLayout(workRow, 1);

    connectModel();
    refreshLocks();
    refreshInspector();
    refreshBanners();
    refreshTextEntrySheet();
}

EditorView::~EditorView() {
    // The parts hold the session by reference: they go before this view lets go of it.
    const auto parts = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    qDeleteAll(parts);
}

QWidget* EditorView::makeCentreColumn(QWidget* parent) {
    auto* column = new QWidget(parent);
    column->setObjectName(QStringLiteral("editorCentreColumn"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    viewportBlock_ = new QWidget(column);
    viewportBlock_->setObjectName(QStringLiteral("editorViewportBlock"));
    auto* block = new QVBoxLayout(viewportBlock_);
    block->setContentsMargins(0, 0, 0, 0);
    block->setSpacing(0);
    header_ = new EditorViewportHeader(*session_, viewportBlock_);
    block->addWidget(header_);

    QPointer<EditorView> self(this);
    canvas_ = services_.makeCanvas(
        *session_,
        [self] {
            if (self) self->reportGraphicsFailure();
        },
        viewportBlock_);
    VLT_PRECONDITION(canvas_.widget != nullptr, "the canvas factory must make a widget");
    canvas_.widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    block->addWidget(canvas_.widget, 1);
    layout->addWidget(viewportBlock_, 1);

    transientBanner_ = new EditorTransientMessage(viewportBlock_);
    persistentBanner_ = new EditorPersistentMessage([this] { session_->clearPersistentMessage(); }, viewportBlock_);
    viewportBlock_->installEventFilter(this);

    statusBar_ = new EditorStatusBar(*session_, column);
    layout->addWidget(statusBar_);
    return column;
}

void EditorView::connectModel() {
    connect(model_.data(), &AppModel::animationVideoSaveStateChanged, this, &EditorView::refreshLocks);
    connect(model_.data(), &AppModel::isInteractionLockedChanged, this, &EditorView::refreshLocks);
    connect(session_.get(), &EditorSession::selectedTabChanged, this, &EditorView::refreshLocks);
    connect(session_.get(), &EditorSession::isInspectorExpandedChanged, this, &EditorView::refreshInspector);
    connect(session_.get(), &EditorSession::transientMessageChanged, this, &EditorView::refreshBanners);
    connect(session_.get(), &EditorSession::persistentMessageChanged, this, &EditorView::refreshBanners);
    connect(session_.get(), &EditorSession::textEntryRequestChanged, this, &EditorView::refreshTextEntrySheet);
}

bool EditorView::isEditingLocked() const {
    const bool videoSaving = model_ && model_->isAnimationVideoSaving();
    return session_->selectedTab() == EditorTab::animate || videoSaving;
}

void EditorView::refreshLocks() {
    const bool editingLocked = isEditingLocked();
    toolRail_->setEnabled(!editingLocked);
    inspector_->setEnabled(!editingLocked);
    strip_->setEnabled(!editingLocked);
    header_->setOutputBusy(model_ && model_->isAnimationVideoSaving());

    const bool suspended = model_ && model_->isInteractionLocked();
    if (suspended != lastSuspended_ || !canvas_.setInteractionSuspended) {
        lastSuspended_ = suspended;
        if (canvas_.setInteractionSuspended) canvas_.setInteractionSuspended(suspended);
    }
}

void EditorView::refreshInspector() {
    const bool expanded = session_->isInspectorExpanded();
    inspector_->setVisible(expanded);
    strip_->setVisible(!expanded);
}

void EditorView::refreshBanners() {
    const auto& transient = session_->transientMessage();
    transientBanner_->setVisible(transient.has_value());
    if (transient) transientBanner_->setMessage(*transient);

    const auto& persistent = session_->persistentMessage();
    persistentBanner_->setVisible(persistent.has_value());
    if (persistent) persistentBanner_->setMessage(*persistent);
    placeBanners();
}

void EditorView::placeBanners() {
    const QRect block = viewportBlock_->rect();
    if (transientBanner_->isVisible()) {
        const QSize size = transientBanner_->sizeWithin(block.width() - 2 * kTransientSidePadding);
        transientBanner_->setGeometry(block.left() + (block.width() - size.width()) / 2,
                                      block.top() + kTransientTopPadding, size.width(), size.height());
        transientBanner_->raise();
    }
    if (persistentBanner_->isVisible()) {
        const QSize size = persistentBanner_->sizeWithin(block.width() - 2 * kPersistentPadding);
        persistentBanner_->setGeometry(block.left() + kPersistentPadding,
                                       block.bottom() + 1 - kPersistentPadding - size.height(), size.width(),
                                       size.height());
        persistentBanner_->raise();
    }
}

void EditorView::refreshTextEntrySheet() {
    const auto& request = session_->textEntryRequest();
    const bool showsThisRequest = textEntrySheet_ && request && request->id == textEntrySheetRequestID_;
    if (showsThisRequest) return;
    closeTextEntrySheet();
    if (!request || !services_.makeTextEntrySheet) return;
    textEntrySheetRequestID_ = request->id;
    textEntrySheet_ = services_.makeTextEntrySheet(
        *request, [this] { cancelTextEntry(); }, [this](const QString& text) { commitTextEntry(text); }, this);
}

void EditorView::closeTextEntrySheet() {
    QWidget* sheet = textEntrySheet_.data();
    textEntrySheet_.clear();
    if (!sheet) return;
    // A dialog sheet closes itself after answering, with its fade; one whose request
    // went away otherwise is asked to close the same way.
    if (auto* dialog = qobject_cast<ModalHost*>(sheet)) {
        dialog->requestClose();
        return;
    }
    sheet->deleteLater();
}

void EditorView::cancelTextEntry() { session_->setTextEntryRequest(std::nullopt); }

void EditorView::commitTextEntry(const QString& text) {
    const auto request = session_->textEntryRequest();
    if (request && session_->commitTextEntry) session_->commitTextEntry(*request, text);
    session_->setTextEntryRequest(std::nullopt);
}

void EditorView::reportGraphicsFailure() {
    session_->showPersistentMessage(EditorScreenTexts::canvasUnavailable());
    if (model_) model_->reportGraphicsFailure();
}

bool EditorView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewportBlock_ && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)) {
        placeBanners();
    }
    return QWidget::eventFilter(watched, event);
}

void EditorView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), EditorPalette::workspace());
}

}  // namespace vlt

#include "model/still_image_save_preparation.h"

#include <utility>
#include <vector>

#include "editing/session/editor_session.h"
#include "output/still/still_image_canvas_reserve.h"
#include "output/still/still_image_composer.h"
#include "output/still/still_image_kind.h"

namespace vlt {

void StillImageSavePreparation::start(const std::shared_ptr<EditorSession>& session,
                                      const StillImageExportOptions& options) {
    if (!session || !session->makeStillImageSnapshot) return;
    if (!standsFor(session)) {
        snapshot_ = requestSnapshot(*session);
        session_ = session;
        revision_ = session->historyStateRevision();
    }
    const ImageSize canvas = session->canvasSize();
    std::vector<std::size_t> blockBytes;
    for (const StillImageKind kind : stillImageKinds(options.selection, options.currentTab)) {
        const StillImagePixelSize size = StillImageComposer::canvasSize(kind, canvas.width, canvas.height, options);
        blockBytes.push_back(std::size_t(size.width) * std::size_t(size.height) * 4);
    }
    StillImageCanvasReserve::shared().prepare(std::move(blockBytes));
}

SharedStillImageSnapshotSource StillImageSavePreparation::takeSnapshot(const std::shared_ptr<EditorSession>& session) {
    SharedStillImageSnapshotSource prepared = standsFor(session) ? std::move(snapshot_) : nullptr;
    snapshot_.reset();
    session_.reset();
    return prepared ? prepared : requestSnapshot(*session);
}

void StillImageSavePreparation::drop() {
    snapshot_.reset();
    session_.reset();
    StillImageCanvasReserve::shared().release();
}

SharedStillImageSnapshotSource StillImageSavePreparation::requestSnapshot(EditorSession& session) {
    auto source = std::make_shared<StillImageSnapshotSource>(session.editingCanvas()->image());
    session.makeStillImageSnapshot(
        [source](Result<StillImageRenderSnapshot> snapshot) { source->fulfil(std::move(snapshot)); });
    return source;
}

bool StillImageSavePreparation::standsFor(const std::shared_ptr<EditorSession>& session) const {
    return snapshot_ && !snapshot_->hasFailed() && session_.lock() == session &&
           session->historyStateRevision() == revision_;
}

}  // namespace vlt

#pragma once

#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QWidget>

#include "model/app_model.h"
#include "editing/session/editor_session.h"
#include "screens/editor/editor_view_services.h"
#include "foundation/app_language_preference_storing.h"
#include "foundation/application_settings_storing.h"
#include "base/clock.h"
#include "base/scheduler.h"

namespace vlt::testing {

class MemorySettingsStore final : public ApplicationSettingsStoring {
public:
    Result<ApplicationSettings> load() override { return ApplicationSettings::defaults(); }
    VoidResult save(const ApplicationSettings&) override { return {}; }
};

class MemoryLanguageStore final : public AppLanguagePreferenceStoring {
public:
    void save(AppLanguage) override {}
    QStringList storedPreferredLanguages() const override { return {}; }
};

// Stands in for the live canvas: paints a flat picture and records what reaches it.
class SyntheticCanvas final : public QWidget {
    Q_OBJECT

public:
    explicit SyntheticCanvas(QWidget* parent = nullptr);

    int presses = 0;
    std::vector<bool> suspensions;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// A model on in-memory stores with an open editor session on a manual scheduler.
class EditorScreenFixture {
public:
    explicit EditorScreenFixture(std::int64_t canvasWidth = 1000, std::int64_t canvasHeight = 800);
    ~EditorScreenFixture();

    // Services whose canvas is a SyntheticCanvas (kept in `canvas`) and whose text
    // sheet is a plain widget (kept in `sheets`).
    EditorViewServices services();

    ManualClock clock{0.0};
    ManualScheduler scheduler{&clock};
    std::unique_ptr<AppModel> model;
    std::shared_ptr<EditorSession> session;
    SyntheticCanvas* canvas = nullptr;
    std::vector<QWidget*> sheets;
    std::function<void()> cancelSheet;
    std::function<void(const QString&)> commitSheet;
    int graphicsFailureReports = 0;
    std::function<void()> reportGraphicsFailure;
    int fontPanelOpenings = 0;
};

// Colours equal within a small tolerance on each 8-bit component.
::testing::AssertionResult colorNear(const QColor& actual, const QColor& expected, int tolerance = 2);

// The widget drawn into an image of its own size.
QImage render(QWidget& widget);
// The bounding box of the pixels whose alpha exceeds the threshold.
QRect inkBounds(const QImage& image, int alphaThreshold = 8);

}  // namespace vlt::testing

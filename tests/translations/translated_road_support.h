#pragma once

#include <memory>

#include <QSize>
#include <QTemporaryDir>
#include <QWidget>

#include "app/main_window.h"
#include "foundation/app_language.h"

namespace vlt {

class AppContentView;
class AppModel;
class EditorSession;

namespace testing {

// How long the road waits for a step the event loop takes.
constexpr int kPatience = 20000;

// The language under test, from the environment: one process per language, since texts
// are kept once looked up. French when none is named.
AppLanguage languageUnderTest();
QString languageCode();

// The window's default and least sizes.
inline constexpr QSize kDefaultWindowSize(MainWindow::kDefaultWidth, MainWindow::kDefaultHeight);
inline constexpr QSize kMinimumWindowSize(MainWindow::kMinimumWidth, MainWindow::kMinimumHeight);

// The application's screens in a window of the given size over a model on the real
// event loop, with its settings in a real file of a folder of its own and motion off.
class TranslatedRoad {
    // First, so that it outlasts the model that writes into it.
    QTemporaryDir folder_;

public:
    // `settingsText`: the settings file as it stands before the model starts; none for
    // no file.
    explicit TranslatedRoad(const QByteArray& settingsText = {}, QSize windowSize = kDefaultWindowSize);
    ~TranslatedRoad();

    QString filePath(const QString& name) const { return folder_.filePath(name); }
    // Opens a photograph of that name and size and waits for the crop screen.
    bool open(const QString& name, QSize size = {900, 600});
    // Goes on to the editor and makes one push across the middle of the Simulation, so
    // that there is something to save.
    bool goToEditorAndPush();
    EditorSession& session();

    std::unique_ptr<AppModel> model;
    QWidget window;
    AppContentView* root = nullptr;
};

}  // namespace testing
}  // namespace vlt

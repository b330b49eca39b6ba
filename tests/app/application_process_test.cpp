#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <linux/input.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTranslator>
#include <gtest/gtest.h>

#include "base/file_contents.h"
#include "crash_capture/vt_crash_report.h"
#include "crash_reports/vt_crash_capture.h"
#include "foundation/interface_translations.h"
#include "support/absurd_crash_log.h"

namespace vlt {
namespace {

constexpr int kPatienceMilliseconds = 20000;
// The close question is up long before this; a process that quits without asking is gone by then.
constexpr int kQuestionMilliseconds = 700;
const QString kUnsavedChangesQuestion = QStringLiteral("Unsaved image changes");

// The built application in a process of its own, headless, on folders of its own (or on
// those of `home`, so that one launch finds what an earlier one left), its data memory
// limited when a limit is given. Keys and the mouse reach it through Qt's own evdev input
// plugins, reading pipes that this side writes as if they were input devices; the event
// log comes on stderr.
class ApplicationProcess {
public:
    explicit ApplicationProcess(const QStringList& arguments, const QString& home = {}, rlim_t dataLimit = 0)
        : homePath_(home.isEmpty() ? ownHome_.path() : home) {
        ::signal(SIGPIPE, SIG_IGN);  // a process that died fails the test, not ends it
        int keyboard[2] = {-1, -1};
        int mouse[2] = {-1, -1};
        if (::pipe2(keyboard, O_CLOEXEC) != 0 || ::pipe2(mouse, O_CLOEXEC) != 0) return;
        keyboard_ = keyboard[1];
        mouse_ = mouse[1];
        environment_.insert(QStringLiteral("HOME"), homePath_);
        environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), homePath_);
        for (const char* folder : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
            environment_.insert(QLatin1String(folder), homePath_ + QLatin1Char('/') + QLatin1String(folder));
        }
        environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // The desktop's theme would order the question's buttons its own way.
        environment_.remove(QStringLiteral("QT_QPA_PLATFORMTHEME"));
        environment_.insert(QStringLiteral("VELTRANO_EVENT_LOG"), QStringLiteral("stderr"));
        // Qt's own messages stand out from the event log by their first word.
        environment_.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("qt-%{type} %{category}: %{message}"));
        QProcessEnvironment withInput = environment_;
        // The text probe writes what the windows show into a file of ours.
        withInput.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(VLT_TEST_PLUGIN_DIR));
        withInput.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"),
                         QStringLiteral("evdevkeyboard:/dev/fd/%1,evdevmouse:/dev/fd/%2:nocompress,vlttextprobe:%3")
                             .arg(keyboard[0])
                             .arg(mouse[0])
                             .arg(ownHome_.filePath(QStringLiteral("visible-texts.txt"))));
        process_.setProcessEnvironment(withInput);
        // Into a file rather than a pipe: an application relaunched by this one writes on
        // after this one has ended, when a pipe would be closed under it.
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.setStandardOutputFile(ownHome_.filePath(QStringLiteral("output.log")));
        process_.setChildProcessModifier([input = keyboard[0], pointer = mouse[0], dataLimit] {
            ::fcntl(input, F_SETFD, 0);
            ::fcntl(pointer, F_SETFD, 0);
            const rlimit limit = {dataLimit, dataLimit};
            if (dataLimit != 0) ::setrlimit(RLIMIT_DATA, &limit);
            // A crash of the application is looked at through its own crash log.
            const rlimit noCore = {0, 0};
            ::setrlimit(RLIMIT_CORE, &noCore);
        });
        process_.start(QStringLiteral(VLT_APPLICATION_PATH), arguments);
        ::close(keyboard[0]);
        ::close(mouse[0]);
    }

    ~ApplicationProcess() {
        process_.kill();
        process_.waitForFinished();
        for (const int pipe : {keyboard_, mouse_}) ::close(pipe);
    }

    int eventCount(const char* event) {
        QFile output(ownHome_.filePath(QStringLiteral("output.log")));
        if (output.open(QIODevice::ReadOnly)) log_ = output.readAll();
        return int(log_.count(QByteArray("] ") + event + ' '));
    }
    bool logHas(const char* text) {
        eventCount("");
        return log_.contains(text);
    }

    bool waitForEvent(const char* event, int count = 1, int milliseconds = kPatienceMilliseconds) {
        const QDeadlineTimer deadline(milliseconds);
        while (eventCount(event) < count) {
            if (deadline.hasExpired() || process_.state() == QProcess::NotRunning) return false;
            process_.waitForFinished(20);
        }
        return true;
    }

    // The warnings and errors Qt printed so far, one a line; the input plugins' own
    // complaints about the pipes that stand in for devices are this side's business.
    QByteArrayList qtWarnings() {
        eventCount("");
        QByteArrayList warnings;
        for (const QByteArray& line : log_.split('\n')) {
            const bool serious = line.startsWith("qt-warning") || line.startsWith("qt-critical");
            if (serious && !line.contains(": evdev")) warnings << line;
        }
        return warnings;
    }

    // True once the process has been ended by the signal within the time given.
    bool diesBy(int signal, int milliseconds) {
        const bool ended = process_.waitForFinished(milliseconds) || process_.state() == QProcess::NotRunning;
        eventCount("");
        return ended && process_.exitStatus() == QProcess::CrashExit && process_.exitCode() == signal;
    }

    // True once the process has ended on its own (status 0) within the time given.
    bool endsWithin(int milliseconds) {
        const bool ended = process_.waitForFinished(milliseconds) || process_.state() == QProcess::NotRunning;
        eventCount("");
        return ended && process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
    }

    // True once the windows show `text` as one whole text (a label, a button, an
    // accessible name), within the time given.
    bool showsWithin(const QString& text, int milliseconds = kPatienceMilliseconds) {
        const QDeadlineTimer deadline(milliseconds);
        do {
            QFile file(ownHome_.filePath(QStringLiteral("visible-texts.txt")));
            if (file.open(QIODevice::ReadOnly) && QString::fromUtf8(file.readAll()).split(u'\n').contains(text)) {
                return true;
            }
            QThread::msleep(50);
        } while (!deadline.hasExpired());
        return false;
    }

    // True once the windows no longer show `text`, within the time given.
    bool hidesWithin(const QString& text, int milliseconds = kPatienceMilliseconds) {
        for (const QDeadlineTimer deadline(milliseconds); showsWithin(text, 0);) {
            if (deadline.hasExpired()) return false;
        }
        return true;
    }

    // The process whose windows the probe reports last: a relaunched application is no
    // child of ours.
    pid_t shownProcessId() {
        QFile file(ownHome_.filePath(QStringLiteral("visible-texts.txt")));
        if (!file.open(QIODevice::ReadOnly)) return 0;
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        for (const QString& line : lines) {
            if (line.startsWith(QStringLiteral("process: "))) return pid_t(line.mid(9).toInt());
        }
        return 0;
    }

    // Presses Tab until the keyboard focus is on the control titled `title`.
    bool tabTo(const QString& title) {
        for (int press = 0; press < 12; ++press) {
            if (showsWithin(QStringLiteral("focus: ") + title, 400)) return true;
            pressKey(KEY_TAB);
        }
        return false;
    }

    void sendSignal(int number) {
        // Never 0: that would signal this whole process group.
        if (const auto id = pid_t(process_.processId()); id > 0) ::kill(id, number);
    }

    QStringList arguments() const { return process_.arguments(); }

    // Starts the application once more, which hands its files to this one; its exit code.
    int launchAgain(const QStringList& arguments) {
        QProcess second;
        second.setProcessEnvironment(environment_);
        second.start(QStringLiteral(VLT_APPLICATION_PATH), arguments);
        return second.waitForFinished(kPatienceMilliseconds) ? second.exitCode() : -1;
    }

    void pressKey(int key, int modifier = 0) {
        for (const int code : {modifier, key}) add(EV_KEY, code, 1, code != 0);
        for (const int code : {key, modifier}) add(EV_KEY, code, 0, code != 0);
        send(keyboard_);
    }

    // A left-button drag from (x, y) on the screen, `length` pixels to the right, at the
    // pace of a hand: the canvas takes the stroke frame by frame. The first move only
    // tells where the pointer is; far up and left is the screen's corner.
    void drag(int x, int y, int length) {
        for (const auto& [dx, dy] : {std::pair{0, 0}, std::pair{-5000, -5000}, std::pair{x, y}}) move(dx, dy);
        add(EV_KEY, BTN_LEFT, 1);
        for (int step = 0; step < length; step += 4) {
            send(mouse_);
            QThread::msleep(15);
            move(4, 0);
        }
        add(EV_KEY, BTN_LEFT, 0);
        send(mouse_);
    }

private:
    void add(int type, int code, int value, bool wanted = true) {
        if (!wanted) return;
        events_.push_back(input_event{{}, std::uint16_t(type), std::uint16_t(code), value});
        events_.push_back(input_event{{}, EV_SYN, SYN_REPORT, 0});
    }
    void move(int dx, int dy) {
        events_.push_back(input_event{{}, EV_REL, REL_X, dx});
        add(EV_REL, REL_Y, dy);
    }
    void send(int pipe) {
        const auto size = ssize_t(events_.size() * sizeof(input_event));
        EXPECT_EQ(::write(pipe, events_.data(), std::size_t(size)), size);
        events_.clear();
    }

    QTemporaryDir ownHome_;
    QString homePath_;
    QProcessEnvironment environment_ = QProcessEnvironment::systemEnvironment();
    QProcess process_;
    QByteArray log_;
    std::vector<input_event> events_;
    int keyboard_ = -1;
    int mouse_ = -1;
};

void quitByKey(ApplicationProcess& application) { application.pressKey(KEY_Q, KEY_LEFTCTRL); }

// Escape answers the crash report's question, "Don't send", or its notice, "OK". Pressed
// until the log is gone, since nothing tells when the sheet has opened.
bool discardCrashReport(ApplicationProcess& application) {
    for (const QDeadlineTimer deadline(kPatienceMilliseconds); !deadline.hasExpired();) {
        application.pressKey(KEY_ESC);
        if (application.endsWithin(0)) return false;
        for (const QDeadlineTimer step(200); !step.hasExpired();) {
            if (application.eventCount("crash_report_discarded") > 0) return true;
            QThread::msleep(10);
        }
    }
    return false;
}

// A folder with one plain 640 × 480 photograph.
class PortraitFolder {
public:
    PortraitFolder() {
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(QColor(180, 120, 90));
        saved_ = picture.save(portrait());
    }
    QString portrait() const { return folder_.filePath(QStringLiteral("portrait.png")); }
    bool isSaved() const { return saved_; }

private:
    QTemporaryDir folder_;
    bool saved_ = false;
};

// From the crop screen into the editor: the toolbar's second stop is "Go to editor".
bool goToEditor(ApplicationProcess& application) {
    if (!application.waitForEvent("import_succeeded")) return false;
    for (const int key : {KEY_TAB, KEY_TAB, KEY_SPACE}) application.pressKey(key);
    return application.waitForEvent("editor_preparation_succeeded");
}

// One stroke across the middle of the simulation, which alone fills the middle of the
// (offscreen) screen once the tab before the comparison is shown. Pauses are generous:
// a loaded two-core machine or a sanitizer build is slow to switch tabs and to commit
// the stroke, and nothing is logged for either.
void strokeTheSimulation(ApplicationProcess& application, int y) {
    QThread::msleep(500);
    application.drag(400, y, 60);
    QThread::msleep(1000);
}

TEST(ApplicationProcessTest, QuitWithTheEditorOpenEndsTheProcessOnceAndForAll) {
    const struct {
        const char* situation;
        bool unsavedChange;
        std::function<void(ApplicationProcess&)> quit;
    } cases[] = {
        {"Ctrl+Q", false, quitByKey},
        {"SIGTERM", false, [](ApplicationProcess& application) { application.sendSignal(SIGTERM); }},
        {"Ctrl+Q, then Close Anyway", true,
         [](ApplicationProcess& application) {
             quitByKey(application);
             EXPECT_FALSE(application.endsWithin(kQuestionMilliseconds)) << "quit without asking";
             // The question opens on Cancel; the stop before it is Close Anyway.
             application.pressKey(KEY_TAB, KEY_LEFTSHIFT);
             application.pressKey(KEY_SPACE);
         }},
        {"a second launch with the file, then SIGINT twice", true,
         [](ApplicationProcess& application) {
             // What a file manager's Open does: the stroke is not let go without a question.
             EXPECT_EQ(application.launchAgain(application.arguments()), 0);
             EXPECT_FALSE(application.waitForEvent("import_started", 2, kQuestionMilliseconds));
             EXPECT_TRUE(application.showsWithin(kUnsavedChangesQuestion));
             application.pressKey(KEY_ESC);
             EXPECT_TRUE(application.hidesWithin(kUnsavedChangesQuestion));
             application.sendSignal(SIGINT);
             EXPECT_FALSE(application.endsWithin(kQuestionMilliseconds)) << "quit without asking";
             EXPECT_TRUE(application.showsWithin(kUnsavedChangesQuestion));
             application.sendSignal(SIGINT);
         }},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.situation);
        const PortraitFolder pictures;
        ASSERT_TRUE(pictures.isSaved());
        ApplicationProcess application({pictures.portrait()});
        ASSERT_TRUE(goToEditor(application));
        const QByteArrayList warnings = application.qtWarnings();
        EXPECT_TRUE(warnings.isEmpty()) << "on the road to the editor: " << warnings.join('\n').constData();
        if (row.unsavedChange) {
            application.pressKey(KEY_LEFT);
            strokeTheSimulation(application, 320);
        }

        row.quit(application);
        EXPECT_TRUE(application.endsWithin(kPatienceMilliseconds));
        EXPECT_EQ(application.eventCount("session_ended"), 1);
    }
}

// A second SIGTERM means it only while the first one's question is open: after Cancel
// and more editing, the next one asks again.
TEST(ApplicationProcessTest, ASignalAfterTheQuestionWasCancelledAsksAgain) {
    const PortraitFolder pictures;
    ASSERT_TRUE(pictures.isSaved());
    ApplicationProcess application({pictures.portrait()});
    ASSERT_TRUE(goToEditor(application));
    application.pressKey(KEY_LEFT);
    strokeTheSimulation(application, 320);

    application.sendSignal(SIGTERM);
    ASSERT_TRUE(application.showsWithin(kUnsavedChangesQuestion));
    application.pressKey(KEY_ESC);
    ASSERT_TRUE(application.hidesWithin(kUnsavedChangesQuestion)) << "Escape did not answer the question";
    strokeTheSimulation(application, 260);

    application.sendSignal(SIGTERM);
    ASSERT_FALSE(application.endsWithin(kQuestionMilliseconds)) << "the second signal ended it without asking";
    EXPECT_TRUE(application.showsWithin(kUnsavedChangesQuestion));
    // The question opens on Cancel; the stop before it is Close Anyway.
    application.pressKey(KEY_TAB, KEY_LEFTSHIFT);
    application.pressKey(KEY_SPACE);
    EXPECT_TRUE(application.endsWithin(kPatienceMilliseconds));
}

TEST(ApplicationProcessTest, APipeIsNoImageFromTheCommandLineNorFromASecondLaunch) {
    QTemporaryDir pictures;
    // Nobody ever writes into it: reading it would wait for ever.
    const QString pipe = pictures.filePath(QStringLiteral("portrait.jpg"));
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    ApplicationProcess application({pipe});
    ASSERT_TRUE(application.waitForEvent("import_failed"));

    EXPECT_EQ(application.launchAgain({pipe}), 0);
    EXPECT_TRUE(application.waitForEvent("import_failed", 2));
    quitByKey(application);
    EXPECT_TRUE(application.endsWithin(kPatienceMilliseconds));
    EXPECT_EQ(application.eventCount("session_ended"), 1);
}

// A crash log that the last run left (or whatever lies at its path) costs the launch
// little, even in a process whose memory is tight, and is removed only once answered: a
// quit while the question is up leaves it for the next launch, which asks again.
TEST(ApplicationProcessTest, APendingCrashLogIsOfferedInBoundedMemoryAndRemovedOnceAnswered) {
#if defined(__SANITIZE_ADDRESS__)
    constexpr rlim_t kDataLimit = 0;  // the sanitizer's shadow memory alone is far larger
#else
    constexpr rlim_t kDataLimit = rlim_t{512} << 20;
#endif
    const struct {
        const char* situation;
        std::function<void(const std::string& path)> place;
        const char* offered;
        std::function<void(ApplicationProcess&)> quitAtTheQuestion = nullptr;
    } cases[] = {
        {"a sparse file of 1 GiB, SIGTERM at the notice",
         [](const std::string& path) {
             std::ofstream(path).close();
             std::filesystem::resize_file(path, 1ull << 30);
         },
         "failure_code=pending_report_invalid",
         [](ApplicationProcess& application) { application.sendSignal(SIGTERM); }},
        {"a crafted log of 10 MiB, SIGINT at the question",
         [](const std::string& path) { std::ofstream(path) << testing::absurdCrashLog(); }, "previous_crash_captured",
         [](ApplicationProcess& application) { application.sendSignal(SIGINT); }},
        {"a crafted log of 10 MiB, Ctrl+Q at the question",
         [](const std::string& path) { std::ofstream(path) << testing::absurdCrashLog(); }, "previous_crash_captured",
         [](ApplicationProcess& application) {
             ASSERT_TRUE(application.showsWithin(QStringLiteral("Veltrano encountered an unexpected error")));
             quitByKey(application);
         }},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.situation);
        QTemporaryDir home;
        VTCrashReporterConfig configuration = VTCrashCapture::applicationConfiguration();
        configuration.basePath = home.filePath(QStringLiteral("XDG_CACHE_HOME")).toStdString();
        const VTCrashReporter reporter = VTCrashReporter::forApplication(configuration);
        ASSERT_TRUE(reporter.populateCrashReportDirectory());
        const std::string path = reporter.crashReportPath().string();
        row.place(path);
        if (row.quitAtTheQuestion) {
            ApplicationProcess first({}, home.path(), kDataLimit);
            ASSERT_TRUE(first.waitForEvent("session_started"));
            row.quitAtTheQuestion(first);
            EXPECT_TRUE(first.endsWithin(kPatienceMilliseconds));
            EXPECT_EQ(first.eventCount("crash_report_discarded"), 0);
        }

        ApplicationProcess application({}, home.path(), kDataLimit);
        ASSERT_TRUE(application.waitForEvent("session_started"));
        EXPECT_TRUE(application.logHas(row.offered));
        EXPECT_TRUE(application.logHas("crash_reporter_enabled"));
        EXPECT_TRUE(discardCrashReport(application));
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(path)));
        application.sendSignal(SIGTERM);
        EXPECT_TRUE(application.endsWithin(kPatienceMilliseconds));
    }
}

// A folder at the crash log's path, which no crash could replace, keeps capture off only
// until the notice's OK has removed it: the next crash of the same run is recorded.
TEST(ApplicationProcessTest, CaptureStartsOnceTheNoticeRemovedAFolderAtTheCrashLogsPath) {
    QTemporaryDir home;
    VTCrashReporterConfig configuration = VTCrashCapture::applicationConfiguration();
    configuration.basePath = home.filePath(QStringLiteral("XDG_CACHE_HOME")).toStdString();
    const VTCrashReporter reporter = VTCrashReporter::forApplication(configuration);
    ASSERT_TRUE(reporter.populateCrashReportDirectory());
    const std::filesystem::path path = reporter.crashReportPath();
    std::filesystem::create_directories(path / "inside");

    ApplicationProcess application({}, home.path());
    ASSERT_TRUE(application.waitForEvent("session_started"));
    EXPECT_TRUE(application.logHas("failure_code=pending_report_invalid"));
    EXPECT_TRUE(application.logHas("failure_code=enable_failed"));
    EXPECT_FALSE(application.logHas("crash_reporter_enabled"));
    ASSERT_TRUE(discardCrashReport(application));
    ASSERT_TRUE(application.waitForEvent("crash_reporter_enabled"));

    application.sendSignal(SIGSEGV);
    ASSERT_TRUE(application.diesBy(SIGSEGV, kPatienceMilliseconds));
    std::string bytes;
    ASSERT_FALSE(readFileContents(path, std::size_t{10} << 20, bytes));
    const auto log = VTCrashReport::fromData(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    ASSERT_TRUE(log);
    EXPECT_EQ(log.value().signalInfo().name, "SIGSEGV");
}

// The language road as a person takes it: Ctrl+, opens the settings, the keyboard
// picks Français and "Restart now", and the application that comes back shows its
// start page in French.
TEST(ApplicationProcessTest, ChoosingFrenchRestartsIntoAFrenchStartPage) {
    QTranslator french;
    ASSERT_TRUE(french.load(InterfaceTranslations::tablePath(AppLanguage::french)));
    const QString dragHere = french.translate("Veltrano", "Drag an image here");
    ASSERT_FALSE(dragHere.isEmpty());
    ASSERT_NE(dragHere, "Drag an image here");

    ApplicationProcess application({});
    ASSERT_TRUE(application.waitForEvent("session_started"));
    ASSERT_TRUE(application.showsWithin(QStringLiteral("Drag an image here")));
    application.pressKey(KEY_COMMA, KEY_LEFTCTRL);
    ASSERT_TRUE(application.showsWithin(QStringLiteral("Contact information settings")));
    // Tab to the rail's Language entry, Space; Tab into the list, Down to Français;
    // Tab to "Restart now", Space.
    ASSERT_TRUE(application.tabTo(QStringLiteral("Language")));
    application.pressKey(KEY_SPACE);
    ASSERT_TRUE(application.tabTo(QStringLiteral("English")));
    application.pressKey(KEY_DOWN);
    ASSERT_TRUE(application.showsWithin(QStringLiteral("Restart the app to apply this change.")));
    ASSERT_TRUE(application.tabTo(QStringLiteral("Restart now")));
    application.pressKey(KEY_SPACE);

    ASSERT_TRUE(application.endsWithin(kPatienceMilliseconds));
    EXPECT_TRUE(application.showsWithin(dragHere)) << "no French start page";
    const pid_t relaunched = application.shownProcessId();
    ASSERT_GT(relaunched, 0);
    const std::unique_ptr<void, std::function<void(void*)>> ending(
        reinterpret_cast<void*>(1), [relaunched](void*) { ::kill(relaunched, SIGKILL); });
    EXPECT_TRUE(application.showsWithin(dragHere));
    EXPECT_TRUE(application.showsWithin(french.translate("Veltrano", "Open the file browser")));
}

}  // namespace
}  // namespace vlt

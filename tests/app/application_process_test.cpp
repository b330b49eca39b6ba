#include <array>
#include <csignal>
#include <functional>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <linux/input.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace vlt {
namespace {

constexpr int kPatienceMilliseconds = 20000;
// The close question is up long before this; a process that quits without asking is gone by then.
constexpr unsigned long kQuestionMilliseconds = 700;

// The built application in a process of its own, headless, on folders of its own. Keys
// and the mouse reach it through Qt's own evdev input plugins, which read the pipes
// this side writes as if they were input devices; the event log comes on stderr.
class ApplicationProcess {
public:
    explicit ApplicationProcess(const QStringList& arguments) {
        // A process that died must fail the test, not end it.
        ::signal(SIGPIPE, SIG_IGN);
        int keyboard[2];
        int mouse[2];
        if (::pipe2(keyboard, O_CLOEXEC) != 0 || ::pipe2(mouse, O_CLOEXEC) != 0) return;
        keyboard_ = keyboard[1];
        mouse_ = mouse[1];
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home_.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.path());
        for (const char* folder : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
            environment.insert(QLatin1String(folder), home_.filePath(QLatin1String(folder)));
        }
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // The desktop's theme would order the question's buttons its own way.
        environment.remove(QStringLiteral("QT_QPA_PLATFORMTHEME"));
        environment.insert(
            QStringLiteral("QT_QPA_GENERIC_PLUGINS"),
            QStringLiteral("evdevkeyboard:/dev/fd/%1,evdevmouse:/dev/fd/%2:nocompress").arg(keyboard[0]).arg(mouse[0]));
        environment.insert(QStringLiteral("VELTRANO_EVENT_LOG"), QStringLiteral("stderr"));
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.setChildProcessModifier([inputs = std::array{keyboard[0], mouse[0]}] {
            for (const int input : inputs) ::fcntl(input, F_SETFD, 0);
        });
        process_.start(QStringLiteral(VLT_APPLICATION_PATH), arguments);
        ::close(keyboard[0]);
        ::close(mouse[0]);
    }

    ~ApplicationProcess() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
        ::close(keyboard_);
        ::close(mouse_);
    }

    int eventCount(const char* event) {
        log_ += process_.readAll();
        return int(log_.count(QByteArray("] ") + event + ' '));
    }

    bool waitForEvent(const char* event) {
        const QDeadlineTimer deadline(kPatienceMilliseconds);
        while (eventCount(event) == 0) {
            if (deadline.hasExpired() || process_.state() == QProcess::NotRunning) return false;
            process_.waitForReadyRead(int(deadline.remainingTime()));
        }
        return true;
    }

    bool waitForExit() {
        const bool finished =
            process_.waitForFinished(kPatienceMilliseconds) || process_.state() == QProcess::NotRunning;
        eventCount("");
        return finished && process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
    }

    bool isRunning() {
        process_.waitForFinished(0);
        return process_.state() == QProcess::Running;
    }
    void sendSignal(int number) {
        // Never 0: that would signal this whole process group.
        const auto id = pid_t(process_.processId());
        if (id > 0) ::kill(id, number);
    }

    void pressKey(int key, int modifier = 0) {
        std::vector<input_event> events;
        if (modifier != 0) append(events, EV_KEY, modifier, 1);
        append(events, EV_KEY, key, 1);
        append(events, EV_KEY, key, 0);
        if (modifier != 0) append(events, EV_KEY, modifier, 0);
        send(keyboard_, events);
    }

    // A left-button drag from (x, y) on the screen, `length` pixels to the right, at the
    // pace of a hand: the canvas takes the stroke frame by frame.
    void drag(int x, int y, int length) {
        std::vector<input_event> events;
        // The first move only tells where the pointer is; it cannot leave the screen, so
        // far up and left is the corner.
        move(events, 0, 0);
        move(events, -5000, -5000);
        move(events, x, y);
        append(events, EV_KEY, BTN_LEFT, 1);
        send(mouse_, std::exchange(events, {}));
        for (int step = 0; step < length; step += 4) {
            QThread::msleep(15);
            move(events, 4, 0);
            send(mouse_, std::exchange(events, {}));
        }
        append(events, EV_KEY, BTN_LEFT, 0);
        send(mouse_, events);
    }

private:
    static void append(std::vector<input_event>& events, int type, int code, int value) {
        events.push_back(input_event{{}, std::uint16_t(type), std::uint16_t(code), value});
        events.push_back(input_event{{}, EV_SYN, SYN_REPORT, 0});
    }
    static void move(std::vector<input_event>& events, int dx, int dy) {
        events.push_back(input_event{{}, EV_REL, REL_X, dx});
        append(events, EV_REL, REL_Y, dy);
    }
    static void send(int pipe, const std::vector<input_event>& events) {
        const auto size = events.size() * sizeof(input_event);
        ASSERT_EQ(::write(pipe, events.data(), size), ssize_t(size));
    }

    QTemporaryDir home_;
    QProcess process_;
    QByteArray log_;
    int keyboard_ = -1;
    int mouse_ = -1;
};

QString writeImage(const QString& folder) {
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(QColor(180, 120, 90));
    const QString path = folder + QStringLiteral("/portrait.png");
    return image.save(path) ? path : QString();
}

// From the crop screen of a freshly opened photograph the toolbar's second stop is
// "Go to editor".
bool goToEditor(ApplicationProcess& application) {
    if (!application.waitForEvent("import_succeeded")) return false;
    application.pressKey(KEY_TAB);
    application.pressKey(KEY_TAB);
    application.pressKey(KEY_SPACE);
    return application.waitForEvent("editor_preparation_succeeded");
}

void makeUnsavedChange(ApplicationProcess& application) {
    // The editor opens on the comparison; the simulation alone fills the middle of the
    // (offscreen) screen.
    application.pressKey(KEY_LEFT);
    QThread::msleep(200);
    application.drag(400, 320, 60);
    QThread::msleep(300);
}

void quitByKey(ApplicationProcess& application) { application.pressKey(KEY_Q, KEY_LEFTCTRL); }

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
             QThread::msleep(kQuestionMilliseconds);
             EXPECT_TRUE(application.isRunning()) << "quit without asking";
             // The question opens on Cancel; the stop before it is Close Anyway.
             application.pressKey(KEY_TAB, KEY_LEFTSHIFT);
             application.pressKey(KEY_SPACE);
         }},
        {"SIGINT twice", true,
         [](ApplicationProcess& application) {
             application.sendSignal(SIGINT);
             QThread::msleep(kQuestionMilliseconds);
             EXPECT_TRUE(application.isRunning()) << "quit without asking";
             application.sendSignal(SIGINT);
         }},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.situation);
        QTemporaryDir pictures;
        ApplicationProcess application({writeImage(pictures.path())});
        ASSERT_TRUE(goToEditor(application));
        if (row.unsavedChange) makeUnsavedChange(application);

        row.quit(application);
        EXPECT_TRUE(application.waitForExit());
        EXPECT_EQ(application.eventCount("session_ended"), 1);
    }
}

TEST(ApplicationProcessTest, QuitNeverWaitsForAnImportStuckReadingAPipe) {
    QTemporaryDir pictures;
    const QString pipe = pictures.filePath(QStringLiteral("portrait.jpg"));
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    ApplicationProcess application({pipe});
    ASSERT_TRUE(application.waitForEvent("import_started"));

    quitByKey(application);
    EXPECT_TRUE(application.waitForExit());
    EXPECT_EQ(application.eventCount("session_ended"), 1);
}

}  // namespace
}  // namespace vlt

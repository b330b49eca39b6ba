#include "support/test_settings_portal.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QMap>
#include <QMutex>
#include <QMutexLocker>
#include <QProcess>
#include <QThread>
#include <QVariantMap>

namespace vlt::testing {

namespace {

constexpr const char* kService = "org.freedesktop.portal.Desktop";
constexpr const char* kPath = "/org/freedesktop/portal/desktop";
constexpr const char* kInterface = "org.freedesktop.portal.Settings";
constexpr int kStartMilliseconds = 10000;

using SettingsByNamespace = QMap<QString, QVariantMap>;

}  // namespace

// The exported object: its slots run on the portal's own thread.
class SettingsPortalObject final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    explicit SettingsPortalObject(QDBusConnection bus) : bus_(std::move(bus)) {}

    void setValue(const QString& settingNamespace, const QString& key, const QVariant& value) {
        QMutexLocker lock(&mutex_);
        settings_[settingNamespace][key] = value;
    }
    void hold() {
        QMutexLocker lock(&mutex_);
        holding_ = true;
    }
    void release() {
        QList<QDBusMessage> waiting;
        {
            QMutexLocker lock(&mutex_);
            holding_ = false;
            waiting.swap(held_);
        }
        for (const QDBusMessage& call : waiting) answer(call);
    }
    int readCount() const {
        QMutexLocker lock(&mutex_);
        return reads_;
    }

public slots:
    void ReadAll(const QStringList&, const QDBusMessage& call) {
        call.setDelayedReply(true);
        {
            QMutexLocker lock(&mutex_);
            ++reads_;
            if (holding_) {
                held_.append(call);
                return;
            }
        }
        answer(call);
    }

private:
    void answer(const QDBusMessage& call) {
        SettingsByNamespace settings;
        {
            QMutexLocker lock(&mutex_);
            settings = settings_;
        }
        bus_.send(call.createReply(QVariant::fromValue(settings)));
    }

    QDBusConnection bus_;
    mutable QMutex mutex_;
    SettingsByNamespace settings_;
    QList<QDBusMessage> held_;
    bool holding_ = false;
    int reads_ = 0;
};

struct TestSettingsPortal::Private {
    QProcess daemon;
    QString address;
    QThread thread;
    std::unique_ptr<QDBusConnection> bus;
    std::unique_ptr<SettingsPortalObject> object;
    int clients = 0;
};

TestSettingsPortal::TestSettingsPortal() : d_(std::make_unique<Private>()) {
    qDBusRegisterMetaType<SettingsByNamespace>();
    d_->daemon.start(QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!d_->daemon.waitForReadyRead(kStartMilliseconds)) return;
    d_->address = QString::fromUtf8(d_->daemon.readLine()).trimmed();
    d_->bus = std::make_unique<QDBusConnection>(
        QDBusConnection::connectToBus(d_->address, QStringLiteral("vlt-test-settings-portal")));
    d_->object = std::make_unique<SettingsPortalObject>(*d_->bus);
    d_->thread.start();
    d_->object->moveToThread(&d_->thread);
    d_->bus->registerObject(QLatin1String(kPath), d_->object.get(), QDBusConnection::ExportAllSlots);
}

TestSettingsPortal::~TestSettingsPortal() {
    if (d_->bus) {
        d_->bus->unregisterObject(QLatin1String(kPath));
        QDBusConnection::disconnectFromBus(d_->bus->name());
    }
    for (int client = 0; client < d_->clients; ++client) {
        QDBusConnection::disconnectFromBus(QStringLiteral("vlt-test-settings-client-%1").arg(client));
    }
    d_->thread.quit();
    d_->thread.wait();
    d_->object.reset();
    d_->daemon.kill();
    d_->daemon.waitForFinished(kStartMilliseconds);
}

bool TestSettingsPortal::isReady() const { return d_->bus && d_->bus->isConnected(); }

QDBusConnection TestSettingsPortal::connectClient() {
    return QDBusConnection::connectToBus(d_->address, QStringLiteral("vlt-test-settings-client-%1").arg(d_->clients++));
}

bool TestSettingsPortal::appear() { return d_->bus->registerService(QLatin1String(kService)); }

void TestSettingsPortal::disappear() { d_->bus->unregisterService(QLatin1String(kService)); }

void TestSettingsPortal::setValue(const QString& settingNamespace, const QString& key, const QVariant& value) {
    d_->object->setValue(settingNamespace, key, value);
}

void TestSettingsPortal::announce(const QString& settingNamespace, const QString& key, const QVariant& value) {
    setValue(settingNamespace, key, value);
    QDBusMessage signal =
        QDBusMessage::createSignal(QLatin1String(kPath), QLatin1String(kInterface), QStringLiteral("SettingChanged"));
    signal << settingNamespace << key << QVariant::fromValue(QDBusVariant(value));
    d_->bus->send(signal);
}

void TestSettingsPortal::holdReplies() { d_->object->hold(); }

void TestSettingsPortal::releaseHeldReplies() { d_->object->release(); }

int TestSettingsPortal::readCount() const { return d_->object->readCount(); }

}  // namespace vlt::testing

#include "test_settings_portal.moc"

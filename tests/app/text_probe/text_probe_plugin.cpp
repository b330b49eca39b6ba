#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QLabel>
#include <QSaveFile>
#include <QTimer>

namespace {

// Loaded into the application under test through QT_QPA_GENERIC_PLUGINS
// ("vlttextprobe:FILE"): a few times a second it writes the texts that the visible
// widgets show, one a line, to FILE, so that a test outside the process can read what
// a person would see, then the process ("process: <id>") and the control that has the
// keyboard focus ("focus: <title>").
class TextProbe final : public QObject {
public:
    explicit TextProbe(QString path) : path_(std::move(path)) {
        connect(&timer_, &QTimer::timeout, this, &TextProbe::write);
        timer_.start(150);
    }

private:
    void write() {
        QStringList texts;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible()) continue;
            const QList<QWidget*> widgets = window->findChildren<QWidget*>();
            for (QWidget* widget : widgets) {
                if (!widget->isVisibleTo(window)) continue;
                if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
                if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
                texts << widget->accessibleName();
            }
        }
        texts.removeAll(QString());
        texts << QStringLiteral("process: %1").arg(QCoreApplication::applicationPid());
        if (const QWidget* focused = QApplication::focusWidget()) {
            const auto* button = qobject_cast<const QAbstractButton*>(focused);
            texts << QStringLiteral("focus: ") + (button ? button->text() : focused->accessibleName());
        }
        const QByteArray content = texts.join(u'\n').toUtf8();
        if (content == written_) return;
        QSaveFile file(path_);
        if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit())
            written_ = content;
    }

    QString path_;
    QTimer timer_;
    QByteArray written_;
};

class TextProbePlugin final : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "text_probe_plugin.json")

public:
    QObject* create(const QString& key, const QString& parameters) override {
        if (key.compare(QLatin1String("vlttextprobe"), Qt::CaseInsensitive) != 0) return nullptr;
        return new TextProbe(parameters);
    }
};

}  // namespace

#include "text_probe_plugin.moc"

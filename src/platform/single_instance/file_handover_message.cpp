#include "platform/single_instance/file_handover_message.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vlt {

namespace {

constexpr auto kFilesKey = "files";

}  // namespace

QByteArray FileHandoverMessage::encode(const QList<QUrl>& files) {
    QJsonArray paths;
    for (const QUrl& file : files) {
        if (file.isLocalFile()) paths.append(file.toLocalFile());
    }
    QJsonObject object;
    object.insert(QLatin1String(kFilesKey), paths);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<QList<QUrl>> FileHandoverMessage::decode(const QByteArray& message) {
    if (message.size() > kMaximumSize) return std::nullopt;
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(message.trimmed(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
    const QJsonValue paths = document.object().value(QLatin1String(kFilesKey));
    if (!paths.isArray()) return std::nullopt;

    QList<QUrl> files;
    for (const QJsonValue& value : paths.toArray()) {
        if (!value.isString()) return std::nullopt;
        const QString path = value.toString();
        if (path.isEmpty() || !QDir::isAbsolutePath(path) || path.contains(QChar(u'\0'))) return std::nullopt;
        files.append(QUrl::fromLocalFile(path));
    }
    return files;
}

}  // namespace vlt

#include "platform/single_instance/file_handover_message.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vlt {

namespace {

constexpr auto kFilesKey = "files";

// QDir calls ":name" absolute (a resource of the program) and a URL made of "//name"
// names a host: neither is a file on this computer.
bool isAbsoluteLocalPath(const QString& path) {
    if (!path.startsWith(QLatin1Char('/')) || path.startsWith(QLatin1String("//")) || path.contains(QChar(u'\0'))) {
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    return url.isValid() && url.isLocalFile() && url.host().isEmpty() && url.toLocalFile() == path;
}

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
        if (!isAbsoluteLocalPath(path)) return std::nullopt;
        files.append(QUrl::fromLocalFile(path));
    }
    return files;
}

}  // namespace vlt

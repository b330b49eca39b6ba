#pragma once

#include <QString>
#include <QVariant>

namespace vlt {

// The application's configuration file ($XDG_CONFIG_HOME/Veltrano/Veltrano.conf, in
// QSettings' INI format): the language chosen for the next launch and the folder the
// open panel starts in.
//
// QSettings follows a symbolic link at the file as it writes, and rewrites whatever the
// link leads to. So it only ever sees a private copy of the file, and what it makes of
// the copy is put in place by replaceFileAtomically: through a link only to a file that
// holds nothing but this application's entries, else in the link's own place.
class ConfigurationFile {
public:
    explicit ConfigurationFile(QString filePath);

    // The value under `key`; none when the file holds none or cannot be read.
    QVariant value(const QString& key) const;
    // Sets one value and writes the file at once. A failed write is not reported: the
    // file only ever holds what a later launch may do without.
    void setValue(const QString& key, const QVariant& value) const;

    const QString& filePath() const { return filePath_; }

    // The entries this application keeps in the file.
    static constexpr const char* kLanguagesKey = "AppleLanguages";
    static constexpr const char* kLastImageFolderKey = "LastImageFolder";

private:
    QString filePath_;
};

}  // namespace vlt

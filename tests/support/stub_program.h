#pragma once

#include <QFile>
#include <QTemporaryDir>

namespace vlt::testing {

// A shell script under a program's name, first on PATH while it lives: code that starts
// the program by name starts the stub (`xdg-open` that fails, say).
class ScopedStubProgram {
public:
    ScopedStubProgram(const QString& name, const QByteArray& script) : previousPath_(qgetenv("PATH")) {
        QFile file(folder_.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write("#!/bin/sh\n" + script + "\n");
        file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(folder_.path()) + ':' + previousPath_);
    }
    ~ScopedStubProgram() { qputenv("PATH", previousPath_); }

private:
    QTemporaryDir folder_;
    QByteArray previousPath_;
};

}  // namespace vlt::testing

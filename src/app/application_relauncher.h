#pragma once

#include <QString>
#include <QStringList>

#include "base/error.h"
#include "base/result.h"

namespace vlt {

// Why a new instance of the application could not be started.
class RelaunchError final : public Error {
public:
    RelaunchError(int processError, std::string description);

    std::string typeName() const override { return "RelaunchError"; }
    std::string domain() const override { return "QProcess"; }
    std::int64_t code() const override { return processError_; }
    const std::string& description() const { return description_; }

private:
    int processError_;
    std::string description_;
};

// Starts a new, independent instance of the running executable, given the files to open.
class ApplicationRelauncher {
public:
    ApplicationRelauncher() = delete;
    static VoidResult relaunch(const QStringList& files);
};

}  // namespace vlt

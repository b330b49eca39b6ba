#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <QTemporaryDir>

#include "base/file_support.h"

namespace vlt::testing {

// A fresh folder for one test, with helpers to put and read files in it.
class TemporaryFolder {
public:
    std::filesystem::path path() const { return folderOf(folder_); }
    std::filesystem::path operator/(const std::string& name) const { return path() / name; }
    void write(const std::string& name, const std::string& text) const { writeText(path() / name, text); }
    std::string read(const std::string& name) const { return readText(path() / name); }

    // The names in the folder whose name starts with the prefix.
    std::vector<std::string> namesStartingWith(const std::string& prefix) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path())) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with(prefix)) names.push_back(name);
        }
        return names;
    }

private:
    QTemporaryDir folder_;
};

}  // namespace vlt::testing

#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <QTemporaryDir>

namespace vlt::testing {

// A fresh folder for one test, with helpers to put and read files in it.
class TemporaryFolder {
public:
    std::filesystem::path path() const { return std::filesystem::path(folder_.path().toStdString()); }
    std::filesystem::path operator/(const std::string& name) const { return path() / name; }

    void write(const std::string& name, const std::string& text) const {
        std::ofstream stream(path() / name, std::ios::binary);
        stream << text;
    }

    std::string read(const std::string& name) const {
        std::ifstream stream(path() / name, std::ios::binary);
        std::ostringstream text;
        text << stream.rdbuf();
        return text.str();
    }

    // The names in the folder whose name starts with the prefix.
    std::vector<std::string> namesStartingWith(const std::string& prefix) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path())) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(prefix, 0) == 0) names.push_back(name);
        }
        return names;
    }

private:
    QTemporaryDir folder_;
};

}  // namespace vlt::testing

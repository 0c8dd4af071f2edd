// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/file_search.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/text_fields.h"

namespace kiva {

namespace fs = std::filesystem;

EnvironmentReader ProcessEnvironment() {
    return [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
}

namespace {

std::string HomeOr(const EnvironmentReader& environment, const char* variable, const char* underHome) {
    const std::string value = environment(variable);
    if (!value.empty()) return value;
    return environment("HOME") + "/" + underHome;
}

}  // namespace

std::vector<std::string> DataSearchDirectories(const std::string& programDirectory,
                                               const std::string& currentDirectory,
                                               const EnvironmentReader& environment) {
    std::vector<std::string> directories = {programDirectory, currentDirectory,
                                            UserDataHome(environment) + "/kiva"};
    std::string dataDirs = environment("XDG_DATA_DIRS");
    if (dataDirs.empty()) dataDirs = "/usr/local/share:/usr/share";
    for (const std::string& directory : SplitFields(dataDirs, ':')) directories.push_back(directory + "/kiva");
    for (const std::string& directory : SplitFields(environment("PATH"), ':')) directories.push_back(directory);
    return directories;
}

std::optional<std::string> FindDataFile(const std::string& name, const std::vector<std::string>& directories) {
    for (const std::string& directory : directories) {
        if (directory.empty()) continue;
        std::error_code error;
        const fs::path candidate = fs::path(directory) / name;
        if (fs::is_regular_file(candidate, error)) return fs::absolute(candidate, error).lexically_normal().string();
    }
    return std::nullopt;
}

std::string UserConfigDirectory(const EnvironmentReader& environment) { return UserConfigHome(environment) + "/kiva"; }

std::string UserDataHome(const EnvironmentReader& environment) {
    return HomeOr(environment, "XDG_DATA_HOME", ".local/share");
}

std::string UserConfigHome(const EnvironmentReader& environment) { return HomeOr(environment, "XDG_CONFIG_HOME", ".config"); }

std::string ProgramDirectory() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) return CurrentDirectory();
    return executable.parent_path().string();
}

std::string CurrentDirectory() {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    return error ? std::string(".") : current.string();
}

bool IsWritableDirectory(const std::string& directory) {
    return !directory.empty() && ::access(directory.c_str(), W_OK) == 0;
}

bool IsInsideUsr(const std::string& directory) {
    const fs::path path = fs::path(directory).lexically_normal();
    if (!path.is_absolute()) return false;
    auto part = path.begin();  // the root, "/"
    return ++part != path.end() && *part == "usr";
}

}  // namespace kiva

// SPDX-License-Identifier: GPL-2.0-or-later
#include "setup/directory_paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/text_fields.h"
#include "setup/setup_messages.h"

namespace kiva::setup {

namespace {

bool IsDirectory(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// An existing directory is as good as a new one.
bool EnsureDirectory(const std::string& path) {
    if (IsDirectory(path)) return true;
    return ::mkdir(path.c_str(), 0777) == 0 || (errno == EEXIST && IsDirectory(path));
}

}  // namespace

std::string AbsoluteTypedPath(const std::string& typed, const std::string& homeDirectory, const std::string& base) {
    std::string path;
    if (typed == "~" || typed.starts_with("~/"))
        path = homeDirectory + typed.substr(1);
    else if (typed.starts_with("/"))
        path = typed;
    else
        path = base + "/" + typed;
    std::string cleaned;
    for (char c : path)
        if (c != '/' || cleaned.empty() || cleaned.back() != '/') cleaned += c;
    while (cleaned.size() > 1 && cleaned.back() == '/') cleaned.pop_back();
    return cleaned;
}

std::vector<std::string> DirectoriesAlong(const std::string& absolutePath) {
    std::vector<std::string> directories;
    for (std::size_t slash = absolutePath.find('/', 1); slash != std::string::npos;
         slash = absolutePath.find('/', slash + 1))
        directories.push_back(absolutePath.substr(0, slash));
    if (absolutePath.size() > 1) directories.push_back(absolutePath);
    return directories;
}

ContinueCheck CheckDestination(const std::string& typed, const std::string& homeDirectory) {
    const std::string text = TrimBlanks(typed);
    if (text.empty()) return {};
    const std::string path = AbsoluteTypedPath(text, homeDirectory, homeDirectory);
    for (const std::string& directory : DirectoriesAlong(path))
        if (!EnsureDirectory(directory)) return {ContinueCheck::Outcome::Refuse, kCannotCreateDestination};
    if (!IsDirectory(path)) return {ContinueCheck::Outcome::Refuse, kCannotCreateDestination};
    return {ContinueCheck::Outcome::Accept, path};
}

ContinueCheck CheckSourceDirectory(const std::string& typed, const std::string& homeDirectory,
                                   const std::string& currentDirectory) {
    const std::string text = TrimBlanks(typed);
    if (text.empty()) return {};
    const std::string path = AbsoluteTypedPath(text, homeDirectory, currentDirectory);
    if (!IsDirectory(path) || ::access(path.c_str(), X_OK) != 0)
        return {ContinueCheck::Outcome::Refuse, kEnterCorrectSource};
    return {ContinueCheck::Outcome::Accept, path};
}

}  // namespace kiva::setup

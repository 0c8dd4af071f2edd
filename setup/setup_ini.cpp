// SPDX-License-Identifier: GPL-2.0-or-later
#include "setup/setup_ini.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <fstream>
#include <iterator>

#include "platform/text_fields.h"

namespace kiva::setup {

namespace {

bool IsBlank(char c) { return c == ' '; }

// A decimal count; nothing for other text or a value beyond int.
std::optional<int> ParseCount(const std::string& word) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < 0) return std::nullopt;
    return value;
}

struct General {
    int disks = 0;
    int originalSizeKB = 0;
    std::string installPath;
};

std::optional<General> ReadGeneral(std::string_view text, std::size_t& position) {
    const std::size_t header = text.find("[General]");
    if (header == std::string_view::npos) return std::nullopt;
    position = ReadFilteredLine(text, header)->next;
    General general;
    for (int i = 0; i < 3; ++i) {
        const auto line = ReadFilteredLine(text, position);
        if (!line || line->overlong) return std::nullopt;
        position = line->next;
        const TwoWords words = ScanTwoWords(line->text);
        if (words.kind != TwoWords::Kind::Words) return std::nullopt;
        if (words.first == "Disks" || words.first == "OriginalSize") {
            const auto value = ParseCount(words.second);
            if (!value) return std::nullopt;
            (words.first == "Disks" ? general.disks : general.originalSizeKB) = *value;
        } else if (words.first == "InstallPath") {
            general.installPath = words.second;
        }
    }
    return general;
}

std::optional<DiskFiles> ReadDisk(std::string_view text, int disk) {
    const std::string headerText = "[Disk" + std::to_string(disk) + "]";
    const std::size_t header = text.find(headerText);
    if (header == std::string_view::npos) return std::nullopt;
    DiskFiles files;
    std::size_t position = ReadFilteredLine(text, header)->next;
    while (const auto line = ReadFilteredLine(text, position)) {
        position = line->next;
        const TwoWords words = ScanTwoWords(line->text);
        if (words.kind == TwoWords::Kind::Fewer && !line->overlong) break;
        if (words.kind != TwoWords::Kind::Words || line->overlong) return std::nullopt;
        auto source = ContainedRelativeName(words.first);
        auto dest = ContainedRelativeName(words.second);
        if (!source || !dest) return std::nullopt;
        files.sourceNames.push_back(std::move(*source));
        files.destNames.push_back(std::move(*dest));
    }
    return files;
}

}  // namespace

bool IsKeptCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == ':' ||
           c == '[' || c == '\\' || c == ']' || c == '_';
}

std::optional<FilteredLine> ReadFilteredLine(std::string_view text, std::size_t position) {
    if (position >= text.size()) return std::nullopt;
    const std::size_t lineFeed = text.find('\n', position);
    const std::size_t end = lineFeed == std::string_view::npos ? text.size() : lineFeed;
    std::string_view line = text.substr(position, end - position);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    FilteredLine filtered;
    filtered.overlong = line.size() > kMaxLineCharacters;
    filtered.text = line.substr(0, kMaxLineCharacters);
    for (char& c : filtered.text)
        if (!IsKeptCharacter(c)) c = ' ';
    filtered.next = lineFeed == std::string_view::npos ? text.size() : lineFeed + 1;
    return filtered;
}

TwoWords ScanTwoWords(std::string_view line) {
    TwoWords words;
    std::string* targets[] = {&words.first, &words.second};
    std::size_t position = 0;
    for (std::string* target : targets) {
        while (position < line.size() && IsBlank(line[position])) ++position;
        const std::size_t start = position;
        while (position < line.size() && !IsBlank(line[position])) ++position;
        if (position == start) return {};
        if (position - start > kMaxWordCharacters) return {TwoWords::Kind::TooLong, {}, {}};
        *target = line.substr(start, position - start);
    }
    words.kind = TwoWords::Kind::Words;
    return words;
}

std::optional<std::string> ContainedRelativeName(std::string_view iniName) {
    std::string name(iniName);
    for (char& c : name)
        if (c == '\\') c = '/';
    const bool hasDrive = name.size() >= 2 && name[1] == ':';
    if (name.empty() || name.front() == '/' || hasDrive || name.back() == '/') return std::nullopt;
    const std::vector<std::string> parts = SplitFields(name, '/');
    if (std::find(parts.begin(), parts.end(), "..") != parts.end() || parts.back() == ".") return std::nullopt;
    return name;
}

std::string InstallPathFromIni(std::string_view value, const std::string& homeDirectory) {
    if (value.size() >= 2 && value[1] == ':') value.remove_prefix(2);
    if (value.empty()) return {};
    std::string path(value);
    for (char& c : path)
        if (c == '\\') c = '/';
    if (path.front() != '/') path = homeDirectory + "/" + path;
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

bool ReadSetupDescription(std::string_view text, const std::string& homeDirectory, InstallSession& session) {
    if (text.size() > kMaxDescriptionBytes) return false;
    std::size_t position = 0;
    const auto general = ReadGeneral(text, position);
    if (!general || general->disks == 0 || general->originalSizeKB == 0 || general->disks > kMaxDisks) return false;
    std::vector<DiskFiles> disks;
    for (int disk = 1; disk <= general->disks; ++disk) {
        auto files = ReadDisk(text, disk);
        if (!files) return false;
        disks.push_back(std::move(*files));
    }
    session.diskCount = general->disks;
    session.originalSizeKB = general->originalSizeKB;
    session.installPath = InstallPathFromIni(general->installPath, homeDirectory);
    session.disks = std::move(disks);
    session.chunkSize = ChunkSizeFor(session.originalSizeKB);
    return true;
}

bool ReadSetupFile(InstallSession& session, const std::string& homeDirectory) {
    std::ifstream file(session.sourceDir + "Setup.ini", std::ios::binary);
    if (!file) return false;
    std::string text;
    text.resize(kMaxDescriptionBytes + 1);
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (file.bad()) return false;
    text.resize(static_cast<std::size_t>(file.gcount()));
    session.iniText = std::move(text);
    return ReadSetupDescription(session.iniText, homeDirectory, session);
}

}  // namespace kiva::setup

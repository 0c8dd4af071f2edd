// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/structure_format.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "chem/compound_record.h"

namespace kiva {

namespace {

std::string LowerExtension(std::string_view fileName) {
    const std::size_t slash = fileName.find_last_of('/');
    const std::string_view base = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    const std::size_t dot = base.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    std::string extension(base.substr(dot + 1));
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

// The first `count` lines, without their line ends.
std::vector<std::string_view> FirstLines(std::string_view text, std::size_t count) {
    std::vector<std::string_view> lines;
    while (lines.size() < count && !text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool IsCount(std::string_view line) {
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) return false;
    line = line.substr(first, line.find_last_not_of(" \t") - first + 1);
    return !line.empty() && line.size() < 10 && std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<StructureFormat> FormatByContent(std::string_view bytes) {
    const auto lines = FirstLines(bytes, 64);
    for (const std::string_view line : lines) {
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#') continue;
        std::string word(line.substr(first, 5));
        for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (word == "data_") return StructureFormat::Cif;
        break;
    }
    if (lines.size() >= 4 && (lines[3].find("V2000") != std::string_view::npos || lines[3].find("V3000") != std::string_view::npos))
        return StructureFormat::Molfile;
    if (lines.size() >= 3 && IsCount(lines[0])) return StructureFormat::Xyz;
    for (const std::string_view line : lines)
        for (const char* record : {"HEADER", "ATOM  ", "HETATM", "CRYST1", "COMPND", "REMARK", "MODEL "})
            if (StartsWith(line, record)) return StructureFormat::Pdb;
    return std::nullopt;
}

}  // namespace

std::string_view FormatName(StructureFormat format) {
    switch (format) {
    case StructureFormat::Document: return "Kiva document";
    case StructureFormat::Cif: return "CIF";
    case StructureFormat::Molfile: return "MDL molfile";
    case StructureFormat::Xyz: return "XYZ";
    case StructureFormat::Pdb: return "PDB";
    }
    return "unknown";
}

bool LooksLikeDocument(std::string_view leadingBytes) {
    return leadingBytes.size() >= 4 + sizeof kCompoundTag &&
           std::memcmp(leadingBytes.data() + 4, kCompoundTag, sizeof kCompoundTag) == 0;
}

std::optional<StructureFormat> DetectStructureFormat(std::string_view fileName, std::string_view leadingBytes) {
    if (LooksLikeDocument(leadingBytes)) return StructureFormat::Document;
    const std::string extension = LowerExtension(fileName);
    if (extension == "cif") return StructureFormat::Cif;
    if (extension == "mol" || extension == "sdf" || extension == "sd" || extension == "mdl") return StructureFormat::Molfile;
    if (extension == "xyz") return StructureFormat::Xyz;
    if (extension == "pdb" || extension == "ent") return StructureFormat::Pdb;
    return FormatByContent(leadingBytes);
}

}  // namespace kiva

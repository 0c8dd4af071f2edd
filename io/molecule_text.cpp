// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/molecule_text.h"

#include <charconv>
#include <cmath>
#include <map>
#include <utility>

#include "io/ring_count.h"
#include "io/source_error.h"
#include "platform/portable_std.h"

namespace kiva {

namespace {

std::string_view Trim(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\r");
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(" \t\r") - start + 1);
}

std::string_view Columns(std::string_view line, std::size_t start, std::size_t width) {
    return start < line.size() ? Trim(line.substr(start, width)) : std::string_view();
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

class Scanner {
public:
    Scanner(std::string_view text, const std::string& path) : path_(path) {
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = text.find('\n', start);
            std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            lines_.push_back(line);
            start = end == std::string_view::npos ? text.size() : end + 1;
        }
    }

    const std::vector<std::string_view>& Lines() const { return lines_; }
    [[noreturn]] void Fail(int line, const std::string& what) const { throw SourceError(path_, line, what); }

    int Integer(std::string_view field, int line, const char* what) const {
        field = Trim(field);
        int value = 0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (field.empty() || error != std::errc() || end != field.data() + field.size())
            Fail(line, std::string(what) + " is not a whole number: " + Quoted(field));
        return value;
    }

    float Coordinate(std::string_view field, int line, const char* what) const {
        field = Trim(field);
        if (!field.empty() && field[0] == '+') field.remove_prefix(1);
        double value = 0;
        const auto [end, error] = NumberFromChars(field.data(), field.data() + field.size(), value);
        if (field.empty() || error != std::errc() || end != field.data() + field.size() || !std::isfinite(value))
            Fail(line, std::string(what) + " is not a number: " + Quoted(field));
        if (std::fabs(value) > kMaxCoordinate)
            Fail(line, std::string(what) + " " + Quoted(field) + " lies beyond " + std::to_string(static_cast<int>(kMaxCoordinate)) + " angstrom");
        return static_cast<float>(value);
    }

    void CheckAtomCount(long count, int line) const {
        if (count < 0) Fail(line, "a negative atom count");
        if (static_cast<std::size_t>(count) > kMaxMoleculeAtoms)
            Fail(line, std::to_string(count) + " atoms, more than Kiva shows (" + std::to_string(kMaxMoleculeAtoms) + ")");
    }

    std::string Joined(std::size_t first, std::size_t end) const {
        std::string text;
        for (std::size_t i = first; i < end && i < lines_.size(); ++i) (text += lines_[i]) += '\n';
        return text;
    }

private:
    const std::string& path_;
    std::vector<std::string_view> lines_;
};

void CheckCoordinates(const Scanner& scan, std::string_view x, std::string_view y, std::string_view z, int line) {
    scan.Coordinate(x, line, "x");
    scan.Coordinate(y, line, "y");
    scan.Coordinate(z, line, "z");
}

// Open Babel perceives the rings of every molfile it reads, for its stereochemistry, in time
// that grows steeply with them.
void CheckRings(const Scanner& scan, std::size_t atoms, const std::vector<std::pair<int, int>>& bonds, int line) {
    const std::size_t rings = IndependentRings(atoms, bonds);
    if (rings > kMaxPerceivedRings)
        scan.Fail(line, "the bonds close " + std::to_string(rings) + " rings, more than Kiva reads (" +
                            std::to_string(kMaxPerceivedRings) + ")");
}

// The record up to its M  END (the first of an SD file), checked line by line.
MoleculeText PrepareMolfileV2000(const Scanner& scan, std::size_t recordEnd) {
    const auto& lines = scan.Lines();
    const std::string_view counts = lines[3];
    const int atoms = scan.Integer(Columns(counts, 0, 3), 4, "the atom count");
    const int bonds = scan.Integer(Columns(counts, 3, 3), 4, "the bond count");
    scan.CheckAtomCount(atoms, 4);
    if (bonds < 0 || static_cast<std::size_t>(bonds) > 8 * kMaxMoleculeAtoms || 4 + static_cast<std::size_t>(atoms) + bonds > recordEnd)
        scan.Fail(4, "the counts line declares more atoms and bonds than the file holds");
    MoleculeText prepared;
    std::vector<std::pair<int, int>> bondAtoms;
    for (int i = 0; i < atoms; ++i) {
        const int number = 5 + i;
        const std::string_view line = lines[static_cast<std::size_t>(4 + i)];
        CheckCoordinates(scan, Columns(line, 0, 10), Columns(line, 10, 10), Columns(line, 20, 10), number);
        const std::string_view element = Columns(line, 31, 3);
        if (element.empty()) scan.Fail(number, "an atom without an element symbol");
        prepared.atomLines.push_back(number);
        prepared.atomTypes.emplace_back(element);
    }
    for (int i = 0; i < bonds; ++i) {
        const int number = 5 + atoms + i;
        const std::string_view line = lines[static_cast<std::size_t>(4 + atoms + i)];
        const int first = scan.Integer(Columns(line, 0, 3), number, "the first atom");
        const int second = scan.Integer(Columns(line, 3, 3), number, "the second atom");
        const int type = scan.Integer(Columns(line, 6, 3), number, "the bond type");
        if (first < 1 || first > atoms || second < 1 || second > atoms || first == second)
            scan.Fail(number, "a bond names an atom the file does not have");
        if (type < 1 || type > 8) scan.Fail(number, "bond type " + std::to_string(type) + " is no MDL bond type");
        bondAtoms.emplace_back(first - 1, second - 1);
    }
    CheckRings(scan, static_cast<std::size_t>(atoms), bondAtoms, 4);
    // Of the properties only the charges count; aliases, groups and the rest stay unread, and so
    // do their mistakes (Open Babel loses memory on a damaged alias).
    const std::size_t blocksEnd = 4 + static_cast<std::size_t>(atoms) + bonds;
    prepared.text = scan.Joined(0, blocksEnd);
    for (std::size_t i = blocksEnd; i < recordEnd && scan.Lines()[i].substr(0, 6) != "M  END"; ++i)
        if (scan.Lines()[i].substr(0, 6) == "M  CHG") (prepared.text += scan.Lines()[i]) += '\n';
    prepared.text += "M  END\n";
    return prepared;
}

MoleculeText PrepareMolfileV3000(const Scanner& scan, std::size_t recordEnd) {
    const auto& lines = scan.Lines();
    MoleculeText prepared;
    enum class Block { Other, Atoms, Bonds } block = Block::Other;
    std::map<std::string_view, int> atomOf;  // an atom's number in the file to its index
    std::vector<std::pair<int, int>> bondAtoms;
    int countsLine = 0;
    for (std::size_t i = 4; i < recordEnd; ++i) {
        const auto words = Words(lines[i]);
        const int number = static_cast<int>(i) + 1;
        if (words.size() < 3 || words[0] != "M" || words[1] != "V30") continue;
        if (words[2] == "COUNTS" && words.size() >= 5) {
            scan.CheckAtomCount(scan.Integer(words[3], number, "the atom count"), number);
            countsLine = number;
        } else if (words[2] == "BEGIN" && words.size() >= 4) {
            block = words[3] == "ATOM" ? Block::Atoms : words[3] == "BOND" ? Block::Bonds : Block::Other;
        } else if (words[2] == "END") {
            block = Block::Other;
        } else if (block == Block::Atoms) {
            if (words.size() < 7) scan.Fail(number, "an atom line without its coordinates");
            CheckCoordinates(scan, words[4], words[5], words[6], number);
            atomOf.emplace(words[2], static_cast<int>(prepared.atomLines.size()));
            prepared.atomLines.push_back(number);
            prepared.atomTypes.emplace_back(words[3]);
            scan.CheckAtomCount(static_cast<long>(prepared.atomLines.size()), number);
        } else if (block == Block::Bonds && words.size() >= 6) {
            const auto first = atomOf.find(words[4]), second = atomOf.find(words[5]);
            if (first != atomOf.end() && second != atomOf.end()) bondAtoms.emplace_back(first->second, second->second);
        }
    }
    CheckRings(scan, prepared.atomLines.size(), bondAtoms, countsLine);
    prepared.text = scan.Joined(0, recordEnd);
    return prepared;
}

MoleculeText PrepareMolfile(const Scanner& scan) {
    const auto& lines = scan.Lines();
    std::size_t recordEnd = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].substr(0, 4) == "$$$$") {
            recordEnd = i;
            break;
        }
    if (recordEnd < 4) scan.Fail(static_cast<int>(recordEnd), "a molfile needs a header and a counts line");
    if (lines[3].find("V3000") != std::string_view::npos) return PrepareMolfileV3000(scan, recordEnd);
    return PrepareMolfileV2000(scan, recordEnd);
}

// The first frame: the count, a comment, then one line per atom.
MoleculeText PrepareXyz(const Scanner& scan) {
    const auto& lines = scan.Lines();
    if (lines.empty()) scan.Fail(0, "the file is empty");
    const int atoms = scan.Integer(lines[0], 1, "the atom count on the first line");
    scan.CheckAtomCount(atoms, 1);
    if (lines.size() < 2 + static_cast<std::size_t>(atoms)) scan.Fail(1, "the file ends before its " + std::to_string(atoms) + " atoms do");
    MoleculeText prepared;
    for (int i = 0; i < atoms; ++i) {
        const int number = 3 + i;
        const auto words = Words(lines[static_cast<std::size_t>(2 + i)]);
        if (words.size() < 4) scan.Fail(number, "an atom line needs an element and three coordinates");
        CheckCoordinates(scan, words[1], words[2], words[3], number);
        prepared.atomLines.push_back(number);
        prepared.atomTypes.emplace_back(words[0]);
    }
    prepared.text = scan.Joined(0, 2 + static_cast<std::size_t>(atoms));
    return prepared;
}

// The first model, and the CONECT records wherever they stand.
MoleculeText PreparePdb(const Scanner& scan) {
    const auto& lines = scan.Lines();
    MoleculeText prepared;
    bool modelEnded = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const std::string_view record = line.substr(0, 6);
        const int number = static_cast<int>(i) + 1;
        if (record.substr(0, 3) == "END") {
            modelEnded = true;
            if (record == "END" || Trim(record) == "END") break;
            continue;
        }
        if (record == "CONECT") {
            (prepared.text += line) += '\n';
            continue;
        }
        if (modelEnded) continue;
        if (record == "ATOM  " || record == "HETATM") {
            if (line.size() < 54) scan.Fail(number, "an atom record too short to hold its coordinates");
            CheckCoordinates(scan, line.substr(30, 8), line.substr(38, 8), line.substr(46, 8), number);
            prepared.atomLines.push_back(number);
            prepared.atomTypes.emplace_back(line.size() >= 78 && !Trim(line.substr(76, 2)).empty() ? Trim(line.substr(76, 2))
                                                                                                 : Trim(line.substr(12, 4)));
            scan.CheckAtomCount(static_cast<long>(prepared.atomLines.size()), number);
        }
        (prepared.text += line) += '\n';
    }
    if (prepared.atomLines.empty()) scan.Fail(0, "no ATOM or HETATM records");
    return prepared;
}

}  // namespace

MoleculeText ScanMoleculeText(std::string_view text, StructureFormat format, const std::string& path) {
    const Scanner scan(text, path);
    MoleculeText scanned = format == StructureFormat::Xyz   ? PrepareXyz(scan)
                           : format == StructureFormat::Pdb ? PreparePdb(scan)
                                                            : PrepareMolfile(scan);
    if (scanned.atomLines.empty()) scan.Fail(0, "the file holds no atoms");
    return scanned;
}

}  // namespace kiva

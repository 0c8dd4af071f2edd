// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/mkdb/molfile_reader.h"

#include <charconv>
#include <fstream>
#include <sstream>

#include "tools/mkdb/source_error.h"

namespace kiva::mkdb {

namespace {

std::string Trim(const std::string& text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos) return "";
    return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

// A fixed-width field; the columns of V2000 are fixed.
std::string Field(const std::string& line, std::size_t start, std::size_t width) {
    return start < line.size() ? Trim(line.substr(start, width)) : "";
}

template <typename Number>
Number ParseField(const std::string& text, const std::string& path, int line, const char* what) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw SourceError(path, line, std::string(what) + " is not a number: \"" + text + "\"");
    return value;
}

// The charge code of an atom line: 1 is +3, 2 is +2, 3 is +1, 5 is -1, 6 is -2, 7 is -3.
int ChargeFromCode(int code) { return code >= 1 && code <= 7 && code != 4 ? 4 - code : 0; }

}  // namespace

Molfile ParseMolfile(const std::string& text, const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream input(text);
    for (std::string line; std::getline(input, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    if (lines.size() < 4) throw SourceError(path, static_cast<int>(lines.size()), "a molfile needs a header and a counts line");
    Molfile mol;
    mol.title = Trim(lines[0]);
    const std::string& counts = lines[3];
    if (counts.find("V3000") != std::string::npos) throw SourceError(path, 4, "V3000 molfiles are not read; save as V2000");
    const int atomCount = ParseField<int>(Field(counts, 0, 3), path, 4, "the atom count");
    const int bondCount = ParseField<int>(Field(counts, 3, 3), path, 4, "the bond count");
    if (atomCount < 0 || bondCount < 0 || 4 + static_cast<std::size_t>(atomCount) + bondCount > lines.size())
        throw SourceError(path, 4, "the counts line declares more atoms and bonds than the file holds");

    for (int i = 0; i < atomCount; ++i) {
        const int number = 5 + i;
        const std::string& line = lines[static_cast<std::size_t>(4 + i)];
        MolAtom atom;
        atom.x = ParseField<double>(Field(line, 0, 10), path, number, "x");
        atom.y = ParseField<double>(Field(line, 10, 10), path, number, "y");
        atom.z = ParseField<double>(Field(line, 20, 10), path, number, "z");
        atom.element = Field(line, 31, 3);
        if (atom.element.empty()) throw SourceError(path, number, "an atom without an element symbol");
        const std::string chargeCode = Field(line, 36, 3);
        if (!chargeCode.empty()) atom.charge = ChargeFromCode(ParseField<int>(chargeCode, path, number, "the charge code"));
        mol.atoms.push_back(atom);
    }
    for (int i = 0; i < bondCount; ++i) {
        const int number = 5 + atomCount + i;
        const std::string& line = lines[static_cast<std::size_t>(4 + atomCount + i)];
        MolBond bond;
        bond.first = ParseField<int>(Field(line, 0, 3), path, number, "the first atom") - 1;
        bond.second = ParseField<int>(Field(line, 3, 3), path, number, "the second atom") - 1;
        bond.order = ParseField<int>(Field(line, 6, 3), path, number, "the bond order");
        bond.line = number;
        if (bond.first < 0 || bond.first >= atomCount || bond.second < 0 || bond.second >= atomCount || bond.first == bond.second)
            throw SourceError(path, number, "a bond names an atom the file does not have");
        if (bond.order < 1 || bond.order > 3)
            throw SourceError(path, number, "bond order " + std::to_string(bond.order) + " is not single, double or triple (kekulize aromatic rings)");
        mol.bonds.push_back(bond);
    }
    // "M  CHG" lines replace the charges of the atom block.
    bool chargesReset = false;
    for (std::size_t i = 4 + static_cast<std::size_t>(atomCount) + bondCount; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.rfind("M  END", 0) == 0) break;
        if (line.rfind("M  CHG", 0) != 0) continue;
        if (!chargesReset) {
            for (MolAtom& atom : mol.atoms) atom.charge = 0;
            chargesReset = true;
        }
        const int number = static_cast<int>(i) + 1;
        std::istringstream words(line.substr(6));
        int entries = 0;
        words >> entries;
        for (int e = 0; e < entries; ++e) {
            int atom = 0;
            int charge = 0;
            if (!(words >> atom >> charge) || atom < 1 || atom > atomCount)
                throw SourceError(path, number, "a malformed M  CHG line");
            mol.atoms[static_cast<std::size_t>(atom - 1)].charge = charge;
        }
    }
    return mol;
}

Molfile ReadMolfile(const std::string& path) { return ParseMolfile(ReadSourceFile(path), path); }

}  // namespace kiva::mkdb

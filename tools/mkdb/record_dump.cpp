// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/mkdb/record_dump.h"

#include <cmath>
#include <cstdio>

#include "chem/fixed_text.h"

namespace kiva::mkdb {

namespace {

const char* ClassName(std::int32_t bondingClass) {
    static const char* const names[] = {"Metal", "Atom", "Ionic", "Molecule", "Covalent Network"};
    return bondingClass >= 0 && bondingClass < 5 ? names[bondingClass] : "(unknown)";
}

std::string Format(const char* format, auto... values) {
    char line[256];
    std::snprintf(line, sizeof line, format, values...);
    return line;
}

// A fraction as a crystallographer writes it: 1/2, 3/4, 1/3, else a decimal.
std::string Fraction(float value) {
    for (int denominator : {1, 2, 3, 4, 6, 8, 12}) {
        const float numerator = value * static_cast<float>(denominator);
        const long rounded = std::lround(numerator);
        if (std::fabs(numerator - static_cast<float>(rounded)) < 1e-4f)
            return denominator == 1 ? std::to_string(rounded) : std::to_string(rounded) + "/" + std::to_string(denominator);
    }
    return Format("%.4f", static_cast<double>(value));
}

// An operation as an x,y,z triplet: -x+1/2,y,z.
std::string OperationText(const SymmetryOperation& operation) {
    std::string text;
    for (int row = 0; row < 3; ++row) {
        std::string term;
        for (int column = 0; column < 3; ++column) {
            const float factor = operation.m[row][column];
            if (factor == 0) continue;
            const std::string variable(1, static_cast<char>('x' + column));
            const std::string magnitude = std::fabs(factor) == 1 ? "" : Fraction(std::fabs(factor)) + "*";
            term += (factor < 0 ? "-" : term.empty() ? "" : "+") + magnitude + variable;
        }
        const float shift = operation.m[row][3];
        if (shift != 0 || term.empty()) term += (shift < 0 ? "-" : term.empty() ? "" : "+") + Fraction(std::fabs(shift));
        text += (row > 0 ? "," : "") + term;
    }
    if (operation.m[3][0] != 0 || operation.m[3][1] != 0 || operation.m[3][2] != 0 || operation.m[3][3] != 1)
        text += Format("  (w row %g %g %g %g)", static_cast<double>(operation.m[3][0]), static_cast<double>(operation.m[3][1]),
                       static_cast<double>(operation.m[3][2]), static_cast<double>(operation.m[3][3]));
    return text;
}

std::string Atoms(const char* heading, const std::vector<AtomSite>& atoms) {
    std::string text = Format("%s: %zu\n", heading, atoms.size());
    for (std::size_t i = 0; i < atoms.size(); ++i) {
        const AtomSite& atom = atoms[i];
        text += Format("  %3zu %-11s charge %5.1f  %10.5f %10.5f %10.5f\n", i, std::string(TextOf(atom.symbol)).c_str(),
                       static_cast<double>(atom.charge), static_cast<double>(atom.position.x),
                       static_cast<double>(atom.position.y), static_cast<double>(atom.position.z));
    }
    return text;
}

}  // namespace

std::string DumpCompound(const CompoundRecord& record) {
    const SymmetryGroup& symmetry = record.symmetry;
    std::string text = "Name: " + std::string(TextOf(record.name)) + "\n";
    text += Format("Bonding class: %d (%s)\n", record.bondingClass, ClassName(record.bondingClass));
    text += "Group: " + std::string(TextOf(symmetry.groupText)) + "\n";
    text += Format("Cell: a %.4f b %.4f c %.4f alpha %.2f beta %.2f gamma %.2f\n", static_cast<double>(record.cell.a),
                   static_cast<double>(record.cell.b), static_cast<double>(record.cell.c),
                   static_cast<double>(record.cell.alpha), static_cast<double>(record.cell.beta),
                   static_cast<double>(record.cell.gamma));
    text += Format("Operations: %zu\n", symmetry.operations.size());
    for (std::size_t i = 0; i < symmetry.operations.size(); ++i)
        text += Format("  %3zu  %s\n", i, OperationText(symmetry.operations[i]).c_str());
    text += Format("Translations: %d\n", symmetry.translationCount);
    for (int i = 0; i < symmetry.translationCount && i < kMaxTranslations; ++i)
        text += Format("  %d  %.4f %.4f %.4f\n", i, static_cast<double>(symmetry.translations[i].x),
                       static_cast<double>(symmetry.translations[i].y), static_cast<double>(symmetry.translations[i].z));
    text += Atoms("Basis atoms (fractional)", record.basisAtoms);
    text += Atoms("Unit atoms (angstrom)", record.unitAtoms);
    text += Format("Bond rules: %zu\n", record.bondRules.size());
    for (const BondRule& rule : record.bondRules)
        text += Format("  %-7s %-7s %7.3f %7.3f  kind %d\n", std::string(TextOf(rule.symbolA)).c_str(),
                       std::string(TextOf(rule.symbolB)).c_str(), static_cast<double>(rule.minDistance),
                       static_cast<double>(rule.maxDistance), rule.bondKind);
    return text;
}

}  // namespace kiva::mkdb

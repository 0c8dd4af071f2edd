// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/molecule_file.h"

#include <openbabel/atom.h>
#include <openbabel/bond.h>
#include <openbabel/elements.h>
#include <openbabel/mol.h>
#include <openbabel/obconversion.h>
#include <openbabel/oberror.h>
#include <openbabel/obiter.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <unordered_map>
#include <utility>

#include "io/molecule_text.h"
#include "io/ring_count.h"
#include "io/source_error.h"

namespace kiva {

namespace {

// Whether the molecule has few enough rings for Open Babel to find the bond orders; beyond them
// the bonds stay single, which never takes long.
bool FewRings(OpenBabel::OBMol& mol) {
    std::vector<std::pair<int, int>> bonds;
    FOR_BONDS_OF_MOL(bond, mol)
        bonds.emplace_back(static_cast<int>(bond->GetBeginAtomIdx()) - 1, static_cast<int>(bond->GetEndAtomIdx()) - 1);
    return IndependentRings(mol.NumAtoms(), bonds) <= kMaxPerceivedRings;
}

// Open Babel's ConnectTheDots bonds every pair of atoms closer than their covalent radii and
// 0.45 angstrom, but not closer than 0.4, and then removes the bonds of atoms with too many, each
// removal searching all bonds: its time grows with the square of these pairs. A molecule has
// about one for each atom, a diamond two; 20,000 take it half a second.
constexpr std::size_t kMaxBondingPairs = 2 * kMaxMoleculeAtoms;

// The pairs ConnectTheDots would bond, counted through cubes as wide as the longest such bond;
// the count stops past `limit`.
std::size_t BondingPairs(OpenBabel::OBMol& mol, std::size_t limit) {
    struct Placed {
        double x, y, z, radius;
    };
    std::vector<Placed> atoms;
    double largest = 0;
    FOR_ATOMS_OF_MOL(atom, mol) {
        atoms.push_back({atom->GetX(), atom->GetY(), atom->GetZ(), OpenBabel::OBElements::GetCovalentRad(atom->GetAtomicNum())});
        largest = std::max(largest, atoms.back().radius);
    }
    const double width = 2 * largest + 0.45;
    // Coordinates lie within 100,000 angstrom, so cube numbers fit in 21 bits each.
    const auto cube = [width](double v) { return static_cast<std::int64_t>(std::floor(v / width)) + (1 << 20); };
    const auto key = [](std::int64_t x, std::int64_t y, std::int64_t z) {
        return static_cast<std::uint64_t>(x) << 42 | static_cast<std::uint64_t>(y) << 21 | static_cast<std::uint64_t>(z);
    };
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> cubes;
    for (std::size_t i = 0; i < atoms.size(); ++i) cubes[key(cube(atoms[i].x), cube(atoms[i].y), cube(atoms[i].z))].push_back(i);
    std::size_t pairs = 0;
    for (std::size_t i = 0; i < atoms.size(); ++i) {
        const Placed& a = atoms[i];
        for (std::int64_t x = cube(a.x) - 1; x <= cube(a.x) + 1; ++x)
            for (std::int64_t y = cube(a.y) - 1; y <= cube(a.y) + 1; ++y)
                for (std::int64_t z = cube(a.z) - 1; z <= cube(a.z) + 1; ++z) {
                    const auto found = cubes.find(key(x, y, z));
                    if (found == cubes.end()) continue;
                    for (const std::size_t j : found->second) {
                        if (j <= i) continue;
                        const Placed& b = atoms[j];
                        const double d2 = (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z);
                        const double reach = a.radius + b.radius + 0.45;
                        if (d2 >= 0.16 && d2 <= reach * reach && ++pairs > limit) return pairs;
                    }
                }
    }
    return pairs;
}

const char* OpenBabelFormat(StructureFormat format) {
    switch (format) {
    case StructureFormat::Xyz: return "xyz";
    case StructureFormat::Pdb: return "pdb";
    default: return "mdl";
    }
}

}  // namespace

Molecule ParseMolecule(std::string_view text, StructureFormat format, const std::string& path) {
    const MoleculeText prepared = ScanMoleculeText(text, format, path);
    const auto fail = [&path](int line, const std::string& what) { throw SourceError(path, line, what); };

    OpenBabel::obErrorLog.StopLogging();  // its messages would go to standard error
    OpenBabel::OBConversion conversion;
    if (!conversion.SetInFormat(OpenBabelFormat(format)))
        fail(0, "Open Babel cannot read this format here: its format plug-ins are missing");
    if (format != StructureFormat::Molfile) conversion.AddOption("b", OpenBabel::OBConversion::INOPTIONS);
    OpenBabel::OBMol mol;
    std::istringstream stream(prepared.text);
    if (!conversion.Read(&mol, &stream) || mol.NumAtoms() == 0) fail(0, "Open Babel finds no atoms in the file");
    if (mol.NumAtoms() > kMaxMoleculeAtoms) fail(0, "more atoms than Kiva shows (" + std::to_string(kMaxMoleculeAtoms) + ")");
    if (format != StructureFormat::Molfile) {
        if (BondingPairs(mol, kMaxBondingPairs) > kMaxBondingPairs)
            fail(0, "the atoms crowd so close that more than " + std::to_string(kMaxBondingPairs) +
                        " pairs of them lie within bonding distance, more than in any molecule Kiva shows");
        mol.ConnectTheDots();
        if (FewRings(mol)) mol.PerceiveBondOrders();
    }

    const bool linesKnown = prepared.atomLines.size() == mol.NumAtoms();
    Molecule molecule;
    molecule.title = mol.GetTitle();
    FOR_ATOMS_OF_MOL(atom, mol) {
        const std::size_t index = molecule.atoms.size();
        const int line = linesKnown ? prepared.atomLines[index] : 0;
        MoleculeAtom read;
        if (atom->GetAtomicNum() == 0)
            fail(line, "atom " + std::to_string(index + 1) + " is no element" +
                                (linesKnown ? ": " + Quoted(prepared.atomTypes[index]) : std::string()));
        read.element = OpenBabel::OBElements::GetSymbol(atom->GetAtomicNum());
        read.charge = atom->GetFormalCharge();
        read.position = {static_cast<float>(atom->GetX()), static_cast<float>(atom->GetY()), static_cast<float>(atom->GetZ())};
        if (!std::isfinite(read.position.x) || !std::isfinite(read.position.y) || !std::isfinite(read.position.z))
            fail(line, "atom " + std::to_string(index + 1) + " has coordinates that are no numbers");
        molecule.atoms.push_back(std::move(read));
    }
    FOR_BONDS_OF_MOL(bond, mol) {
        const int order = static_cast<int>(bond->GetBondOrder());
        molecule.bonds.push_back({static_cast<int>(bond->GetBeginAtomIdx()) - 1, static_cast<int>(bond->GetEndAtomIdx()) - 1,
                                  order >= 1 && order <= 3 ? order : order == 0 ? 0 : 1});
    }
    return molecule;
}

}  // namespace kiva

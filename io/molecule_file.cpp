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
#include <sstream>
#include <utility>

#include "io/molecule_text.h"
#include "io/ring_systems.h"
#include "io/source_error.h"

namespace kiva {

namespace {

// Whether the largest molecule has few enough rings for Open Babel to find the bond orders;
// beyond them the bonds stay single, which never takes long.
bool FewRings(OpenBabel::OBMol& mol) {
    std::vector<std::pair<int, int>> bonds;
    FOR_BONDS_OF_MOL(bond, mol)
        bonds.emplace_back(static_cast<int>(bond->GetBeginAtomIdx()) - 1, static_cast<int>(bond->GetEndAtomIdx()) - 1);
    const std::vector<std::size_t> rings = RingsPerPart(mol.NumAtoms(), bonds);
    return std::all_of(rings.begin(), rings.end(), [](std::size_t count) { return count <= kMaxPerceivedRings; });
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

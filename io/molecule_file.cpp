// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/molecule_file.h"

#include <openbabel/atom.h>
#include <openbabel/bond.h>
#include <openbabel/elements.h>
#include <openbabel/mol.h>
#include <openbabel/obconversion.h>
#include <openbabel/oberror.h>
#include <openbabel/obiter.h>

#include <cmath>
#include <numeric>
#include <sstream>

#include "io/molecule_text.h"
#include "io/source_error.h"

namespace kiva {

namespace {

// Bond-order perception costs grow steeply with the rings of one ring system; beyond this many
// independent rings in one molecule the bonds stay single, which never takes long.
constexpr std::size_t kMaxRingsForBondOrders = 100;

// Whether the largest molecule has few enough rings for Open Babel to find the bond orders.
bool FewRings(OpenBabel::OBMol& mol) {
    std::vector<unsigned> parent(mol.NumAtoms() + 1);
    std::iota(parent.begin(), parent.end(), 0u);
    const auto root = [&](unsigned i) {
        while (parent[i] != i) i = parent[i] = parent[parent[i]];
        return i;
    };
    std::vector<std::size_t> bonds(parent.size(), 0), atoms(parent.size(), 0);
    FOR_BONDS_OF_MOL(bond, mol) parent[root(bond->GetBeginAtomIdx())] = root(bond->GetEndAtomIdx());
    FOR_BONDS_OF_MOL(bond, mol) ++bonds[root(bond->GetBeginAtomIdx())];
    for (unsigned i = 1; i < parent.size(); ++i) ++atoms[root(i)];
    for (unsigned i = 1; i < parent.size(); ++i)
        if (atoms[i] > 0 && bonds[i] + 1 > atoms[i] + kMaxRingsForBondOrders) return false;
    return true;
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

// SPDX-License-Identifier: GPL-2.0-or-later
// kiva-scene-pdb: writes the atoms kiva-render would draw as a PDB file, so that a peer viewer
// can load exactly the same atoms. Each atom's drawn radius (angstrom, a third of it in the
// ball-and-stick model) goes into the temperature-factor column, where a viewer can take it as
// the sphere radius. Bonds are left to the viewer's own search: a hundred thousand CONECT records
// take RasMol minutes to read. Takes kiva-render's options.
#include <cstdio>
#include <iostream>

#include "chem/fixed_text.h"
#include "chem/molecule_index.h"
#include "tools/render/render_options.h"

using namespace kiva;

int main(int argc, char** argv) {
    const auto read = render_tool::ReadCommandLine(argc, argv);
    if (!read) return 2;
    const render_tool::RenderOptions& options = *read;
    MoleculeIndex index;
    index.path = std::string(KIVA_CATALOGUE_DIR) + "/Index.dat";
    CompoundRecord compound;
    if (!LoadMoleculeIndex(index) ||
        !LoadCompoundByName(index, std::string(KIVA_CATALOGUE_DIR) + "/Molecule.dat", options.name, compound)) {
        std::cerr << "Cannot find the compound \"" << options.name << "\".\n";
        return 1;
    }
    const ViewState view = render_tool::PrepareView(options, compound, MakeDefaultElementTable());
    if (view.atoms.size() > 99999) {
        std::cerr << "kiva-scene-pdb: more atoms than a PDB file can number\n";
        return 1;
    }
    std::FILE* out = std::fopen(options.output.c_str(), "w");
    if (!out) {
        std::cerr << "kiva-scene-pdb: cannot write \"" << options.output << "\".\n";
        return 1;
    }
    const float share = options.model == DisplayModel::BallAndStick ? 3.0f : 1.0f;
    for (std::size_t i = 0; i < view.atoms.size(); ++i) {
        const SceneAtom& atom = view.atoms[i];
        const std::string element(ElementKey(TextOf(atom.symbol)));
        const std::string name = element.size() == 1 ? " " + element : element;  // the element in columns 13-14
        const float radius = std::max(atom.radius, 0.5f) / share;
        std::fprintf(out, "ATOM  %5zu %-4s UNK A%4zu    %8.3f%8.3f%8.3f  1.00%6.2f          %2s\n", i + 1,
                     name.c_str(), i % 10000, static_cast<double>(atom.position.x), static_cast<double>(atom.position.y),
                     static_cast<double>(atom.position.z), static_cast<double>(radius), element.c_str());
    }
    std::fprintf(out, "END\n");
    return std::fclose(out) == 0 ? 0 : 1;
}

// SPDX-License-Identifier: GPL-2.0-or-later
// kiva-scene-pdb: writes the atoms kiva-render would draw as a PDB file, so that a peer viewer
// can load exactly the same atoms, each with its drawn radius in the temperature-factor column,
// where a viewer can take it as the sphere radius. Bonds are left to the viewer's own search: a
// hundred thousand CONECT records take RasMol minutes to read. Takes kiva-render's options.
#include <iostream>

#include "chem/molecule_index.h"
#include "export/scene_file.h"
#include "tools/render/animation_run.h"
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
    const ExportResult result = WriteSceneFile(options.output, view, options.name);
    if (result.Ok()) return 0;
    std::cerr << "kiva-scene-pdb: " << render_tool::DescribeExportProblem(result, options.output) << "\n";
    return 1;
}

// SPDX-License-Identifier: GPL-2.0-or-later
// One entry point of the structure-file readers: the bytes of a file named KIVA_FUZZ_FILE_NAME
// (a CIF, molfile or SD, XYZ or PDB file by its extension), read as the viewer opens it. A file
// Kiva cannot read throws one error naming the file, the format and the reason; a compound read
// saves as a document that opens again, and builds the scene a new window shows.
#include "chem/element_table.h"
#include "fuzz/fuzz_support.h"
#include "io/source_error.h"
#include "io/structure_file.h"
#include "platform/binary_archive.h"
#include "render/scene_build.h"

using namespace kiva;
using namespace kiva::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ElementTable elements = MakeDefaultElementTable();
    StructureFile file;
    try {
        file = ReadStructure(BytesOf(data, size), KIVA_FUZZ_FILE_NAME);
    } catch (const SourceError& error) {
        Require(error.File() == KIVA_FUZZ_FILE_NAME && !error.Reason().empty() && !error.Format().empty(),
                "an unreadable file's error names the file, the format and the reason");
        return 0;
    } catch (const FileException&) {
        return 0;  // bytes that begin like a Kiva document are read as one
    }
    RequireRecordRoundTrip(file.compound, "a compound read from a file saves as a document that opens");

    ViewState view;
    view.displayState = file.compound.basisAtoms.empty() ? DisplayState::ChemicalUnit : DisplayState::CrystalSolid;
    BuildCellVectors(view, file.compound.cell);
    BuildScene(view, file.compound, elements);
    ResetView(view);
    return 0;
}

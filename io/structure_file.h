// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Opening any structure file the viewer shows: a Kiva document, a CIF, a molfile or SD file, an
// XYZ or a PDB file, each read in time and memory bounded by itself.
#include <string>
#include <string_view>

#include "chem/compound_record.h"
#include "io/structure_format.h"

namespace kiva {

struct StructureFile {
    CompoundRecord compound;
    StructureFormat format = StructureFormat::Document;
};

// Reads the bytes of a file named fileName, whose format its name and bytes tell. A standard
// file's compound is named after the file (its name without the extension). Throws SourceError
// naming the file, the format and the reason (with the line where the reader knows it);
// a damaged Kiva document throws FileException.
StructureFile ReadStructure(std::string_view bytes, const std::string& fileName);

// The same for a file on disk, of which no more than the first record's formats need is read.
StructureFile ReadStructureFile(const std::string& path);

}  // namespace kiva

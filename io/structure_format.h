// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The kinds of file the viewer opens, and how a file's name and first bytes tell them apart.
#include <optional>
#include <string_view>

namespace kiva {

enum class StructureFormat {
    Document,  // Kiva's own: the version, then a compound record
    Cif,       // crystallographic information file
    Molfile,   // MDL molfile, or the first record of an SD file
    Xyz,
    Pdb,
};

// The name a message gives the format: "CIF", "MDL molfile", ...
std::string_view FormatName(StructureFormat format);

// A Kiva document shows its record tag after the four version bytes, whatever its name.
bool LooksLikeDocument(std::string_view leadingBytes);

// The format of a file: a Kiva document by its first bytes, anything else by its name's extension
// (.cif; .mol, .sdf, .sd; .xyz; .pdb, .ent), and a file with no known extension by its content.
// Nothing when neither tells.
std::optional<StructureFormat> DetectStructureFormat(std::string_view fileName, std::string_view leadingBytes);

}  // namespace kiva

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The atoms of a built scene as an XYZ or a PDB file, in angstrom, so another program can load
// exactly the atoms a picture shows; or its coordination polyhedra as a Wavefront OBJ file, which
// a 3D printer's software takes too.
#include <optional>
#include <string>
#include <string_view>

#include "export/export_result.h"
#include "render/view_state.h"

namespace kiva {

enum class SceneFileFormat { Xyz, Pdb, Obj };

inline constexpr std::size_t kMaxPdbAtoms = 99999;  // the serial number's five columns

// By the name's ending, .xyz, .pdb or .obj in any letter case; nothing for another name.
std::optional<SceneFileFormat> SceneFileFormatOf(std::string_view path);

// The atom count, a title line, then one "El x y z" line per scene atom.
std::string FormatSceneXyz(const ViewState& view, std::string_view title);
// One ATOM record per scene atom with its element in columns 77-78 and its drawn radius
// (angstrom, a third of it in the ball-and-stick model) in the temperature-factor column, then
// END. Bonds are left to the reader's own search. Nothing beyond kMaxPdbAtoms atoms.
std::optional<std::string> FormatScenePdb(const ViewState& view);

// One object per polyhedron, named by its centre's element and its number among the scene's
// atoms as the XYZ file counts them ("o Na_12"), its corners as vertices in angstrom and its
// faces as polygons, anticlockwise seen from outside. A view without polyhedra gives the
// comment lines alone.
std::string FormatPolyhedraObj(const ViewState& view, std::string_view title);

// Writes the scene in the format the path's name tells, complete or not at all. The problems:
// UnknownFormat, TooManyAtoms for a PDB file (the count in the detail),
// CannotCreate and CannotWrite with the system's reason.
ExportResult WriteSceneFile(const std::string& path, const ViewState& view, std::string_view title);

}  // namespace kiva

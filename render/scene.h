// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The scene a view draws: atoms with their structure and picture positions, and bonds between them.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "chem/compound_record.h"
#include "chem/element_table.h"
#include "math/vector_math.h"

namespace kiva {

// Bounds that keep a damaged or hostile document from building without end. A picture of
// 340 x 340 pixels cannot show more; the largest crystal of the catalogue, sulphur in
// 16 x 16 x 16 cells, has 524,288 atoms and scandium oxide's the most bonds, 780,288.
inline constexpr std::size_t kMaxSceneAtoms = std::size_t{1} << 20;
inline constexpr std::size_t kMaxSceneBonds = std::size_t{1} << 20;

// Heating is the copies of a heating run, which the view places itself before each projection.
enum class DisplayState : std::int32_t { CrystalSolid = 0, ChemicalUnit = 1, Liquid = 2, Gas = 3, Heating = 4 };

// A bond's picture: coordination lines show only on request; kind 4 is a single bond in yellow.
enum class BondKind : std::int32_t { Coordination = 0, Single = 1, Double = 2, Triple = 3, Yellow = 4 };

struct SceneAtom {
    char symbol[12];    // the atom label
    float charge;
    Vector3D position;  // structure coordinates, angstrom
    Vector3D picture;   // x right and y up, 0 to 339 inside the picture; z the depth in pixels, nearer larger
    std::uint32_t color;
    float radius;       // angstrom
    std::int32_t copyIndex;  // which liquid or gas copy; 0 for the chemical unit itself
};

struct SceneBond {
    std::int32_t first;   // scene atom indices
    std::int32_t second;
    std::int32_t kind;    // a BondKind
    friend bool operator==(const SceneBond&, const SceneBond&) = default;
};

// A coordination polyhedron of a crystal: its centre and the convex hull of the atoms bonded to it.
struct Polyhedron {
    int centre = -1;                      // the scene atom inside
    std::vector<int> corners;             // the scene atoms it is bonded to
    std::vector<std::vector<int>> faces;  // indices into corners, anticlockwise seen from outside
    std::size_t EdgeCount() const;
};

// Farther from the origin than any structure reaches, in angstrom; within it every sum, length
// and transform of scene positions stays a finite float.
inline constexpr float kMaxSceneCoordinate = 1e9f;

// False for a position that is not finite or lies beyond kMaxSceneCoordinate: such an atom is
// left out of the scene.
bool HasPlaceInScene(Vector3D position);

// A scene atom for an atom site, coloured and sized by the element table.
SceneAtom MakeSceneAtom(const AtomSite& site, Vector3D position, const ElementTable& elements);

// Looks the atom's label and charge up in the element table again for its colour and radius.
void ApplyElementLook(SceneAtom& atom, const ElementTable& elements);

}  // namespace kiva

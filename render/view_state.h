// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a molecule view holds that the scene build, the projection and the drawing read: the
// display settings, the transform, the picks and the scene itself. The view owns one per window.
#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "chem/block_growth.h"
#include "render/depth_order.h"
#include "render/lattice_plane.h"
#include "render/picture_area.h"
#include "render/scene.h"
#include "math/vector_math.h"

namespace kiva {

inline constexpr int kPictureSize = kPictureUnits;  // the default picture is a 340-pixel square
inline constexpr int kMaxCellMultiple = 16;  // unit cells along one axis of the crystal

enum class DisplayModel : std::int32_t { BallAndStick = 0, SpaceFilling = 1 };
enum class DisplayQuality : std::int32_t { Low = 0, High = 1 };
enum class MouseMode : std::int32_t { Rotate = 0, Translate = 1, Rock = 2 };
// The number of atoms a measurement picks; 0 when none is under way.
enum class MeasureMode : std::int32_t { None = 0, Distance = 2, Angle = 3, TorsionAngle = 4 };

// A growable array whose room grows in blocks of 16 records, one block before it would be full,
// and shrinks back to 16 at every build.
template <typename Record>
struct SceneArray {
    std::vector<Record> items;
    std::size_t room = kGrowthBlock;

    void Reset() {
        items.clear();
        room = kGrowthBlock;
    }
    void Append(const Record& record) {
        room = RoomBeforeAppend(items.size(), room);
        items.push_back(record);
    }
    // Takes the records as an empty array would by appending them one by one, without copying.
    void Assign(std::vector<Record>&& records) {
        Reset();
        for (std::size_t count = 0; count < records.size(); ++count) room = RoomBeforeAppend(count, room);
        items = std::move(records);
    }
    std::size_t size() const { return items.size(); }
    Record& operator[](std::size_t i) { return items[i]; }
    const Record& operator[](std::size_t i) const { return items[i]; }
};

// The depth order of atoms and bonds, farthest first: atom i as i, bond e as atom count + e. A
// projection only marks it pending, and DrawOrder sorts it when first asked for: a shaded frame
// needs no order unless the scene overruns its drawing budget, while the flat picture and
// picking do.
struct DrawOrderCache {
    std::vector<int> order;
    bool pending = false;       // a projection has come since `order` was made
    DepthOrderScratch scratch;  // kept from frame to frame, so large scenes reuse their memory
};

// An edge of the polyhedra between two scene atoms, drawn in the darker colour of `centre`.
struct PolyhedronEdge {
    int from, to, centre;
};

// The polyhedra of the last scene built, made when first asked for (ScenePolyhedra), and their
// edges, each once where polyhedra share it.
struct PolyhedraCache {
    std::vector<Polyhedron> polyhedra;
    std::vector<PolyhedronEdge> edges;
    bool pending = true;  // a scene has been built since `polyhedra` were made
    std::size_t atomCount = 0, bondCount = 0;  // of the scene they were made for
    DisplayState state = DisplayState::CrystalSolid;
};

struct ViewState {
    DisplayState displayState = DisplayState::ChemicalUnit;
    DisplayModel displayModel = DisplayModel::BallAndStick;
    DisplayQuality displayQuality = DisplayQuality::High;
    MouseMode mouseMode = MouseMode::Rotate;
    MeasureMode measureMode = MeasureMode::None;
    bool showAxes = false;
    bool showCellFrame = true;
    bool showCoordination = false;
    bool showPosition = true;
    bool showLabels = false;  // each atom's element and charge on it, and the cell's edges named
    bool wholeMolecules = false;  // the crystal's molecules and molecular ions grown whole across the cell's faces
    bool showPolyhedra = false;   // the crystal's coordination polyhedra, see-through
    std::optional<LatticePlane> latticePlane;  // a plane of the crystal drawn across the shown cells

    std::array<int, 4> pickedAtoms{};
    int pickedCount = 0;
    std::array<int, 3> cellMultiples{1, 1, 1};

    Vector3D rotationCentre;   // centroid of the scene atoms, structure coordinates
    float axisLength = 1.0f;   // angstrom
    Matrix4 viewTransform = IdentityMatrix();  // structure to picture; m[3][3] is one pixel in angstrom
    std::array<Vector3D, 3> cellAxes{};        // the unit cell's edges a, b, c in angstrom

    SceneArray<SceneAtom> atoms;
    SceneArray<SceneBond> bonds;
    mutable DrawOrderCache drawOrder;  // read it with DrawOrder
    mutable PolyhedraCache polyhedra;  // read it with ScenePolyhedra

    int screenBitsPerPixel = 24;  // below 16 the sphere shading is dithered
    // The picture's size on screen in device pixels: the liquid and the gas move over all of it.
    PictureArea pictureArea;
};

}  // namespace kiva

// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/scene_build.h"

#include <algorithm>
#include <cmath>

#include "render/bond_search.h"
#include "render/crystal_molecules.h"
#include "render/projection.h"

namespace kiva {

namespace {

constexpr double kMaxExtent = 1e12;  // angstrom; beyond any scene whose atoms have a place

constexpr float kPositionTolerance = 0.0001f;  // a fractional coordinate this close to 0 or 1 lies on the face

// A wrapped coordinate just below 1 is the same face as one at 0 (a stored 1/3 plus 2/3 wraps to
// 0.9999967): it is moved to just below 0, so the block places it on its near and far faces.
Vector3D OntoNearFaces(Vector3D q) {
    for (float* coordinate : {&q.x, &q.y, &q.z})
        if (*coordinate >= 1.0f - kPositionTolerance) *coordinate -= 1.0f;
    return q;
}

// The cells of the block where a point at fractional q is shown: every cell, and the block's far
// faces too along each axis where it lies on the near face.
std::size_t PlacementCount(Vector3D q, const int multiples[3]) {
    return static_cast<std::size_t>(multiples[0] + (q.x > kPositionTolerance ? 0 : 1)) *
           static_cast<std::size_t>(multiples[1] + (q.y > kPositionTolerance ? 0 : 1)) *
           static_cast<std::size_t>(multiples[2] + (q.z > kPositionTolerance ? 0 : 1));
}

// Calls place(i, j, k) for those cells, i outermost, until it returns false; false then.
template <typename Place>
bool ForEachPlacement(Vector3D q, const int multiples[3], Place place) {
    for (int i = 0; i <= multiples[0]; ++i) {
        if (i == multiples[0] && q.x > kPositionTolerance) continue;
        for (int j = 0; j <= multiples[1]; ++j) {
            if (j == multiples[1] && q.y > kPositionTolerance) continue;
            for (int k = 0; k <= multiples[2]; ++k) {
                if (k == multiples[2] && q.z > kPositionTolerance) continue;
                if (!place(i, j, k)) return false;
            }
        }
    }
    return true;
}

// The fill factor: the share of the picture's side that the structure's sphere spans.
float FillFactor(DisplayState state) {
    switch (state) {
    case DisplayState::Liquid: return 0.125f;
    case DisplayState::Gas: return 0.25f;
    default: return 0.5f;
    }
}

int CopiesFor(DisplayState state) {
    switch (state) {
    case DisplayState::Liquid: return 10;
    case DisplayState::Gas: return 4;
    default: return 1;
    }
}

}  // namespace

std::array<Vector3D, 3> CellAxes(const UnitCell& cell) {
    const double cosAlpha = std::cos(cell.alpha * kRadiansPerDegree);
    const double cosBeta = std::cos(cell.beta * kRadiansPerDegree);
    const double cosGamma = std::cos(cell.gamma * kRadiansPerDegree);
    const double sinGamma = std::sqrt(1 - cosGamma * cosGamma);
    const double y = (cosAlpha - cosGamma * cosBeta) / sinGamma;
    const double z = std::sqrt(1 - cosBeta * cosBeta - y * y);
    return {Vector3D{cell.a, 0, 0}, Vector3D{static_cast<float>(cell.b * cosGamma), static_cast<float>(cell.b * sinGamma), 0},
            Vector3D{static_cast<float>(cell.c * cosBeta), static_cast<float>(cell.c * y), static_cast<float>(cell.c * z)}};
}

void BuildCellVectors(ViewState& view, const UnitCell& cell) { view.cellAxes = CellAxes(cell); }

void BuildChemicalUnit(ViewState& view, const CompoundRecord& compound, const ElementTable& elements) {
    view.atoms.Reset();
    for (const AtomSite& site : compound.unitAtoms) {
        if (view.atoms.size() >= kMaxSceneAtoms) break;
        if (HasPlaceInScene(site.position)) view.atoms.Append(MakeSceneAtom(site, site.position, elements));
    }
}

void BuildCrystal(ViewState& view, const CompoundRecord& compound, const ElementTable& elements) {
    view.atoms.Reset();
    int multiples[3];
    for (int axis = 0; axis < 3; ++axis) multiples[axis] = std::clamp(view.cellMultiples[axis], 1, kMaxCellMultiple);
    // Named references, not a structured binding: clang 14 lets no lambda capture a binding.
    const Vector3D& a = view.cellAxes[0];
    const Vector3D& b = view.cellAxes[1];
    const Vector3D& c = view.cellAxes[2];
    // Every site's positions in the cell first, so the atoms' room is known before they come.
    std::vector<std::vector<Vector3D>> sitePositions;
    const std::uint64_t operations = compound.symmetry.operations.size();
    std::uint64_t expansionWork = 0;
    for (const AtomSite& site : compound.basisAtoms) {
        expansionWork += operations * operations;
        if (expansionWork > kMaxExpansionWork) break;
        std::vector<Vector3D>& positions = sitePositions.emplace_back();
        positions.resize(static_cast<std::size_t>(ExpandBasisSite(compound.symmetry, site.position, a, b, c, positions)));
        for (Vector3D& q : positions) q = OntoNearFaces(q);
    }
    const CrystalMolecules whole = view.wholeMolecules ? FindCrystalMolecules(sitePositions, compound, view.cellAxes, kPositionTolerance)
                                                       : CrystalMolecules{};
    std::size_t atomCount = 0;
    std::size_t cellAtom = 0;
    for (const std::vector<Vector3D>& positions : sitePositions)
        for (const Vector3D q : positions)
            if (whole.grouped.empty() || !whole.grouped[cellAtom++]) atomCount += PlacementCount(q, multiples);
    for (const CrystalMolecule& molecule : whole.molecules) atomCount += PlacementCount(molecule.centroid, multiples) * molecule.sites.size();
    view.atoms.items.reserve(std::min(atomCount, kMaxSceneAtoms));

    const auto append = [&](SceneAtom& atom, int i, int j, int k, Vector3D q) {
        if (view.atoms.size() >= kMaxSceneAtoms) return false;
        atom.position = Add(Add(Scale(static_cast<float>(i) + q.x, a), Scale(static_cast<float>(j) + q.y, b)),
                            Scale(static_cast<float>(k) + q.z, c));
        if (HasPlaceInScene(atom.position)) view.atoms.Append(atom);
        return true;
    };
    std::vector<SceneAtom> siteAtoms;  // every copy of a site looks alike
    for (std::size_t s = 0; s < sitePositions.size(); ++s) siteAtoms.push_back(MakeSceneAtom(compound.basisAtoms[s], {}, elements));
    cellAtom = 0;
    for (std::size_t s = 0; s < sitePositions.size(); ++s)
        for (const Vector3D q : sitePositions[s]) {
            if (!whole.grouped.empty() && whole.grouped[cellAtom++]) continue;
            if (!ForEachPlacement(q, multiples, [&](int i, int j, int k) { return append(siteAtoms[s], i, j, k, q); })) return;
        }
    // Each molecule wherever its centroid is shown, as an atom at the centroid would be.
    for (const CrystalMolecule& molecule : whole.molecules) {
        const bool placed = ForEachPlacement(molecule.centroid, multiples, [&](int i, int j, int k) {
            for (std::size_t m = 0; m < molecule.sites.size(); ++m)
                if (!append(siteAtoms[static_cast<std::size_t>(molecule.sites[m])], i, j, k, molecule.fractions[m])) return false;
            return true;
        });
        if (!placed) return;
    }
}

void BuildBonds(ViewState& view, const CompoundRecord& compound) {
    view.bonds.Assign(FindBonds(view.atoms.items, compound.bondRules, {kMaxSceneBonds}));
}

void BuildScene(ViewState& view, const CompoundRecord& compound, const ElementTable& elements) {
    DrawOrder(view);  // the order stays that of the last projection until the next one
    view.polyhedra.pending = true;
    if (view.displayState == DisplayState::CrystalSolid)
        BuildCrystal(view, compound, elements);
    else
        BuildChemicalUnit(view, compound, elements);
    BuildBonds(view, compound);

    // The liquid and gas copies: all atoms of copy 1, 2, ..., then all their bonds.
    const int copies = CopiesFor(view.displayState);
    const std::size_t atomCount = view.atoms.size();
    const std::size_t bondCount = view.bonds.size();
    if (atomCount * static_cast<std::size_t>(copies) > kMaxSceneAtoms) return;
    view.atoms.items.reserve(atomCount * static_cast<std::size_t>(copies));
    view.bonds.items.reserve(std::min(bondCount * static_cast<std::size_t>(copies), kMaxSceneBonds));
    for (int k = 1; k < copies; ++k)
        for (std::size_t i = 0; i < atomCount; ++i) {
            SceneAtom copy = view.atoms[i];
            copy.copyIndex = k;
            view.atoms.Append(copy);
        }
    const auto shift = static_cast<std::int32_t>(atomCount);
    for (int k = 1; k < copies; ++k)
        for (std::size_t e = 0; e < bondCount && view.bonds.size() < kMaxSceneBonds; ++e) {
            const SceneBond bond = view.bonds[e];
            view.bonds.Append({bond.first + k * shift, bond.second + k * shift, bond.kind});
        }
}

void ResetView(ViewState& view) {
    double sum[3] = {0, 0, 0};
    for (const SceneAtom& atom : view.atoms.items) {
        sum[0] += atom.position.x;
        sum[1] += atom.position.y;
        sum[2] += atom.position.z;
    }
    // An empty scene keeps its centre at the origin.
    const double count = view.atoms.size() > 0 ? static_cast<double>(view.atoms.size()) : 1.0;
    view.rotationCentre = {static_cast<float>(sum[0] / count), static_cast<float>(sum[1] / count),
                           static_cast<float>(sum[2] / count)};
    float maxRadius = 0.01f;
    float maxDistance = 0.01f;
    for (const SceneAtom& atom : view.atoms.items) {
        maxRadius = std::max(maxRadius, atom.radius);
        maxDistance = std::max(maxDistance, Length(Subtract(atom.position, view.rotationCentre)));
    }
    // A radius from a damaged element file can be near the float's end; the transform built from
    // the extent must stay finite.
    const float extent = static_cast<float>(std::min(static_cast<double>(maxRadius) + maxDistance, kMaxExtent));
    view.axisLength = 2 * extent;
    const float scale = FillFactor(view.displayState) * static_cast<float>(kPictureSize) / extent;
    const float twenty = 0.34906584f;
    Matrix4 transform = Multiply(Translation({170, 170, 170}), UniformScale(scale));
    transform = Multiply(transform, RotationY(-twenty));
    transform = Multiply(transform, RotationX(twenty));
    view.viewTransform = Multiply(transform, Translation(Scale(-1, view.rotationCentre)));
}

}  // namespace kiva

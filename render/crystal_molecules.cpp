// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/crystal_molecules.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "chem/fixed_text.h"
#include "render/bond_search.h"
#include "render/bonded_groups.h"
#include "render/scene.h"

namespace kiva {

namespace {

struct CellImages {
    std::vector<SceneAtom> atoms;  // every cell atom moved by each shift in turn
    std::vector<CellShift> shifts;
};

// How many cells a bond of `reach` angstrom may cross along each axis: the reach over the spacing
// of the lattice planes, plus one for atoms on either side of a face. Nothing for a flat cell.
std::optional<std::array<int, 3>> CellSpans(const std::array<Vector3D, 3>& axes, float reach) {
    const Vector3D normal = Cross(axes[0], axes[1]);
    const double volume = std::fabs(static_cast<double>(normal.x) * axes[2].x + static_cast<double>(normal.y) * axes[2].y +
                                    static_cast<double>(normal.z) * axes[2].z);
    std::array<int, 3> spans{};
    for (int axis = 0; axis < 3; ++axis) {
        const double face = Length(Cross(axes[(axis + 1) % 3], axes[(axis + 2) % 3]));
        const double spacing = volume / face;
        if (!(spacing > 0) || !std::isfinite(spacing) || reach / spacing > kMaxMoleculeReach) return std::nullopt;
        spans[axis] = static_cast<int>(std::floor(reach / spacing)) + 1;
    }
    return spans;
}

std::optional<CellImages> ImagesAround(const std::vector<int>& siteOf, const std::vector<Vector3D>& fractions,
                                       const CompoundRecord& compound, const std::array<Vector3D, 3>& axes,
                                       const std::array<int, 3>& spans) {
    const std::size_t cells = static_cast<std::size_t>(2 * spans[0] + 1) * (2 * spans[1] + 1) * (2 * spans[2] + 1);
    if (fractions.size() * cells > kMaxSceneAtoms) return std::nullopt;
    CellImages images;
    images.atoms.reserve(fractions.size() * cells);
    SceneAtom atom{};
    for (int i = -spans[0]; i <= spans[0]; ++i)
        for (int j = -spans[1]; j <= spans[1]; ++j)
            for (int k = -spans[2]; k <= spans[2]; ++k) {
                images.shifts.push_back({i, j, k});
                for (std::size_t n = 0; n < fractions.size(); ++n) {
                    SetText(atom.symbol, TextOf(compound.basisAtoms[static_cast<std::size_t>(siteOf[n])].symbol));
                    const Vector3D q = fractions[n];
                    atom.position = Add(Add(Scale(static_cast<float>(i) + q.x, axes[0]), Scale(static_cast<float>(j) + q.y, axes[1])),
                                        Scale(static_cast<float>(k) + q.z, axes[2]));
                    images.atoms.push_back(atom);
                }
            }
    return images;
}

// The covalent bonds of the cell's atoms, each as a contact from a cell atom to an image.
std::vector<CellContact> CovalentContacts(const CellImages& images, std::size_t cellAtoms, const CompoundRecord& compound) {
    std::vector<BondRule> covalent;
    for (const BondRule& rule : compound.bondRules)
        if (rule.bondKind != static_cast<std::int32_t>(BondKind::Coordination)) covalent.push_back(rule);
    std::vector<CellContact> contacts;
    for (const SceneBond& bond : FindBonds(images.atoms, covalent, {kMaxSceneBonds})) {
        const auto first = static_cast<std::size_t>(bond.first), second = static_cast<std::size_t>(bond.second);
        const CellShift shift = Minus(images.shifts[second / cellAtoms], images.shifts[first / cellAtoms]);
        contacts.push_back({static_cast<int>(first % cellAtoms), static_cast<int>(second % cellAtoms), shift, 0.0});
    }
    return contacts;
}

bool WithinReach(const std::vector<int>& members, const BondedGroups& groups) {
    return std::all_of(members.begin(), members.end(), [&](int atom) {
        const CellShift& offset = groups.offset[static_cast<std::size_t>(atom)];
        return std::abs(offset[0]) <= kMaxMoleculeReach && std::abs(offset[1]) <= kMaxMoleculeReach &&
               std::abs(offset[2]) <= kMaxMoleculeReach;
    });
}

// The whole group, shifted by whole cells so that its centroid lies in the cell.
CrystalMolecule WholeMolecule(const std::vector<int>& members, const BondedGroups& groups, const std::vector<int>& siteOf,
                              const std::vector<Vector3D>& fractions, float tolerance) {
    CrystalMolecule molecule;
    double sum[3] = {0, 0, 0};
    for (const int atom : members) {
        const auto n = static_cast<std::size_t>(atom);
        const CellShift& offset = groups.offset[n];
        const Vector3D f{fractions[n].x + static_cast<float>(offset[0]), fractions[n].y + static_cast<float>(offset[1]),
                         fractions[n].z + static_cast<float>(offset[2])};
        molecule.sites.push_back(siteOf[n]);
        molecule.fractions.push_back(f);
        sum[0] += f.x;
        sum[1] += f.y;
        sum[2] += f.z;
    }
    double centroid[3], cellShift[3];
    for (int axis = 0; axis < 3; ++axis) {
        centroid[axis] = sum[axis] / static_cast<double>(members.size());
        cellShift[axis] = std::floor(centroid[axis] + tolerance);  // a centroid on the far face belongs to the near one
        centroid[axis] -= cellShift[axis];
    }
    const Vector3D shift{static_cast<float>(cellShift[0]), static_cast<float>(cellShift[1]), static_cast<float>(cellShift[2])};
    for (Vector3D& f : molecule.fractions) f = Subtract(f, shift);
    molecule.centroid = {static_cast<float>(centroid[0]), static_cast<float>(centroid[1]), static_cast<float>(centroid[2])};
    return molecule;
}

}  // namespace

CrystalMolecules FindCrystalMolecules(const std::vector<std::vector<Vector3D>>& sitePositions, const CompoundRecord& compound,
                                      const std::array<Vector3D, 3>& axes, float tolerance) {
    std::vector<int> siteOf;
    std::vector<Vector3D> fractions;
    for (std::size_t s = 0; s < sitePositions.size(); ++s)
        for (const Vector3D q : sitePositions[s]) {
            siteOf.push_back(static_cast<int>(s));
            fractions.push_back(q);
        }
    CrystalMolecules result;
    result.grouped.assign(fractions.size(), false);
    float reach = 0;
    for (const BondRule& rule : compound.bondRules)
        if (rule.bondKind != static_cast<std::int32_t>(BondKind::Coordination)) reach = std::max(reach, rule.maxDistance);
    if (fractions.empty() || !(reach > 0) || !std::isfinite(reach)) return result;
    const auto spans = CellSpans(axes, reach);
    if (!spans) return result;
    const auto images = ImagesAround(siteOf, fractions, compound, axes, *spans);
    if (!images) return result;

    const BondedGroups groups = GroupBondedAtoms(fractions.size(), CovalentContacts(*images, fractions.size(), compound));
    for (std::size_t g = 0; g < groups.members.size(); ++g) {
        const std::vector<int>& members = groups.members[g];
        if (groups.endless[g] || members.size() < 2 || !WithinReach(members, groups)) continue;
        result.molecules.push_back(WholeMolecule(members, groups, siteOf, fractions, tolerance));
        for (const int atom : members) result.grouped[static_cast<std::size_t>(atom)] = true;
    }
    return result;
}

}  // namespace kiva

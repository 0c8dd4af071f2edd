// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/crystal_cell.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "io/source_error.h"
#include "render/scene_build.h"

namespace kiva {

namespace {

// Atom images the contact search may place: a cell of 20,000 atoms with its 26 neighbours.
constexpr std::size_t kMaxImages = 27 * kMaxCellAtoms;
// Contacts it may list: fifty for each atom of the fullest cell. Real crystals have about twenty
// within the reach; more means atoms piled on each other.
constexpr std::size_t kMaxContacts = 50 * kMaxCellAtoms;

using Point = std::array<double, 3>;

double Distance(const Point& p, const Point& q) {
    const double dx = p[0] - q[0], dy = p[1] - q[1], dz = p[2] - q[2];
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

Point CrossProduct(const Point& u, const Point& v) {
    return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

double Norm(const Point& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

bool Positive(const CellShift& shift) {
    for (const int component : shift)
        if (component != 0) return component > 0;
    return false;
}

struct Image {
    int atom;
    CellShift shift;
    Point position;
};

}  // namespace

std::array<double, 3> CrystalCell::PositionOf(int atom, const CellShift& shift) const {
    Point p = atoms[static_cast<std::size_t>(atom)].position;
    for (int axis = 0; axis < 3; ++axis)
        for (int k = 0; k < 3; ++k) p[k] += shift[axis] * axes[axis][k];
    return p;
}

CrystalCell ExpandCell(const CompoundRecord& crystal) {
    CrystalCell cell;
    const std::array<Vector3D, 3> axes = CellAxes(crystal.cell);
    for (int axis = 0; axis < 3; ++axis) cell.axes[axis] = {axes[axis].x, axes[axis].y, axes[axis].z};
    std::vector<Vector3D> positions;
    for (std::size_t site = 0; site < crystal.basisAtoms.size(); ++site) {
        ExpandBasisSite(crystal.symmetry, crystal.basisAtoms[site].position, axes[0], axes[1], axes[2], positions);
        if (cell.atoms.size() + positions.size() > kMaxCellAtoms)
            throw SourceError({}, 0, "the unit cell holds more than " + std::to_string(kMaxCellAtoms) + " atoms, more than Kiva shows");
        for (const Vector3D& q : positions) {
            CellAtom atom;
            atom.site = static_cast<int>(site);
            atom.fraction = q;
            for (int k = 0; k < 3; ++k)
                atom.position[k] = q.x * cell.axes[0][k] + q.y * cell.axes[1][k] + q.z * cell.axes[2][k];
            cell.atoms.push_back(atom);
        }
    }
    return cell;
}

std::vector<CellContact> FindContacts(const CrystalCell& cell, double reach) {
    // How many cells the reach spans along each axis: the reach over the spacing of the planes.
    const double volume = std::fabs(CrossProduct(cell.axes[0], cell.axes[1])[0] * cell.axes[2][0] +
                                    CrossProduct(cell.axes[0], cell.axes[1])[1] * cell.axes[2][1] +
                                    CrossProduct(cell.axes[0], cell.axes[1])[2] * cell.axes[2][2]);
    int span[3];
    std::size_t images = cell.atoms.size();
    for (int axis = 0; axis < 3; ++axis) {
        const double spacing = volume / Norm(CrossProduct(cell.axes[(axis + 1) % 3], cell.axes[(axis + 2) % 3]));
        const double cells = std::ceil(reach / spacing) + 1;
        if (!(spacing > 0) || cells > 1000) throw SourceError({}, 0, "the cell is too small for its atoms");
        span[axis] = static_cast<int>(cells);
        images *= static_cast<std::size_t>(2 * span[axis] + 1);
        if (images > kMaxImages) throw SourceError({}, 0, "the cell is too small for its atoms");
    }

    // The images in cubes as wide as the reach, so partners lie in the 27 cubes around an atom.
    const auto cube = [reach](const Point& p) {
        return std::array<long, 3>{static_cast<long>(std::floor(p[0] / reach)), static_cast<long>(std::floor(p[1] / reach)),
                                   static_cast<long>(std::floor(p[2] / reach))};
    };
    const auto key = [](const std::array<long, 3>& c) {
        return (static_cast<unsigned long long>(c[0] + (1 << 20)) << 42) ^ (static_cast<unsigned long long>(c[1] + (1 << 20)) << 21) ^
               static_cast<unsigned long long>(c[2] + (1 << 20));
    };
    std::unordered_map<unsigned long long, std::vector<Image>> cubes;
    for (int i = -span[0]; i <= span[0]; ++i)
        for (int j = -span[1]; j <= span[1]; ++j)
            for (int k = -span[2]; k <= span[2]; ++k)
                for (std::size_t atom = 0; atom < cell.atoms.size(); ++atom) {
                    const CellShift shift{i, j, k};
                    const Point p = cell.PositionOf(static_cast<int>(atom), shift);
                    cubes[key(cube(p))].push_back({static_cast<int>(atom), shift, p});
                }

    std::vector<CellContact> contacts;
    for (std::size_t atom = 0; atom < cell.atoms.size(); ++atom) {
        const Point& p = cell.atoms[atom].position;
        const auto centre = cube(p);
        for (long x = centre[0] - 1; x <= centre[0] + 1; ++x)
            for (long y = centre[1] - 1; y <= centre[1] + 1; ++y)
                for (long z = centre[2] - 1; z <= centre[2] + 1; ++z) {
                    const auto found = cubes.find(key({x, y, z}));
                    if (found == cubes.end()) continue;
                    for (const Image& image : found->second) {
                        const int first = static_cast<int>(atom);
                        if (image.atom < first || (image.atom == first && !Positive(image.shift))) continue;
                        const double distance = Distance(p, image.position);
                        if (distance > reach) continue;
                        if (contacts.size() == kMaxContacts)
                            throw SourceError({}, 0, "the atoms lie closer together than in any crystal");
                        contacts.push_back({first, image.atom, image.shift, distance});
                    }
                }
    }
    return contacts;
}

}  // namespace kiva

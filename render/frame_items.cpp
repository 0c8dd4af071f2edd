// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/frame_items.h"

#include <algorithm>
#include <limits>

#include "render/image_point.h"
#include "render/overlays.h"

namespace kiva {

namespace {

// Every atom of the range, the extent gathered as it goes (kEvery), or those `drawn` lets through,
// kept apart so that the common case tests nothing per atom it need not. What the loop reads of
// the map is copied first: stores into the list could otherwise alias it, and the compiler would
// load it again for every atom.
template <bool kEvery>
void Place(const ViewState& view, const PictureMap& pictureMap, std::size_t first, std::size_t end,
           const std::vector<bool>& drawn, std::vector<PlacedSphere>& spheres, AtomExtent& extent) {
    const PictureMap map = pictureMap;
    const SceneAtom* atoms = view.atoms.items.data();
    // Room for every atom of the range, written through a pointer: a push for each would cost a
    // fifth of the placing.
    const std::size_t placed = spheres.size();
    spheres.resize(placed + (end - first));
    PlacedSphere* out = spheres.data() + placed;
    AtomExtent gathered = extent;
    // Atoms come in runs of one element: their pixel radius is worked out once a run.
    float lastRadius = std::numeric_limits<float>::quiet_NaN();
    int r = 0;
    for (std::size_t i = first; i < end; ++i) {
        const SceneAtom& atom = atoms[i];
        if constexpr (!kEvery) {
            if (!drawn[i]) continue;
        }
        const ImagePoint p = ToImagePoint(atom.picture, map);
        if constexpr (kEvery) gathered.Add(atom, p);
        if (!(atom.radius == lastRadius)) {
            lastRadius = atom.radius;
            r = std::clamp(AtomPixelRadius(atom, view, map), 0, static_cast<int>(kPixelLimit));
        }
        if (p.row + r < 0 || p.row - r >= map.height || p.x + r < 0 || p.x - r >= map.width) continue;
        *out++ = {p.x, p.row, p.z, r, atom.color};
    }
    spheres.resize(static_cast<std::size_t>(out - spheres.data()));
    extent = gathered;
}

}  // namespace

void PlaceSpheres(const ViewState& view, const PictureMap& map, std::size_t first, std::size_t end,
                  const std::vector<bool>& drawn, std::vector<PlacedSphere>& spheres, AtomExtent* extent) {
    end = std::min(end, view.atoms.size());
    if (first >= end) return;
    AtomExtent unused;
    if (drawn.empty())
        Place<true>(view, map, first, end, drawn, spheres, extent ? *extent : unused);
    else
        Place<false>(view, map, first, end, drawn, spheres, unused);
}

void ChooseBonds(const ViewState& view, std::size_t first, std::size_t end, const std::vector<bool>& drawn,
                 std::vector<std::size_t>& chosen, BondKindCount* kinds) {
    if (view.displayModel != DisplayModel::BallAndStick) return;
    end = std::min(end, view.bonds.size());
    if (first >= end) return;
    const SceneBond* bonds = view.bonds.items.data();
    BondKindCount counted;
    for (std::size_t e = first; e < end; ++e) counted.Add(bonds[e]);
    if (kinds) kinds->Merge(counted);
    // A crystal's coordination bonds, hidden, are often all there is: then no bond is drawn.
    const bool showCoordination = view.showCoordination;
    if (!showCoordination && counted.coordination == end - first) return;
    const std::size_t atomCount = view.atoms.size();
    const bool every = drawn.empty();
    for (std::size_t e = first; e < end; ++e) {
        const SceneBond bond = bonds[e];
        if (bond.kind == static_cast<std::int32_t>(BondKind::Coordination) && !showCoordination) continue;
        if ((every || drawn[atomCount + e]) && BondIsValid(view, bond)) chosen.push_back(e);
    }
}

}  // namespace kiva

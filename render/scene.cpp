// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/scene.h"

#include <cmath>
#include <cstring>

#include "chem/fixed_text.h"

namespace kiva {

bool HasPlaceInScene(Vector3D position) {
    // Written so that NaN fails every comparison.
    for (const float value : {position.x, position.y, position.z})
        if (!(std::fabs(value) <= kMaxSceneCoordinate)) return false;
    return true;
}

SceneAtom MakeSceneAtom(const AtomSite& site, Vector3D position, const ElementTable& elements) {
    SceneAtom atom{};
    std::memcpy(atom.symbol, site.symbol, sizeof atom.symbol);
    atom.charge = site.charge;
    atom.position = position;
    ApplyElementLook(atom, elements);
    return atom;
}

void ApplyElementLook(SceneAtom& atom, const ElementTable& elements) {
    const ElementLook look = LookupElement(elements, TextOf(atom.symbol), TruncatedCharge(atom.charge));
    atom.color = look.color;
    atom.radius = look.radius;
}

}  // namespace kiva

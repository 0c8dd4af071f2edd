// SPDX-License-Identifier: GPL-2.0-or-later
#include "matter/matter_scene.h"

#include <algorithm>

#include "render/scene_build.h"

namespace kiva {

namespace {

constexpr float kLeastSigma = 1.0f;  // angstrom: a single small atom still gets room to move

Vector3D BoxEdge(const MatterRun& run, const CopyShape& shape, int axis) {
    Vector3D edge{0, 0, 0};
    const float length = static_cast<float>(run.Box().size[static_cast<std::size_t>(axis)]) * shape.sigma;
    (axis == 0 ? edge.x : axis == 1 ? edge.y : edge.z) = length;
    return edge;
}

}  // namespace

CopyShape BuildHeatingScene(ViewState& view, const CompoundRecord& compound, const ElementTable& elements,
                            std::size_t copies) {
    BuildChemicalUnit(view, compound, elements);
    BuildBonds(view, compound);
    CopyShape shape;
    const std::size_t atomCount = view.atoms.size();
    if (atomCount == 0) return shape;
    Vector3D centre{0, 0, 0};
    for (const SceneAtom& atom : view.atoms.items) centre = Add(centre, Scale(1.0f / static_cast<float>(atomCount), atom.position));
    float reach = 0;
    for (const SceneAtom& atom : view.atoms.items) {
        shape.offsets.push_back(Subtract(atom.position, centre));
        reach = std::max(reach, Length(shape.offsets.back()) + atom.radius);
    }
    shape.sigma = std::max(2 * reach, kLeastSigma);
    if (atomCount * copies > kMaxSceneAtoms || view.bonds.size() * copies > kMaxSceneBonds) {
        view.atoms.Reset();
        view.bonds.Reset();
        shape.offsets.clear();
        return shape;
    }
    const std::vector<SceneAtom> unit = view.atoms.items;
    const std::vector<SceneBond> bonds = view.bonds.items;
    view.atoms.Reset();
    view.bonds.Reset();
    const auto shift = static_cast<std::int32_t>(atomCount);
    for (std::size_t k = 0; k < copies; ++k) {
        for (SceneAtom atom : unit) {
            atom.copyIndex = static_cast<std::int32_t>(k);
            view.atoms.Append(atom);
        }
        for (const SceneBond& bond : bonds)
            view.bonds.Append({bond.first + static_cast<std::int32_t>(k) * shift, bond.second + static_cast<std::int32_t>(k) * shift,
                               bond.kind});
    }
    return shape;
}

void PlaceCopies(ViewState& view, const CopyShape& shape, const MatterRun& run) {
    const std::size_t perCopy = shape.offsets.size();
    const ParticleBox& box = run.Box();
    const CopyTurns& turns = run.Turns();
    if (perCopy == 0 || view.atoms.size() != perCopy * box.position.size()) return;
    for (std::size_t k = 0; k < box.position.size(); ++k) {
        const Vec3& p = box.position[k];
        const Vector3D centre{static_cast<float>(p[0]) * shape.sigma, static_cast<float>(p[1]) * shape.sigma,
                              static_cast<float>(p[2]) * shape.sigma};
        const Vec3& a = turns.axis[k];
        const Matrix4 turn = RotationAboutAxis(static_cast<float>(turns.angle[k]),
                                               {static_cast<float>(a[0]), static_cast<float>(a[1]), static_cast<float>(a[2])});
        for (std::size_t i = 0; i < perCopy; ++i)
            view.atoms[k * perCopy + i].position = Add(centre, TransformPoint(turn, shape.offsets[i]));
    }
    view.cellAxes = {BoxEdge(run, shape, 0), BoxEdge(run, shape, 1), BoxEdge(run, shape, 2)};
}

void ResetHeatingView(ViewState& view, const CopyShape& shape, const MatterRun& run) {
    const Vec3& size = run.Box().size;
    const Vector3D half{static_cast<float>(size[0] / 2) * shape.sigma, static_cast<float>(size[1] / 2) * shape.sigma,
                        static_cast<float>(size[2] / 2) * shape.sigma};
    view.rotationCentre = half;
    const float extent = std::max(Length(half), 0.01f);
    view.axisLength = extent;
    const float scale = 0.5f * static_cast<float>(kPictureSize) / extent;
    constexpr float kFifteen = 0.26179939f, kTwenty = 0.34906584f;
    Matrix4 transform = Multiply(Translation({170, 170, 170}), UniformScale(scale));
    transform = Multiply(transform, RotationX(kFifteen));
    transform = Multiply(transform, RotationY(-kTwenty));
    view.viewTransform = Multiply(transform, Translation(Scale(-1, half)));
}

}  // namespace kiva
